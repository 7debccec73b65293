#include "storage/OfficeLayout.h"
#include "base/ShownError.h"
#include "storage/ConnectionStrings.h"
#include "storage/Database.h"
#include "storage/OfficeConnection.h"
#include "storage/OfficeServer.h"
#include "storage/PgConnection.h"
#include "storage/PgDialect.h"
#include "storage/PgSchemaConnection.h"
#include "storage/SchemaUpgrade.h"
#include "support/PostgresServer.h"

#include <QDate>
#include <gtest/gtest.h>

namespace velkor::test {
namespace {

/// An office with one company holding two items, and a login of an accountant.
class OfficeLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        VELKOR_REQUIRE_POSTGRES(found);
        server = found;
        database = server->createDatabase(QStringLiteral("duzen"));
        admin = std::make_unique<PgConnection>(server->conninfo(database));
        initOffice(*admin);
        addCompanySchema(*admin, QStringLiteral("ABC"));
        company = companySchema(QStringLiteral("ABC"));
        admin->exec(QStringLiteral("INSERT INTO %1.sabit_kiymet (anahesapkodu, sbk_kodu, sbk_adi) VALUES "
                                   "('253', '02', 'Forklift'), ('253', '01', 'Torna')")
                        .arg(admin->quoteIdentifier(company)));
        const QString login = database + QStringLiteral("_ayse");
        admin->exec(
            QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD 'parola' IN ROLE %2")
                .arg(admin->quoteIdentifier(login), admin->quoteIdentifier(officeRoles(database).writer)));
        accountant = server->conninfo(database, login, QStringLiteral("parola"));
    }

    /// Turns the office back into one the first layout made: the company schema made before
    /// the later periods (without their tables), every index in the server's default order,
    /// the index of the template's item table copied under a name of the server's, version 1.
    void makeFirstLayout() {
        PgTransaction transaction(*admin);
        for (const QString& schema : {office::kTemplateSchema, company}) {
            const QString quoted = admin->quoteIdentifier(schema);
            const PgResult indexes = admin->query(
                QStringLiteral(
                    "SELECT indexname FROM pg_indexes WHERE schemaname = $1 AND indexname NOT LIKE "
                    "'%pkey'"),
                {schema});
            for (int row = 0; row < indexes.rowCount(); ++row)
                admin->exec(QStringLiteral("DROP INDEX %1.%2")
                                .arg(quoted, admin->quoteIdentifier(indexes.value(row, 0).toString())));
        }
        const QString template_ = admin->quoteIdentifier(office::kTemplateSchema);
        const PgResult recorded = admin->query(
            QStringLiteral("SELECT komut FROM %1.velkor_tanimlar WHERE komut LIKE 'CREATE INDEX%'")
                .arg(template_));
        admin->exec(QStringLiteral("SET LOCAL search_path TO ") + template_);
        for (int row = 0; row < recorded.rowCount(); ++row)
            admin->exec(recorded.value(row, 0).toString());
        const QString quoted = admin->quoteIdentifier(company);
        admin->exec(QStringLiteral("CREATE INDEX ON %1.sabit_kiymet (anahesapkodu, sbk_kodu); "
                                   "DROP TABLE %1.donem, %1.donem_kalem, %1.donem_kayit, %1.sema_surumu; "
                                   "DELETE FROM %1.velkor_sutunlar WHERE tablo IN ('donem', 'donem_kalem', "
                                   "'donem_kayit', 'sema_surumu'); "
                                   "DELETE FROM %1.velkor_tanimlar WHERE komut LIKE '%donem%' OR komut LIKE "
                                   "'%sema_surumu%'; "
                                   "UPDATE genel.ofis SET deger = '1'")
                        .arg(quoted));
        transaction.commit();
    }

    /// Whether the server reads the company's items in the order the program sorts them by
    /// from an index rather than sorting them.
    bool itemsReadInIndexOrder() {
        PgSchemaConnection engine(*admin, company);
        const QString sorted =
            PgDialect::translate(QStringLiteral("SELECT * FROM sabit_kiymet ORDER BY anahesapkodu, sbk_kodu"),
                                 [&engine](const QString& name) { return engine.table(name); })
                .sql;
        PgTransaction transaction(*admin);
        admin->exec(QStringLiteral("SET LOCAL enable_sort = off; SET LOCAL search_path TO ") +
                    admin->quoteIdentifier(company));
        const PgResult plan = admin->query(QStringLiteral("EXPLAIN ") + sorted);
        return plan.value(0, 0).toString().startsWith(QLatin1String("Index Scan"));
    }

    /// What an upgrade could change: the tables, the indexes and the version row itself.
    QString layoutPrint() {
        return admin
            ->scalar(QStringLiteral(
                "SELECT (SELECT string_agg(schemaname || '.' || tablename, ',' ORDER BY 1) FROM pg_tables) "
                "|| (SELECT string_agg(indexdef, ',' ORDER BY 1) FROM pg_indexes) "
                "|| (SELECT string_agg(deger || xmin::text, ',') FROM genel.ofis)"))
            .toString();
    }

    PostgresServer* server = nullptr;
    QString database;
    std::unique_ptr<PgConnection> admin;
    QString company;
    QString accountant;
};

