#include "storage/SchemaCheck.h"
#include "storage/ConnectionStrings.h"
#include "storage/Schema.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace velkor::test {
namespace {

class SchemaCheckTest : public ::testing::Test {
protected:
    /// A database with the program's key holding what `sql` creates.
    QString databaseWith(const QString& sql) {
        const QString path = dir.filePath(QStringLiteral("d%1.mdb").arg(++count));
        Database::create(path, kDatabasePassword);
        Database db(path, kDatabasePassword);
        db.exec(sql);
        return path;
    }
    QTemporaryDir dir;
    int count = 0;
};

TEST_F(SchemaCheckTest, TheExpectedTablesAreThoseTheProgramCreates) {
    const auto& company = expectedSchema(SchemaKind::Company);
    ASSERT_EQ(company.keys(), QStringList{QStringLiteral("sabit_kiymet")});
    EXPECT_EQ(company.value(QStringLiteral("sabit_kiymet")).size(), int(kItemColumns.size()));
    EXPECT_TRUE(company.value(QStringLiteral("sabit_kiymet")).contains(QStringLiteral("anahesapkodu")));
    const auto& general = expectedSchema(SchemaKind::General);
    EXPECT_EQ(general.keys(),
              (QStringList{QStringLiteral("firmalar"), QStringLiteral("mast"), QStringLiteral("sifreli")}));
    EXPECT_TRUE(general.value(QStringLiteral("firmalar")).contains(QStringLiteral("kodu")));
}

TEST_F(SchemaCheckTest, AMissingTableOrColumnIsNamedAndExtrasAreAllowed) {
    const QString created = dir.filePath(QStringLiteral("created.mdb"));
    Database::create(created, kDatabasePassword);
    {
        Database db(created, kDatabasePassword);
        createCompanySchema(db);
        db.exec(QStringLiteral("CREATE TABLE notlar (metin TEXT); ALTER TABLE sabit_kiymet ADD ek TEXT"));
        EXPECT_EQ(schemaProblem(db, SchemaKind::Company), QString());
        EXPECT_EQ(schemaProblem(db, SchemaKind::General),
                  QStringLiteral("created.mdb bu programın veritabanı değil (firmalar tablosu yok)."));
    }
    Database thin(
        databaseWith(QStringLiteral("CREATE TABLE sabit_kiymet (id INTEGER PRIMARY KEY, sbk_kodu TEXT)")),
        kDatabasePassword);
    EXPECT_EQ(
        schemaProblem(thin, SchemaKind::Company),
        QStringLiteral("d1.mdb bu programın veritabanı değil (sabit_kiymet tablosunda sbk_grup_kodu alanı "
                       "yok)."));
    // Column names are compared as the engine does, without regard to case.
    Database upper(databaseWith(QStringLiteral("CREATE TABLE FIRMALAR (FID INTEGER)")), kDatabasePassword);
    EXPECT_EQ(schemaProblem(upper, SchemaKind::General),
              QStringLiteral("d2.mdb bu programın veritabanı değil (firmalar tablosunda kodu alanı yok)."));
}

} // namespace
} // namespace velkor::test
