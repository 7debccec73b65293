#include "storage/PgDialect.h"

#include <gtest/gtest.h>

using namespace velkor;

namespace {

const PgTable kItems{
    QStringLiteral("sabit_kiymet"),
    QStringLiteral("id"),
    false,
    {QStringLiteral("id"), QStringLiteral("anahesapkodu"), QStringLiteral("Duzeltilmis_Tutar")}};
const PgTable kMarks{QStringLiteral("mast"), QStringLiteral("velkor_satir"), true, {QStringLiteral("mids")}};

const PgTable* lookup(const QString& name) {
    if (PgDialect::folded(name) == QLatin1String("sabit_kiymet"))
        return &kItems;
    if (PgDialect::folded(name) == QLatin1String("mast"))
        return &kMarks;
    return nullptr;
}

QString translated(const char* sql) {
    return PgDialect::translate(QString::fromUtf8(sql), lookup).sql;
}

} // namespace

// Parameters are numbered in order; question marks inside texts and quoted names are text.
TEST(PgDialectTest, NumbersParametersAndLeavesTextsAlone) {
    const PgStatementText text = PgDialect::translate(
        QStringLiteral("UPDATE sabit_kiymet SET sbk_adi=?, aciklama='ne?' WHERE id=? AND \"Ad?\"=?"), lookup);
    EXPECT_EQ(text.sql, "UPDATE sabit_kiymet SET sbk_adi=$1, aciklama='ne?' WHERE id=$2 AND \"ad?\"=$3");
    EXPECT_EQ(text.parameters, 3);
}

// Quoted names fold as the server folds bare ones; ASCII only, as the server does.
TEST(PgDialectTest, FoldsQuotedNamesToTheStoredCase) {
    EXPECT_EQ(translated("SELECT \"Duzeltilmis_Tutar\" FROM \"sabit_kiymet\" WHERE \"İl\"=1"),
              "SELECT \"duzeltilmis_tutar\" FROM \"sabit_kiymet\" WHERE \"İl\"=1");
}

// SQLite's IS compares null-safe; IS NULL and IS NOT NULL stay as they are.
TEST(PgDialectTest, IsComparesNullSafe) {
    EXPECT_EQ(
        translated("SELECT id FROM sabit_kiymet WHERE a IS ? AND b IS NOT c AND d IS NULL AND e IS NOT NULL"),
        "SELECT id FROM sabit_kiymet WHERE a IS NOT DISTINCT FROM $1 AND b IS DISTINCT FROM c AND d IS NULL "
        "AND e IS NOT NULL");
}

// Sorting: nulls first as SQLite sorts them, ties in key order as SQLite's index gives them,
// never a second key term and never one in a grouped query.
TEST(PgDialectTest, SortsAsTheFileEngine) {
    EXPECT_EQ(
        translated("SELECT * FROM sabit_kiymet WHERE anahesapkodu=? ORDER BY anahesapkodu, sbk_kodu"),
        "SELECT * FROM sabit_kiymet WHERE anahesapkodu=$1 ORDER BY anahesapkodu NULLS FIRST, sbk_kodu NULLS "
        "FIRST, \"id\"");
    EXPECT_EQ(translated("SELECT id FROM sabit_kiymet ORDER BY Yil DESC, id LIMIT 1"),
              "SELECT id FROM sabit_kiymet ORDER BY Yil DESC NULLS LAST, id LIMIT 1");
    // The key, never null, sorts as its index holds it.
    EXPECT_EQ(translated("SELECT id FROM sabit_kiymet ORDER BY \"ID\" DESC, id + 1"),
              "SELECT id FROM sabit_kiymet ORDER BY \"id\" DESC, id + 1 NULLS FIRST");
    EXPECT_EQ(
        translated("SELECT anahesapkodu, SUM(x) AS T FROM sabit_kiymet GROUP BY anahesapkodu ORDER BY "
                   "anahesapkodu"),
        "SELECT anahesapkodu, SUM(x) AS T FROM sabit_kiymet GROUP BY anahesapkodu ORDER BY anahesapkodu "
        "NULLS FIRST");
    EXPECT_EQ(translated("SELECT id FROM sabit_kiymet NOT INDEXED ORDER BY id"),
              "SELECT id FROM sabit_kiymet  ORDER BY id");
}

// An insert returns its key; "*" leaves the engine's hidden row column out.
TEST(PgDialectTest, InsertsReturnTheirKeyAndStarsKeepTheDeclaredColumns) {
    const PgStatementText insert =
        PgDialect::translate(QStringLiteral("INSERT INTO sabit_kiymet (anahesapkodu) VALUES (?)"), lookup);
    EXPECT_EQ(insert.sql, "INSERT INTO sabit_kiymet (anahesapkodu) VALUES ($1) RETURNING \"id\"");
    EXPECT_EQ(insert.returnedKey, "id");
    EXPECT_EQ(translated("SELECT * FROM mast"), "SELECT \"mids\" FROM mast");
    EXPECT_EQ(translated("SELECT *, NULL AS X FROM sabit_kiymet"), "SELECT *, NULL AS X FROM sabit_kiymet");
}

