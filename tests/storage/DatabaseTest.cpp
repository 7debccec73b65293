#include "storage/Database.h"
#include "storage/Connection.h"
#include "storage/ConnectionString.h"
#include "storage/Installation.h"
#include "storage/Query.h"
#include "storage/Schema.h"
#include "storage/Statement.h"
#include "storage/Table.h"
#include "storage/Transaction.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkor;

namespace {

const QString kPassword = QStringLiteral("p4Rk9mWq2TzL7vB");

class DatabaseTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }
    QString companyFile() {
        const QString file = path(QStringLiteral("firma.mdb"));
        createDatabaseFile(file, createCompanySchema);
        return file;
    }
    Connection& open(const QString& file) {
        connection.setConnectionString(QStringLiteral("Data Source=") + file +
                                       QStringLiteral(";Jet OLEDB:Database Password=") + kPassword + ";");
        connection.open();
        return connection;
    }
    QTemporaryDir dir;
    Connection connection{QStringLiteral("test")};
};

TEST_F(DatabaseTest, OpeningNeedsTheFileAndItsPassword) {
    const QString missing = path(QStringLiteral("yok.mdb"));
    EXPECT_THROW(Database(missing, kPassword), DatabaseError);
    EXPECT_FALSE(QFile::exists(missing));

    const QString file = companyFile();
    EXPECT_THROW(Database(file, QStringLiteral("yanlis")), DatabaseError);
    EXPECT_THROW(Database(file, QString()), DatabaseError);
    Database db(file, kPassword);
    EXPECT_TRUE(db.hasTable(QStringLiteral("sabit_kiymet")));

    // The file holds no readable schema text.
    QFile raw(file);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    EXPECT_FALSE(bytes.contains("SQLite format"));
    EXPECT_FALSE(bytes.contains("sabit_kiymet"));
}

TEST_F(DatabaseTest, ItemTableHasAllColumnsInOrder) {
    Table table(open(companyFile()), QStringLiteral("sabit_kiymet"));
    table.open();
    ASSERT_EQ(table.columnNames().size(), 108);
    EXPECT_EQ(table.columnNames().first(), QStringLiteral("id"));
    EXPECT_EQ(table.columnNames().at(50), QStringLiteral("anahesapkodu"));
    EXPECT_EQ(table.columnNames().last(), QStringLiteral("ROFM_Ayrilmamis_Amort"));
    EXPECT_EQ(table.columnNames(), itemColumnNames());
}

TEST_F(DatabaseTest, TableCursorEditsAppendsAndDeletes) {
    Table table(open(companyFile()), QStringLiteral("sabit_kiymet"));
    table.open();
    EXPECT_TRUE(table.isEmpty());
    EXPECT_TRUE(table.eof());
    for (const char* code : {"A", "B", "C"}) {
        table.append();
        table.setValue(QStringLiteral("sbk_kodu"), QString::fromLatin1(code));
        table.setValue(QStringLiteral("VUK_Son_Degeri"), 10.5);
        table.setValue(QStringLiteral("fatura_tarihi"), QDate(2023, 12, 31));
        table.post();
    }
    EXPECT_EQ(table.recordCount(), 3);
    EXPECT_EQ(table.recNo(), 3);
    EXPECT_EQ(table.value(QStringLiteral("id")).toInt(), 3);

    table.first();
    table.next();
    table.next();
    EXPECT_FALSE(table.eof());
    table.next();
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.text(QStringLiteral("sbk_kodu")), QStringLiteral("C"));

    ASSERT_TRUE(table.locate(QStringLiteral("sbk_kodu"), QStringLiteral("B")));
    table.edit();
    table.setValue(QStringLiteral("sbk_adi"), QStringLiteral("Bina"));
    table.cancel();
    EXPECT_TRUE(table.isNull(QStringLiteral("sbk_adi")));
    table.edit();
    table.setValue(QStringLiteral("sbk_adi"), QStringLiteral("Bina"));
    table.post();
    table.remove();
    EXPECT_EQ(table.text(QStringLiteral("sbk_kodu")), QStringLiteral("C"));

    table.close();
    table.open();
    EXPECT_EQ(table.recordCount(), 2);
    EXPECT_FALSE(table.locate(QStringLiteral("sbk_kodu"), QStringLiteral("B")));
    ASSERT_TRUE(table.locate(QStringLiteral("id"), 3));
    EXPECT_EQ(table.date(QStringLiteral("fatura_tarihi")), QDate(2023, 12, 31));
    EXPECT_EQ(table.text(QStringLiteral("fatura_tarihi")), QStringLiteral("31.12.2023"));
    EXPECT_DOUBLE_EQ(table.number(QStringLiteral("VUK_Son_Degeri")), 10.5);
    // Null numbers read as 0 but stay distinguishable from 0.
    EXPECT_TRUE(table.isNull(QStringLiteral("Enflasyon_Farki")));
    EXPECT_EQ(table.number(QStringLiteral("Enflasyon_Farki")), 0.0);
    EXPECT_EQ(table.text(QStringLiteral("sbk_adi")), QString());
}

