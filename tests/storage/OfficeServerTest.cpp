#include "storage/OfficeServer.h"
#include "storage/ConnectionStrings.h"
#include "storage/Installation.h"
#include "storage/PgConnection.h"
#include "storage/PgDialect.h"
#include "storage/PgSchema.h"
#include "storage/PgSchemaConnection.h"
#include "storage/Schema.h"
#include "storage/SchemaUpgrade.h"
#include "support/PostgresServer.h"

#include <QDate>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace velkor::test {
namespace {

/// A fresh office on its own database, with a login for each of its roles.
class OfficeServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        VELKOR_REQUIRE_POSTGRES(found);
        server = found;
        database = server->createDatabase(QStringLiteral("ofis"));
        admin = std::make_unique<PgConnection>(server->conninfo(database));
        initOffice(*admin);
        const OfficeRoles roles = officeRoles(database);
        writerLogin = database + QStringLiteral("_ayse");
        readerLogin = database + QStringLiteral("_denetci");
        admin->exec(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD 'parola' IN ROLE %2; "
                                   "CREATE ROLE %3 LOGIN PASSWORD 'parola' IN ROLE %4")
                        .arg(admin->quoteIdentifier(writerLogin), admin->quoteIdentifier(roles.writer),
                             admin->quoteIdentifier(readerLogin), admin->quoteIdentifier(roles.reader)));
    }

    std::unique_ptr<PgConnection> login(const QString& role) {
        return std::make_unique<PgConnection>(server->conninfo(database, role, QStringLiteral("parola")));
    }

    PostgresServer* server = nullptr;
    QString database;
    std::unique_ptr<PgConnection> admin;
    QString writerLogin;
    QString readerLogin;
};

TEST_F(OfficeServerTest, AnEmptyDatabaseBecomesAnOfficeWithTheInstallationsData) {
    const OfficeState state = inspectOffice(*admin);
    EXPECT_EQ(state.schemaVersion, office::kSchemaVersion);
    EXPECT_EQ(state.serverVersion / 10000, 15);
    EXPECT_TRUE(state.companies.isEmpty());
    EXPECT_EQ(officeReport(state).mid(1),
              (QStringList{QStringLiteral("Bağlantı: şifresiz (yalnızca bu bilgisayardaki sunucu için)"),
                           QStringLiteral("Veritabanı düzeni sürümü: 2 (program: 2)"),
                           QStringLiteral("Firmalar (0): yok")}));

    // The reference tables hold what a file installation's Oranlar.mdb holds, row for row.
    QTemporaryDir folder;
    ensureInstallation(folder.path());
    Database rates(folder.path() + QStringLiteral("/AnaData/Oranlar.mdb"), kDatabasePassword);
    for (const QString& table : fileTables(rates)) {
        const qint64 rows =
            rates.scalar(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table)).toLongLong();
        EXPECT_EQ(admin
                      ->scalar(QStringLiteral("SELECT count(*) FROM oranlar.%1")
                                   .arg(admin->quoteIdentifier(table.toLower())))
                      .toLongLong(),
                  rows)
            << table.toStdString();
    }
    EXPECT_GT(admin->scalar(QStringLiteral("SELECT count(*) FROM oranlar.Amortisman_Oranlari")).toLongLong(),
              50);
    EXPECT_EQ(
        admin->scalar(QStringLiteral("SELECT Yi_UFE FROM oranlar.YI_UFE_Yeni WHERE YilAy = $1"), {202312}),
        rates.scalar(QStringLiteral("SELECT Yi_UFE FROM YI_UFE_Yeni WHERE YilAy = ?"), {202312}));
    EXPECT_EQ(admin->scalar(QStringLiteral("SELECT mids FROM genel.mast")),
              QVariant(QStringLiteral("mirtan")));

    // The company tables follow the column definitions of the files.
    const PgResult columns = admin->query(QStringLiteral(
        "SELECT column_name, data_type, column_default LIKE 'nextval%' FROM information_schema.columns "
        "WHERE table_schema = 'sablon' AND table_name = 'sabit_kiymet' ORDER BY ordinal_position"));
    ASSERT_EQ(columns.rowCount(), int(kItemColumns.size()));
    EXPECT_EQ(columns.value(0, 0), QVariant(QStringLiteral("id")));
    EXPECT_EQ(columns.value(0, 2), QVariant(true));
    for (int row = 0; row < columns.rowCount(); ++row) {
        EXPECT_EQ(columns.value(row, 0).toString(), QString::fromUtf8(kItemColumns[row].name).toLower());
        EXPECT_EQ(columns.value(row, 1).toString(),
                  row == 0 ? QStringLiteral("bigint")
                           : PgDialect::columnType(QString::fromUtf8(kItemColumns[row].type))
                                 .remove(QRegularExpression(QStringLiteral(" COLLATE .*$"))));
    }

    // The registry and the reference tables open through the program's storage, with the
    // names as the program declared them.
    Database general(std::make_unique<PgSchemaConnection>(*admin, kGeneralSchema));
    EXPECT_EQ(general.scalar(QStringLiteral("SELECT mids FROM mast")), QVariant(QStringLiteral("mirtan")));
    Database serverRates(std::make_unique<PgSchemaConnection>(*admin, kRatesSchema));
    EXPECT_EQ(serverRates.scalar(QStringLiteral("SELECT Yi_UFE FROM YI_UFE_Yeni WHERE YilAy = ?"), {202312}),
              rates.scalar(QStringLiteral("SELECT Yi_UFE FROM YI_UFE_Yeni WHERE YilAy = ?"), {202312}));

    // A database that holds anything is left alone.
    try {
        initOffice(*admin);
        FAIL() << "initialised twice";
    } catch (const ShownError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Veritabanı boş değil")))
            << e.message().toStdString();
    }
}