TEST_F(OfficeLayoutTest, AnOfficeOfTheFirstLayoutIsUpgradedAndItsCompaniesThenWork) {
    makeFirstLayout();
    EXPECT_EQ(officeLayoutVersion(*admin), 1);
    EXPECT_FALSE(itemsReadInIndexOrder());
    // The program tells the accountant what to do instead of failing halfway.
    try {
        Database opened(std::make_unique<PgSchemaConnection>(accountant, company));
        FAIL() << "an office of the first layout was opened";
    } catch (const ShownError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("\"velkor-cli server init\" ile güncellemelidir")))
            << e.message().toStdString();
    }
    EXPECT_TRUE(officeReport(inspectOffice(*admin)).contains(officeLayoutRefusal(1)));

    const QStringList done = upgradeOffice(*admin);
    ASSERT_EQ(done.size(), 3) << done.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(done[0], QStringLiteral("Büro veritabanının düzeni 1. sürümden 2. sürüme güncellendi."));
    EXPECT_TRUE(done[1].startsWith(QStringLiteral("Boş firma şablonu: dizinler yenilendi (")))
        << done[1].toStdString();
    // The period tables come with their indexes in order; only the item table's is renewed.
    EXPECT_EQ(done[2], QStringLiteral("ABC firması: sonraki dönemlerin tabloları eklendi; dizinler yenilendi "
                                      "(sabit_kiymet_hesap)."))
        << done[2].toStdString();
    EXPECT_EQ(officeLayoutVersion(*admin), office::kSchemaVersion);
    EXPECT_TRUE(itemsReadInIndexOrder());
    // The old index is gone rather than kept beside the new one.
    EXPECT_EQ(
        admin->scalar(QStringLiteral("SELECT count(*) FROM pg_indexes WHERE schemaname = $1 AND tablename = "
                                     "'sabit_kiymet' AND indexname NOT LIKE '%pkey'"),
                      {company}),
        QVariant(qint64(1)));

    // The accountant works on the company's later periods, with the rows it had.
    Database opened(std::make_unique<PgSchemaConnection>(accountant, company));
    EXPECT_EQ(companySchemaVersion(opened), kCompanySchemaVersion);
    opened.execute(QStringLiteral("INSERT INTO donem (bitis_tarihi, durum) VALUES (?, ?)"),
                   {QDate(2024, 12, 31), QStringLiteral("Açık")});
    opened.execute(QStringLiteral("INSERT INTO donem_kalem (donem_id, sabit_kiymet_id) VALUES (?, ?)"),
                   {opened.lastInsertId(), 1});
    EXPECT_EQ(
        opened.scalar(QStringLiteral("SELECT sbk_adi FROM sabit_kiymet ORDER BY anahesapkodu, sbk_kodu")),
        QVariant(QStringLiteral("Torna")));
    // A new company is made from the template at the layout.
    auto ayse = connectToOffice(accountant);
    addCompanySchema(*ayse, QStringLiteral("YENI"));
    Database added(std::make_unique<PgSchemaConnection>(*ayse, companySchema(QStringLiteral("YENI"))));
    EXPECT_EQ(companySchemaVersion(added), kCompanySchemaVersion);
    EXPECT_NO_THROW(
        added.execute(QStringLiteral("INSERT INTO donem (bitis_tarihi) VALUES (?)"), {QDate(2024, 6, 30)}));
}

TEST_F(OfficeLayoutTest, AnOfficeAtTheLayoutIsNotWrittenByAnUpgrade) {
    EXPECT_TRUE(itemsReadInIndexOrder()) << "a new office's companies";
    const QString before = layoutPrint();
    EXPECT_TRUE(upgradeOffice(*admin).isEmpty());
    EXPECT_EQ(layoutPrint(), before);

    makeFirstLayout();
    ASSERT_FALSE(upgradeOffice(*admin).isEmpty());
    const QString upgraded = layoutPrint();
    EXPECT_TRUE(upgradeOffice(*admin).isEmpty());
    EXPECT_EQ(layoutPrint(), upgraded);
}

TEST_F(OfficeLayoutTest, ANewerLayoutIsRefusedBeforeAnythingIsWritten) {
    admin->exec(QStringLiteral("UPDATE genel.ofis SET deger = '%1'").arg(office::kSchemaVersion + 1));
    const QString before = layoutPrint();
    for (const auto& open : std::vector<std::function<void()>>{
             [&] { connectToOffice(accountant); },
             [&] { Database opened(std::make_unique<PgSchemaConnection>(accountant, company)); },
             [&] { upgradeOffice(*admin); }}) {
        try {
            open();
            ADD_FAILURE() << "a newer layout was accepted";
        } catch (const ShownError& e) {
            EXPECT_TRUE(e.message().startsWith(
                QStringLiteral("Büro veritabanı programın bu sürümünden daha yeni bir sürümle düzenlenmiş")))
                << e.message().toStdString();
        }
    }
    EXPECT_EQ(layoutPrint(), before);
    // The setup commands still see it, to report it.
    EXPECT_NO_THROW(
        connectToOffice(accountant, QProcessEnvironment::systemEnvironment(), LayoutCheck::Skipped));
    EXPECT_EQ(inspectOffice(*admin).schemaVersion, office::kSchemaVersion + 1);
}

} // namespace
} // namespace velkor::test