// Appends with the same columns share one prepared insert; other columns, names in
// another case and a file closed and opened again under the table must still write.
TEST_F(DatabaseTest, AppendsWriteWhateverColumnsTheyCarry) {
    const QString file = companyFile();
    Table table(open(file), QStringLiteral("sabit_kiymet"));
    table.open();
    const auto append = [&](const QString& code, const std::vector<std::pair<QString, QVariant>>& values) {
        table.append();
        table.setValue(QStringLiteral("sbk_kodu"), code);
        for (const auto& [column, value] : values)
            table.setValue(column, value);
        table.post();
    };
    append(QStringLiteral("A"), {{QStringLiteral("VUK_Son_Degeri"), 1.5}});
    append(QStringLiteral("B"), {{QStringLiteral("VUK_Son_Degeri"), 2.5}});
    append(QStringLiteral("C"), {{QStringLiteral("vuk_son_degeri"), 3.5}, {QStringLiteral("SBK_ADI"), "Üç"}});
    append(QStringLiteral("D"), {{QStringLiteral("fatura_tarihi"), QDate(2023, 2, 1)}});

    connection.close();
    connection.open();
    table.open();
    append(QStringLiteral("E"), {{QStringLiteral("VUK_Son_Degeri"), 5.5}});

    Database& db = connection.database();
    EXPECT_EQ(
        db.scalar(QStringLiteral("SELECT group_concat(sbk_kodu || ':' || ifnull(VUK_Son_Degeri, '-') || ':' "
                                 "|| ifnull(sbk_adi, '-') || ':' || ifnull(fatura_tarihi, '-'), ' ') "
                                 "FROM sabit_kiymet")),
        QStringLiteral("A:1.5:-:- B:2.5:-:- C:3.5:Üç:- D:-:-:2023-02-01 E:5.5:-:-"));
    EXPECT_EQ(table.recordCount(), 5);
    EXPECT_EQ(table.value(QStringLiteral("id")).toInt(), 5);
}

TEST_F(DatabaseTest, ValuesThatDoNotFitTheirColumnAreRefusedBeforeWriting) {
    Table table(open(companyFile()), QStringLiteral("sabit_kiymet"));
    table.open();
    table.append();
    EXPECT_THROW(table.setValue(QStringLiteral("sbk_barkod"), QString(21, QLatin1Char('x'))), DatabaseError);
    table.setValue(QStringLiteral("sbk_barkod"), QString(20, QChar(u'ş')));
    EXPECT_THROW(table.setValue(QStringLiteral("vuk_amortisman_sure"), 40000), DatabaseError);
    EXPECT_THROW(table.setValue(QStringLiteral("vuk_amortisman_sure"), 2.5), DatabaseError);
    EXPECT_THROW(table.setValue(QStringLiteral("VUK_Son_Degeri"), QStringLiteral("abc")), DatabaseError);
    EXPECT_THROW(table.setValue(QStringLiteral("yok_boyle"), 1), DatabaseError);
    table.setValue(QStringLiteral("vuk_amortisman_sure"), -32768);
    table.post();
    EXPECT_EQ(connection.database().scalar(QStringLiteral("SELECT count(*) FROM sabit_kiymet")).toInt(), 1);
}

TEST_F(DatabaseTest, KeylessTableCanBeEditedAndTransactionsRollBack) {
    const QString file = path(QStringLiteral("genel.mdb"));
    createDatabaseFile(file, createGeneralSchema);
    Table mast(open(file), QStringLiteral("mast"));
    mast.open();
    mast.append();
    mast.setValue(QStringLiteral("mids"), QStringLiteral("mirtan"));
    mast.post();
    mast.edit();
    EXPECT_THROW(mast.setValue(QStringLiteral("mids"), QString(17, QLatin1Char('a'))), DatabaseError);
    mast.setValue(QStringLiteral("mids"), QStringLiteral("yeni"));
    mast.post();
    EXPECT_EQ(connection.database().scalar(QStringLiteral("SELECT mids FROM mast")).toString(),
              QStringLiteral("yeni"));

    {
        Transaction transaction(connection.database());
        connection.database().exec(QStringLiteral("DELETE FROM mast"));
    }
    EXPECT_EQ(connection.database().scalar(QStringLiteral("SELECT count(*) FROM mast")).toInt(), 1);
}