TEST_F(OfficeServerTest, AnAccountantAddsACompanyWhoseRowsKeepTheirIds) {
    auto ayse = login(writerLogin);
    addCompanySchema(*ayse, QStringLiteral("ŞİRKET 1"));
    const QString schema = ayse->quoteIdentifier(companySchema(QStringLiteral("ŞİRKET 1")));
    EXPECT_EQ(ayse->execute(QStringLiteral("INSERT INTO %1.sabit_kiymet (sbk_adi) VALUES ($1)").arg(schema),
                            {QStringLiteral("Bina")}),
              1);
    EXPECT_EQ(
        ayse->execute(QStringLiteral("INSERT INTO %1.sabit_kiymet (id, sbk_adi) OVERRIDING SYSTEM VALUE "
                                     "VALUES ($1, $2)")
                          .arg(schema),
                      {40, QStringLiteral("Arsa")}),
        1);
    EXPECT_EQ(
        ayse->scalar(
            QStringLiteral("SELECT string_agg(id::text, ',' ORDER BY id) FROM %1.sabit_kiymet").arg(schema)),
        QVariant(QStringLiteral("1,40")));
    EXPECT_EQ(inspectOffice(*ayse).companies, QStringList{QStringLiteral("ŞİRKET 1")});
    // The schema is the owner's, not the accountant's who asked for it.
    EXPECT_EQ(
        admin->scalar(QStringLiteral("SELECT nspowner::regrole::text FROM pg_namespace WHERE nspname = $1"),
                      {companySchema(QStringLiteral("ŞİRKET 1"))}),
        QVariant(officeRoles(database).owner));
    // The engine opens the new company as it opens one it created itself: same tables,
    // same declared columns, and new rows continue after the copied ones.
    {
        Database company(
            std::make_unique<PgSchemaConnection>(*ayse, companySchema(QStringLiteral("ŞİRKET 1"))));
        Database made(std::make_unique<PgSchemaConnection>(*admin, office::kTemplateSchema));
        EXPECT_EQ(company.tableNames(), made.tableNames());
        EXPECT_EQ(company.scalar(QStringLiteral("SELECT count(*) FROM Sabit_Kiymet")).toLongLong(), 2);
        company.execute(QStringLiteral("INSERT INTO Sabit_Kiymet (SBK_ADI) VALUES (?)"),
                        {QStringLiteral("Yol")});
        EXPECT_EQ(company.lastInsertId(), 41);
    }
    // The function takes no name but a company schema's.
    EXPECT_THROW(ayse->query(QStringLiteral("SELECT genel.firma_semasi_ekle($1, $2)"),
                             {QStringLiteral("X"), QStringLiteral("genel2")}),
                 PgError);
}

