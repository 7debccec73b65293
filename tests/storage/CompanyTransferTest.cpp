#include "storage/CompanyTransfer.h"
#include "storage/ConnectionStrings.h"
#include "storage/Installation.h"
#include "storage/OfficeServer.h"
#include "storage/PgConnection.h"
#include "storage/PgSchemaConnection.h"
#include "storage/Schema.h"
#include "storage/SchemaUpgrade.h"
#include "storage/Statement.h"
#include "support/PostgresServer.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace velkor::test {
namespace {

QVariantList allRows(Database& file) {
    QVariantList rows;
    Statement select(file, QStringLiteral("SELECT * FROM sabit_kiymet ORDER BY id"));
    while (select.step()) {
        QVariantList row;
        for (int c = 0; c < select.columnCount(); ++c)
            row << select.value(c);
        rows << QVariant(row);
    }
    return rows;
}

/// A company file with items of every kind of value, ids with gaps, and an office to move it to.
class CompanyTransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        VELKOR_REQUIRE_POSTGRES(found);
        server =
            std::make_unique<PgConnection>(found->conninfo(found->createDatabase(QStringLiteral("tasi"))));
        initOffice(*server);
        source = folder.filePath(QStringLiteral("ABC.mdb"));
        createDatabaseFile(source, [](Database& db) {
            createCompanySchema(db);
            const QString insert = QStringLiteral(
                "INSERT INTO sabit_kiymet (id, sbk_adi, fatura_tarihi, fatura_mal_bedeli, fatura_miktari, "
                "genis_aciklama, resim, Duzeltme_Katsayisi) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
            db.execute(insert,
                       {3, QStringLiteral("Torna Tezgâhı «İĞÜŞÖÇ» 'x'"), QDate(2020, 3, 15), 100000.1 / 3,
                        -32768, QStringLiteral("satır 1\nsatır 2"), QByteArray("\x00\x01\xff", 3), 2.45884});
            db.execute(insert,
                       {7, QString(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), 1e-300});
            db.execute(insert, {40, QStringLiteral(""), QDate(1999, 12, 31), 0.0, 32767, QStringLiteral("ü"),
                                QByteArray(), -0.5});
        });
    }

    std::unique_ptr<PgConnection> server;
    QTemporaryDir folder;
    QString source;
};

TEST_F(CompanyTransferTest, ACompanyGoesToTheServerAndBackWithEveryValueAndId) {
    Database file(source, kDatabasePassword);
    copyCompanyToServer(file, *server, QStringLiteral("ABC"));
    const QString schema = server->quoteIdentifier(companySchema(QStringLiteral("ABC")));
    EXPECT_EQ(
        server->scalar(
            QStringLiteral("SELECT string_agg(id::text, ',' ORDER BY id) FROM %1.sabit_kiymet").arg(schema)),
        QVariant(QStringLiteral("3,7,40")));
    {
        // The program opens the copied company as one its engine made on the server.
        Database moved(std::make_unique<PgSchemaConnection>(*server, companySchema(QStringLiteral("ABC"))));
        EXPECT_EQ(allRows(moved), allRows(file));
    }
    // The next item continues after the copied ones, as it would in the file.
    EXPECT_EQ(
        server->scalar(
            QStringLiteral("INSERT INTO %1.sabit_kiymet (sbk_adi) VALUES ('yeni') RETURNING id").arg(schema)),
        QVariant(qint64(41)));
    server->exec(QStringLiteral("DELETE FROM %1.sabit_kiymet WHERE id = 41").arg(schema));

    const QString back = folder.filePath(QStringLiteral("geri.mdb"));
    copyCompanyToFile(*server, QStringLiteral("ABC"), back);
    Database copy(back, kDatabasePassword);
    const QVariantList original = allRows(file);
    const QVariantList returned = allRows(copy);
    ASSERT_EQ(returned.size(), 3);
    for (int row = 0; row < original.size(); ++row) {
        const QVariantList a = original[row].toList();
        const QVariantList b = returned[row].toList();
        ASSERT_EQ(a.size(), b.size());
        for (int c = 0; c < a.size(); ++c)
            EXPECT_EQ(a[c], b[c]) << "row " << row << " column " << kItemColumns[c].name;
    }
    EXPECT_FALSE(QFile::exists(back + QStringLiteral(".yeni")));
    EXPECT_THROW(copyCompanyToFile(*server, QStringLiteral("ABC"), back), DatabaseError);
    EXPECT_THROW(
        copyCompanyToFile(*server, QStringLiteral("YOK"), folder.filePath(QStringLiteral("yok.mdb"))),
        DatabaseError);
}