TEST(PgDialectTest, ReadsTableDefinitions) {
    const auto table =
        PgDialect::createTable(QStringLiteral("CREATE TABLE IF NOT EXISTS \"Veri\" (\n  Kimlik INTEGER "
                                              "PRIMARY KEY AUTOINCREMENT,\n  \"Ad\" TEXT(30),\n"
                                              "  Tutar DOUBLE, Tarih DATE)"));
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(table->name, "Veri");
    EXPECT_TRUE(table->ifNotExists);
    ASSERT_EQ(table->columns.size(), 4u);
    EXPECT_EQ(table->columns[0].name, "Kimlik");
    EXPECT_EQ(table->columns[0].type, "INTEGER");
    EXPECT_TRUE(table->columns[0].autoKey);
    EXPECT_EQ(table->columns[1].type, "TEXT(30)");
    EXPECT_FALSE(table->columns[1].autoKey);
    EXPECT_EQ(PgDialect::columnType(QStringLiteral("TEXT(30)")), "text COLLATE \"C\"");
    EXPECT_EQ(PgDialect::columnType(QStringLiteral("DOUBLE")), "double precision");
    EXPECT_EQ(PgDialect::columnType(QStringLiteral("SMALLINT")), "bigint");
    EXPECT_EQ(PgDialect::columnType(QStringLiteral("DATE")), "date");
    EXPECT_FALSE(PgDialect::createTable(QStringLiteral("CREATE INDEX i ON t (a)")).has_value());
}

TEST(PgDialectTest, ReadsAddedColumns) {
    const auto added =
        PgDialect::addColumn(QStringLiteral("ALTER TABLE \"Firmalar\" ADD COLUMN brut DOUBLE"));
    ASSERT_TRUE(added.has_value());
    EXPECT_EQ(added->table, "Firmalar");
    EXPECT_EQ(added->column.name, "brut");
    EXPECT_EQ(added->column.type, "DOUBLE");
    const auto bare = PgDialect::addColumn(QStringLiteral("alter table t add \"Ad\" TEXT(20) NOT NULL"));
    ASSERT_TRUE(bare.has_value());
    EXPECT_EQ(bare->column.name, "Ad");
    EXPECT_EQ(bare->column.type, "TEXT(20)");
    EXPECT_FALSE(PgDialect::addColumn(QStringLiteral("ALTER TABLE t RENAME TO u")).has_value());
    EXPECT_FALSE(PgDialect::addColumn(QStringLiteral("ALTER TABLE t ADD COLUMN")).has_value());
}

// An index holds its entries in the order translate() sorts by: nulls first, ties by the key
// (never in a unique index, whose entries the key would make all different).
TEST(PgDialectTest, IndexesOrderAsTheSortsDo) {
    const auto index = PgDialect::createIndex(
        QStringLiteral("CREATE INDEX sabit_kiymet_hesap ON sabit_kiymet (anahesapkodu, \"Sbk_Kodu\" DESC)"));
    ASSERT_TRUE(index.has_value());
    EXPECT_EQ(index->table, "sabit_kiymet");
    EXPECT_EQ(PgDialect::indexStatement(*index, &kItems),
              "CREATE INDEX \"sabit_kiymet_hesap\" ON \"sabit_kiymet\" (\"anahesapkodu\" NULLS FIRST, "
              "\"sbk_kodu\" DESC NULLS LAST, \"id\" NULLS LAST)");
    const auto unique =
        PgDialect::createIndex(QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS m ON mast (mids ASC)"));
    ASSERT_TRUE(unique.has_value());
    EXPECT_EQ(PgDialect::indexStatement(*unique, &kMarks),
              "CREATE UNIQUE INDEX IF NOT EXISTS \"m\" ON \"mast\" (\"mids\" NULLS FIRST)");
    const auto keyed =
        PgDialect::createIndex(QStringLiteral("CREATE INDEX k ON sabit_kiymet (id, anahesapkodu)"));
    ASSERT_TRUE(keyed.has_value());
    EXPECT_EQ(PgDialect::indexTerms(*keyed, &kItems),
              (QStringList{"\"id\" NULLS LAST", "\"anahesapkodu\" NULLS FIRST"}));
    // Expressions and partial indexes are the server's to read as they stand.
    EXPECT_FALSE(PgDialect::createIndex(QStringLiteral("CREATE INDEX i ON t (lower(a))")).has_value());
    EXPECT_FALSE(PgDialect::createIndex(QStringLiteral("CREATE INDEX i ON t (a) WHERE a > 0")).has_value());
    EXPECT_FALSE(PgDialect::createIndex(QStringLiteral("CREATE TABLE t (a INTEGER)")).has_value());
}

TEST(PgDialectTest, SplitsStatementsOutsideQuotes) {
    EXPECT_EQ(PgDialect::split(QStringLiteral("DELETE FROM a; INSERT INTO b VALUES ('x;y');")),
              (QStringList{QStringLiteral("DELETE FROM a"), QStringLiteral("INSERT INTO b VALUES ('x;y')")}));
}