TEST_F(OfficeServerTest, AnAccountantsCompanyHoldsTheLaterPeriodsWithoutChangingTables) {
    auto ayse = login(writerLogin);
    addCompanySchema(*ayse, QStringLiteral("ABC"));
    // The accountant may not change tables: the company and the registry come at the
    // layout the program works on, and opening them changes nothing.
    Database company(std::make_unique<PgSchemaConnection>(*ayse, companySchema(QStringLiteral("ABC"))));
    EXPECT_EQ(companySchemaVersion(company), kCompanySchemaVersion);
    EXPECT_NO_THROW(upgradeCompanySchema(company));
    company.execute(QStringLiteral("INSERT INTO donem (bitis_tarihi, durum) VALUES (?, ?)"),
                    {QDate(2024, 12, 31), QStringLiteral("Açık")});
    EXPECT_EQ(company.lastInsertId(), 1);
    Database general(std::make_unique<PgSchemaConnection>(*ayse, kGeneralSchema));
    EXPECT_TRUE(hasColumn(general, QStringLiteral("firmalar"), QStringLiteral("brut_satis_2023")));
    EXPECT_TRUE(hasColumn(general, QStringLiteral("FIRMALAR"), QStringLiteral("Kiymetli_Maden")));
    EXPECT_FALSE(hasColumn(general, QStringLiteral("firmalar"), QStringLiteral("yok")));
    EXPECT_NO_THROW(upgradeGeneralSchema(general));
    general.execute(QStringLiteral("INSERT INTO firmalar (kodu, brut_satis_2023) VALUES (?, ?)"),
                    {QStringLiteral("ABC"), 62500000.0});
    EXPECT_EQ(general.scalar(QStringLiteral("SELECT brut_satis_2023 FROM firmalar WHERE kodu = ?"),
                             {QStringLiteral("ABC")}),
              QVariant(62500000.0));
}

TEST_F(OfficeServerTest, ACompanyIsDroppedWithItsRegistrationByAnAccountantOnly) {
    auto ayse = login(writerLogin);
    addCompanySchema(*ayse, QStringLiteral("ABC"));
    EXPECT_TRUE(companyOnServer(*ayse, QStringLiteral("ABC")));
    EXPECT_FALSE(companyOnServer(*ayse, QStringLiteral("XYZ")));
    auto auditor = login(readerLogin);
    EXPECT_THROW(removeCompanySchema(*auditor, QStringLiteral("ABC")), PgError);
    EXPECT_TRUE(companyOnServer(*admin, QStringLiteral("ABC")));
    removeCompanySchema(*ayse, QStringLiteral("ABC"));
    EXPECT_FALSE(companyOnServer(*ayse, QStringLiteral("ABC")));
    EXPECT_TRUE(inspectOffice(*ayse).companies.isEmpty());
    EXPECT_EQ(admin->scalar(QStringLiteral("SELECT count(*) FROM pg_namespace WHERE nspname = $1"),
                            {companySchema(QStringLiteral("ABC"))}),
              QVariant(qint64(0)));
    // A code without a schema is no error: a deletion that died halfway is finished.
    EXPECT_NO_THROW(removeCompanySchema(*ayse, QStringLiteral("ABC")));
    // The code is free again.
    EXPECT_NO_THROW(addCompanySchema(*ayse, QStringLiteral("ABC")));
}