// The later periods' tables go with the company, ids unchanged, and the copy is at the
// layout's version once; a file of an earlier release arrives with empty periods.
TEST_F(CompanyTransferTest, ThePeriodsGoWithTheCompanyEachWay) {
    {
        Database old(source, kDatabasePassword);
        copyCompanyToServer(old, *server, QStringLiteral("ESKI"));
    }
    const QString schema = server->quoteIdentifier(companySchema(QStringLiteral("ESKI")));
    EXPECT_EQ(
        server->scalar(QStringLiteral("SELECT string_agg(surum::text, ',') FROM %1.sema_surumu").arg(schema)),
        QVariant(QString::number(kCompanySchemaVersion)));
    EXPECT_EQ(server->scalar(QStringLiteral("SELECT count(*) FROM %1.donem").arg(schema)),
              QVariant(qint64(0)));

    Database file(source, kDatabasePassword);
    upgradeCompanySchema(file);
    file.execute(QStringLiteral("INSERT INTO donem (id, bitis_tarihi, durum) VALUES (?, ?, ?)"),
                 {5, QDate(2024, 12, 31), QStringLiteral("Kapandı")});
    file.execute(
        QStringLiteral("INSERT INTO donem_kalem (id, donem_id, sabit_kiymet_id, fark) VALUES (?, ?, ?, ?)"),
        {9, 5, 3, 1234.5});
    file.execute(
        QStringLiteral("INSERT INTO donem_kayit (id, donem_id, borc_hesap, tutar) VALUES (?, ?, ?, ?)"),
        {11, 5, QStringLiteral("253"), 1234.5});
    copyCompanyToServer(file, *server, QStringLiteral("ABC"));
    {
        Database moved(std::make_unique<PgSchemaConnection>(*server, companySchema(QStringLiteral("ABC"))));
        EXPECT_EQ(companySchemaVersion(moved), kCompanySchemaVersion);
        EXPECT_EQ(moved.scalar(QStringLiteral("SELECT count(*) FROM sema_surumu")).toLongLong(), 1);
        EXPECT_EQ(moved.scalar(QStringLiteral("SELECT fark FROM donem_kalem WHERE id = 9 AND donem_id = 5")),
                  QVariant(1234.5));
        moved.execute(QStringLiteral("INSERT INTO donem (bitis_tarihi) VALUES (?)"), {QDate(2025, 12, 31)});
        EXPECT_EQ(moved.lastInsertId(), 6);
        moved.execute(QStringLiteral("DELETE FROM donem WHERE id = 6"));
    }
    const QString back = folder.filePath(QStringLiteral("geri.mdb"));
    copyCompanyToFile(*server, QStringLiteral("ABC"), back);
    Database copy(back, kDatabasePassword);
    EXPECT_EQ(companySchemaVersion(copy), kCompanySchemaVersion);
    EXPECT_EQ(copy.scalar(QStringLiteral("SELECT count(*) FROM sema_surumu")).toLongLong(), 1);
    EXPECT_EQ(copy.scalar(QStringLiteral("SELECT durum FROM donem WHERE id = 5")),
              QVariant(QStringLiteral("Kapandı")));
    EXPECT_EQ(copy.scalar(QStringLiteral("SELECT tutar FROM donem_kayit WHERE id = 11")), QVariant(1234.5));
    EXPECT_EQ(allRows(copy), allRows(file));
}

TEST_F(CompanyTransferTest, ACopyThatFailsLeavesNothingOnTheServer) {
    {
        Database file(source, kDatabasePassword);
        // A table the server's companies do not have: the copy fails after the items went in.
        file.exec(QStringLiteral("CREATE TABLE yabanci (a INTEGER); INSERT INTO yabanci VALUES (1)"));
        EXPECT_THROW(copyCompanyToServer(file, *server, QStringLiteral("ABC")), DatabaseError);
    }
    EXPECT_FALSE(
        server->scalar(QStringLiteral("SELECT to_regnamespace($1)"), {companySchema(QStringLiteral("ABC"))})
            .isValid());
    EXPECT_EQ(server->scalar(QStringLiteral("SELECT count(*) FROM genel.sunucu_firmalari")),
              QVariant(qint64(0)));
    // And the code is free for the next attempt.
    Database clean(source, kDatabasePassword);
    clean.exec(QStringLiteral("DROP TABLE yabanci"));
    EXPECT_NO_THROW(copyCompanyToServer(clean, *server, QStringLiteral("ABC")));
    EXPECT_THROW(copyCompanyToServer(clean, *server, QStringLiteral("abc")), DatabaseError);
}

} // namespace
} // namespace velkor::test