// The typed reads give what value() and its conversions give, cell by cell: the readers of
// many rows use them in place of value().
TEST_F(DatabaseTest, TypedReadsAgreeWithTheValues) {
    const QString file = path(QStringLiteral("turler.mdb"));
    createDatabaseFile(file, [](Database& db) {
        db.exec(QStringLiteral("CREATE TABLE t (n DOUBLE, i SMALLINT, s TEXT(20), d DATE)"));
    });
    Database& db = open(file).database();
    const QVariantList rows[] = {
        {QVariant(), QVariant(), QVariant(), QVariant()},
        {12, 3, QStringLiteral("Dönem"), QDate(2024, 6, 30)},
        {-0.125, 0, QString(), QStringLiteral("2023-12-31T00:00:00")},
        {1e15 + 0.5, 1, QStringLiteral("12,5"), QStringLiteral("2024-02-30")},
        {7.0, 2, QStringLiteral("x"), QStringLiteral("31.12.2023")},
        {0.0, 4, QStringLiteral("y"), 20240630},
    };
    for (const QVariantList& row : rows)
        db.execute(QStringLiteral("INSERT INTO t VALUES (?, ?, ?, ?)"), row);
    Statement read(db, QStringLiteral("SELECT n, i, s, d FROM t ORDER BY rowid"));
    int count = 0;
    while (read.step()) {
        SCOPED_TRACE(count);
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(read.isNull(c), read.value(c).isNull());
        EXPECT_EQ(read.number(0), read.value(0).toDouble());
        EXPECT_EQ(read.integer(1), read.value(1).toLongLong());
        EXPECT_EQ(read.text(2), read.value(2).toString());
        EXPECT_EQ(read.date(3), read.value(3).toDate());
        ++count;
    }
    EXPECT_EQ(count, 6);
    read.reset();
    ASSERT_TRUE(read.step() && read.step());
    EXPECT_EQ(read.date(3), QDate(2024, 6, 30));
    ASSERT_TRUE(read.step());
    EXPECT_EQ(read.date(3), QDate(2023, 12, 31));
}

TEST_F(DatabaseTest, ClosingTheConnectionClosesItsDatasets) {
    Connection& c = open(companyFile());
    Query query(c);
    query.setSql({QStringLiteral("SELECT * FROM sabit_kiymet"), QStringLiteral("WHERE anahesapkodu = ?")});
    query.setParams({QStringLiteral("250' OR '1'='1")});
    query.open();
    EXPECT_TRUE(query.isEmpty());
    c.close();
    EXPECT_FALSE(query.isOpen());
    EXPECT_THROW(c.database(), DatabaseError);
}

TEST_F(DatabaseTest, CompactionWritesAnEquivalentEncryptedFile) {
    Connection& c = open(companyFile());
    Table table(c, QStringLiteral("sabit_kiymet"));
    table.open();
    table.append();
    table.setValue(QStringLiteral("sbk_adi"), QStringLiteral("Makine"));
    table.post();
    const QString target = path(QStringLiteral("sikistirilmis.mdb"));
    c.database().compactInto(target, kPassword);
    EXPECT_THROW(Database(target, QStringLiteral("yanlis")), DatabaseError);
    Database compacted(target, kPassword);
    EXPECT_EQ(compacted.scalar(QStringLiteral("SELECT sbk_adi FROM sabit_kiymet")).toString(),
              QStringLiteral("Makine"));
    EXPECT_THROW(c.database().compactInto(target, kPassword), DatabaseError);
}

TEST(ConnectionStringTest, TakesDataSourceAndPasswordAndResolvesAgainstTheCurrentFolder) {
    QTemporaryDir dir;
    const QString saved = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const ConnectionString cs(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data "
                                             "Source=AnaData\\SBK.mdb;Mode=Share Deny None;Jet OLEDB:System "
                                             "database=\"\";Jet OLEDB:Database Password=p4Rk9mWq2TzL7vB;Jet "
                                             "OLEDB:SFP=False;"));
    EXPECT_EQ(cs.password(), kPassword);
    EXPECT_EQ(cs.resolvedDataSource(), QDir(dir.path()).absoluteFilePath(QStringLiteral("AnaData/SBK.mdb")));
    EXPECT_EQ(cs.value(QStringLiteral("jet oledb:system database")), QString());
    QDir::setCurrent(saved);
}

} // namespace