TEST_F(OfficeServerTest, TheReadOnlyRoleReadsEverythingAndChangesNothing) {
    addCompanySchema(*admin, QStringLiteral("ABC"));
    const QString company = companySchema(QStringLiteral("ABC"));
    admin->exec(QStringLiteral("INSERT INTO %1.sabit_kiymet (sbk_adi) VALUES ('Bina')")
                    .arg(admin->quoteIdentifier(company)));
    auto auditor = login(readerLogin);
    const PgResult tables = admin->query(
        QStringLiteral("SELECT table_schema, table_name FROM information_schema.tables WHERE table_schema IN "
                       "('genel', 'oranlar', 'sablon', $1) ORDER BY 1, 2"),
        {company});
    ASSERT_GT(tables.rowCount(), 10);
    const auto refused = [&](const QString& sql) {
        try {
            auditor->exec(sql);
        } catch (const PgError& e) {
            if (auditor->inTransaction())
                auditor->exec(QStringLiteral("ROLLBACK"));
            return e.sqlState() == QStringLiteral("42501");
        }
        auditor->exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    for (int row = 0; row < tables.rowCount(); ++row) {
        const QString table = auditor->quoteIdentifier(tables.value(row, 0).toString()) + QLatin1Char('.') +
                              auditor->quoteIdentifier(tables.value(row, 1).toString());
        EXPECT_NO_THROW(auditor->exec(QStringLiteral("SELECT * FROM %1").arg(table))) << table.toStdString();
        const QString firstColumn =
            admin
                ->scalar(QStringLiteral(
                             "SELECT quote_ident(column_name::text) FROM information_schema.columns WHERE "
                             "table_schema = $1 AND table_name = $2 ORDER BY ordinal_position LIMIT 1"),
                         {tables.value(row, 0), tables.value(row, 1)})
                .toString();
        for (const QString& write :
             {QStringLiteral("INSERT INTO %1 DEFAULT VALUES"), QStringLiteral("UPDATE %1 SET %2 = %2"),
              QStringLiteral("DELETE FROM %1"), QStringLiteral("TRUNCATE %1"),
              QStringLiteral("DROP TABLE %1"), QStringLiteral("ALTER TABLE %1 ADD COLUMN yeni integer"),
              QStringLiteral("BEGIN; LOCK TABLE %1 IN EXCLUSIVE MODE"),
              QStringLiteral("CREATE INDEX ON %1 (%2)")}) {
            const QString sql = QString(write)
                                    .replace(QStringLiteral("%1"), table)
                                    .replace(QStringLiteral("%2"), firstColumn);
            EXPECT_TRUE(refused(sql)) << sql.toStdString();
        }
    }
    for (const QString& schema :
         {QStringLiteral("genel"), QStringLiteral("oranlar"), QStringLiteral("public"), company})
        EXPECT_TRUE(
            refused(QStringLiteral("CREATE TABLE %1.yeni (a integer)").arg(auditor->quoteIdentifier(schema))))
            << schema.toStdString();
    EXPECT_TRUE(refused(QStringLiteral("CREATE SCHEMA yeni")));
    EXPECT_TRUE(refused(QStringLiteral("SELECT genel.firma_semasi_ekle('X', 'firma_x')")));
    EXPECT_TRUE(refused(QStringLiteral("SELECT genel.firma_semasi_sil('ABC')")));
    EXPECT_TRUE(refused(QStringLiteral("SELECT nextval(pg_get_serial_sequence('%1.sabit_kiymet', 'id'))")
                            .arg(auditor->quoteIdentifier(company))));
    EXPECT_EQ(
        admin->scalar(
            QStringLiteral("SELECT count(*) FROM %1.sabit_kiymet").arg(admin->quoteIdentifier(company))),
        QVariant(qint64(1)));
}

TEST(OfficeServerSetUpTest, AnAdministratorWhoMayCreateRolesSetsUpTheDatabaseHeOwns) {
    VELKOR_REQUIRE_POSTGRES(server);
    const QString database = server->createDatabase(QStringLiteral("yonetim"));
    const QString administrator = database + QStringLiteral("_yonetici");
    PgConnection superuser(server->conninfo(database));
    superuser.exec(
        QStringLiteral("CREATE ROLE %1 LOGIN CREATEROLE PASSWORD 'parola'; ALTER DATABASE %2 OWNER TO %1")
            .arg(superuser.quoteIdentifier(administrator), superuser.quoteIdentifier(database)));
    PgConnection admin(server->conninfo(database, administrator, QStringLiteral("parola")));
    initOffice(admin);
    addCompanySchema(admin, QStringLiteral("ABC"));
    EXPECT_EQ(inspectOffice(admin).companies, QStringList{QStringLiteral("ABC")});
}

TEST(CompanySchemaNameTest, OnlyLettersDigitsAndUnderscoresAndOneSchemaACode) {
    const QRegularExpression safe(QStringLiteral("^firma_[a-z0-9_]{1,60}$"));
    for (const char* code :
         {"ABC", "ŞİRKET 1", "x\"; DROP SCHEMA genel; --", "Çok Uzun Bir Firma Kodu 12345"})
        EXPECT_TRUE(safe.match(companySchema(QString::fromUtf8(code))).hasMatch()) << code;
    EXPECT_EQ(companySchema(QStringLiteral("abc")), companySchema(QStringLiteral("ABC")));
    EXPECT_NE(companySchema(QStringLiteral("ŞİRKET")), companySchema(QStringLiteral("SIRKET")));
    EXPECT_NE(companySchema(QStringLiteral("A-B")), companySchema(QStringLiteral("A_B")));
}

} // namespace
} // namespace velkor::test
