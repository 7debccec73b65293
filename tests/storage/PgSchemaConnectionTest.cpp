#include "support/PostgresServer.h"

#include "storage/Connection.h"
#include "storage/ConnectionStrings.h"
#include "storage/Database.h"
#include "storage/PgSchemaConnection.h"
#include "storage/Query.h"
#include "storage/Schema.h"
#include "storage/SchemaCheck.h"
#include "storage/Statement.h"
#include "storage/Table.h"
#include "storage/Transaction.h"

#include <QDate>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

// One office database for the executable; every test works in a schema of its own.
class PgSchemaConnectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        server = PostgresServer::shared();
        if (!server)
            GTEST_SKIP() << PostgresServer::skipReason().toStdString();
        static const QString office = server->createDatabase(QStringLiteral("motor"));
        conninfo = server->conninfo(office);
        static int count = 0;
        schema = QStringLiteral("firma_%1").arg(++count);
        PgSchemaConnection::create(conninfo, schema);
    }

    std::unique_ptr<Database> open() {
        return std::make_unique<Database>(std::make_unique<PgSchemaConnection>(conninfo, schema));
    }

    QString connectionString() const { return serverConnectionString(conninfo, schema); }

    PostgresServer* server = nullptr;
    QString conninfo;
    QString schema;
};

std::unique_ptr<Database> fileCompany(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("SK.mdb"));
    Database::create(path, kDatabasePassword);
    auto db = std::make_unique<Database>(path, kDatabasePassword);
    createCompanySchema(*db);
    return db;
}

} // namespace

// The company tables come back with the names and types the program declared, as a file's do.
TEST_F(PgSchemaConnectionTest, TablesReadBackAsDeclaredOnAFile) {
    QTemporaryDir dir;
    auto file = fileCompany(dir);
    auto server = open();
    createCompanySchema(*server);
    EXPECT_EQ(server->tableNames(), file->tableNames());
    const auto onServer = server->tableColumns(QStringLiteral("sabit_kiymet"));
    const auto onFile = file->tableColumns(QStringLiteral("SABIT_KIYMET"));
    ASSERT_EQ(onServer.size(), onFile.size());
    for (size_t i = 0; i < onFile.size(); ++i) {
        EXPECT_EQ(onServer[i].name, onFile[i].name);
        EXPECT_EQ(onServer[i].type, onFile[i].type);
        EXPECT_EQ(onServer[i].key, onFile[i].key);
    }
    EXPECT_TRUE(schemaProblem(*server, SchemaKind::Company).isEmpty());
}

// Rows written through the table layer read back alike from both engines: column names
// as declared, doubles to the last bit, dates as dates, nulls as nulls, keys in order.
TEST_F(PgSchemaConnectionTest, RowsReadBackAlikeFromBothEngines) {
    QTemporaryDir dir;
    auto file = fileCompany(dir);
    {
        auto db = open();
        createCompanySchema(*db);
    }
    Connection server(QStringLiteral("sunucu"));
    server.setConnectionString(connectionString());
    server.open();
    Connection onFile(QStringLiteral("dosya"));
    file.reset();
    onFile.setConnectionString(QStringLiteral("Data Source=") + dir.filePath(QStringLiteral("SK.mdb")) +
                               QStringLiteral(";Jet OLEDB:Database Password=") + kDatabasePassword);
    onFile.open();
    for (Connection* connection : {&server, &onFile}) {
        Table table(*connection, QStringLiteral("sabit_kiymet"));
        table.open();
        for (int i = 0; i < 3; ++i) {
            table.append();
            table.setValue(QStringLiteral("anahesapkodu"), QStringLiteral("253"));
            table.setValue(QStringLiteral("sbk_kodu"), i == 1 ? QStringLiteral("01") : QStringLiteral("02"));
            table.setValue(QStringLiteral("sbk_adi"), QStringLiteral("ŞİŞLİ ığüöç %1").arg(i));
            table.setValue(QStringLiteral("Duzeltilmis_Tutar"), 0.1 + 0.2 + i);
            table.setValue(QStringLiteral("fatura_tarihi"), QDate(2021, 3, 15 + i));
            table.post();
        }
        EXPECT_EQ(table.value(QStringLiteral("id")).toLongLong(), 3);
        EXPECT_EQ(connection->database().lastInsertId(), 3);
        table.first();
        table.edit();
        table.setValue(QStringLiteral("VUK_Son_Degeri"), 1234.5);
        table.post();
        table.moveTo(2);
        table.remove();
    }
    auto read = [](Connection& connection) {
        Query query(connection);
        query.setSql({QStringLiteral("SELECT *, NULL AS Itfa_Tarihi FROM sabit_kiymet"),
                      QStringLiteral("WHERE anahesapkodu=?"),
                      QStringLiteral("ORDER BY anahesapkodu, sbk_kodu")});
        query.setParams({QStringLiteral("253")});
        query.open();
        QStringList lines{query.columnNames().join(QLatin1Char(','))};
        for (int r = 0; r < query.recordCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < query.columnNames().size(); ++c) {
                const QVariant& v = query.cell(r, c);
                cells << QStringLiteral("%1:%2").arg(QString::fromLatin1(v.typeName()), v.toString());
            }
            lines << cells.join(QLatin1Char(','));
        }
        return lines;
    };
    EXPECT_EQ(read(server), read(onFile));
    EXPECT_EQ(server.database()
                  .scalar(QStringLiteral("SELECT Duzeltilmis_Tutar FROM sabit_kiymet WHERE id=?"), {3})
                  .toDouble(),
              0.1 + 0.2 + 2);
}

// A row written with its key moves the counter past it, as on a file: the next new row
// does not take a key again.
TEST_F(PgSchemaConnectionTest, RowsWrittenWithTheirKeyMoveTheCounter) {
    auto db = open();
    createCompanySchema(*db);
    db->execute(QStringLiteral("INSERT INTO sabit_kiymet (id, sbk_adi) VALUES (?, ?)"),
                {41, QStringLiteral("A")});
    db->execute(QStringLiteral("INSERT INTO sabit_kiymet (sbk_adi) VALUES (?)"), {QStringLiteral("B")});
    EXPECT_EQ(db->lastInsertId(), 42);
    EXPECT_EQ(db->execute(QStringLiteral("UPDATE sabit_kiymet SET sbk_kodu=? WHERE sbk_kodu IS ?"),
                          {QStringLiteral("01"), QVariant()}),
              2);
}

// A reading transaction sees the data as they were when it began, while another
// accountant saves; a writing one that fails leaves nothing behind.
TEST_F(PgSchemaConnectionTest, ReadersSeeOneStateAndWritesAreAllOrNothing) {
    auto reader = open();
    createCompanySchema(*reader);
    auto writer = open();
    writer->execute(QStringLiteral("INSERT INTO sabit_kiymet (sbk_adi) VALUES (?)"), {QStringLiteral("A")});
    {
        Transaction reading(*reader, TransactionKind::Read);
        EXPECT_EQ(reader->scalar(QStringLiteral("SELECT count(*) FROM sabit_kiymet")).toLongLong(), 1);
        writer->execute(QStringLiteral("INSERT INTO sabit_kiymet (sbk_adi) VALUES (?)"),
                        {QStringLiteral("B")});
        EXPECT_EQ(reader->scalar(QStringLiteral("SELECT count(*) FROM sabit_kiymet")).toLongLong(), 1);
        reading.commit();
    }
    EXPECT_EQ(reader->scalar(QStringLiteral("SELECT count(*) FROM sabit_kiymet")).toLongLong(), 2);
    try {
        Transaction writing(*writer);
        writer->execute(QStringLiteral("DELETE FROM sabit_kiymet"));
        writer->execute(QStringLiteral("INSERT INTO yok (a) VALUES (?)"), {1});
        writing.commit();
    } catch (const DatabaseError&) {
    }
    EXPECT_EQ(reader->scalar(QStringLiteral("SELECT count(*) FROM sabit_kiymet")).toLongLong(), 2);
}

// A schema's copy is an encrypted file of the file engine with the same tables and rows,
// which passes the checks a restore makes.
TEST_F(PgSchemaConnectionTest, SnapshotIsAFileWithTheSameRows) {
    auto db = open();
    createCompanySchema(*db);
    db->execute(QStringLiteral(
                    "INSERT INTO sabit_kiymet (sbk_adi, fatura_tarihi, Duzeltilmis_Tutar) VALUES (?, ?, ?)"),
                {QStringLiteral("Ç"), QDate(2020, 1, 2), 1.0 / 3});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kopya.mdb"));
    db->snapshotInto(path, kDatabasePassword);
    Database copy(path, kDatabasePassword);
    EXPECT_TRUE(copy.isIntact());
    EXPECT_TRUE(schemaProblem(copy, SchemaKind::Company).isEmpty());
    Statement row(copy,
                  QStringLiteral("SELECT id, sbk_adi, fatura_tarihi, Duzeltilmis_Tutar FROM sabit_kiymet"));
    ASSERT_TRUE(row.step());
    EXPECT_EQ(row.value(0).toLongLong(), 1);
    EXPECT_EQ(row.value(1).toString(), QStringLiteral("Ç"));
    EXPECT_EQ(row.value(2).toDate(), QDate(2020, 1, 2));
    EXPECT_EQ(row.value(3).toDouble(), 1.0 / 3);
    EXPECT_FALSE(row.step());
}

// A column added to a stored table reads back with its declared type, also on a table
// without a key of its own (whose hidden row column stands before the added one), is there
// for the next program that opens the schema, and its copy into a file has it too.
TEST_F(PgSchemaConnectionTest, AnAddedColumnReadsBackAsDeclaredAndIsCopied) {
    {
        auto db = open();
        db->exec(QStringLiteral("CREATE TABLE Notlar (Ad TEXT(20), Tutar DOUBLE)"));
        db->execute(QStringLiteral("INSERT INTO Notlar (Ad, Tutar) VALUES (?, ?)"),
                    {QStringLiteral("a"), 1.5});
        db->exec(QStringLiteral("ALTER TABLE Notlar ADD COLUMN Tarih DATE"));
        db->exec(QStringLiteral("ALTER TABLE Notlar ADD Adet SMALLINT"));
        db->execute(QStringLiteral("UPDATE Notlar SET Tarih = ?, Adet = ?"), {QDate(2024, 6, 30), 3});
    }
    auto db = open();
    const std::vector<EngineColumn> columns = db->tableColumns(QStringLiteral("notlar"));
    ASSERT_EQ(columns.size(), 4u);
    EXPECT_EQ(columns[2].name, QStringLiteral("Tarih"));
    EXPECT_EQ(columns[2].type, QStringLiteral("DATE"));
    EXPECT_EQ(columns[3].name, QStringLiteral("Adet"));
    Statement row(*db, QStringLiteral("SELECT * FROM Notlar"));
    ASSERT_TRUE(row.step());
    ASSERT_EQ(row.columnCount(), 4);
    EXPECT_EQ(row.columnName(2), QStringLiteral("Tarih"));
    EXPECT_EQ(row.value(2).toDate(), QDate(2024, 6, 30));
    EXPECT_EQ(row.value(3).toLongLong(), 3);
    EXPECT_THROW(db->exec(QStringLiteral("ALTER TABLE Yok ADD COLUMN A DOUBLE")), DatabaseError);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kopya.mdb"));
    db->snapshotInto(path, kDatabasePassword);
    Database copy(path, kDatabasePassword);
    EXPECT_EQ(copy.scalar(QStringLiteral("SELECT Tarih FROM Notlar")).toDate(), QDate(2024, 6, 30));
    EXPECT_EQ(copy.tableColumns(QStringLiteral("Notlar")).size(), 4u);
}

// A schema that is not there is refused with its name; nothing is created.
TEST_F(PgSchemaConnectionTest, MissingSchemaIsRefused) {
    try {
        PgSchemaConnection missing(conninfo, QStringLiteral("yok_boyle"));
        FAIL();
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("yok_boyle")));
    }
    EXPECT_FALSE(PgSchemaConnection::exists(conninfo, QStringLiteral("yok_boyle")));
}

// What expressions give reads back as from a file: sums of whole numbers whole, decimals,
// negative and tiny numerics, dates before and after the server's epoch, texts, bytes, and
// a type the program does not read refused by name rather than read as a text.
TEST_F(PgSchemaConnectionTest, ExpressionValuesReadBackAsTheProgramsValues) {
    auto db = open();
    createCompanySchema(*db);
    db->execute(QStringLiteral("INSERT INTO sabit_kiymet (sbk_adi, vuk_amortisman_sure, VUK_Son_Degeri, "
                               "fatura_tarihi) VALUES (?, ?, ?, ?)"),
                {QStringLiteral("Çığ İş"), 5, 0.1, QDate(1999, 12, 31)});
    db->execute(QStringLiteral("INSERT INTO sabit_kiymet (sbk_adi, vuk_amortisman_sure, VUK_Son_Degeri, "
                               "fatura_tarihi) VALUES (?, ?, ?, ?)"),
                {QStringLiteral("B"), 123456789012LL, 1e-300, QDate(2024, 2, 29)});
    Statement sums(*db,
                   QStringLiteral("SELECT SUM(vuk_amortisman_sure), SUM(VUK_Son_Degeri), MIN(fatura_tarihi), "
                                  "MAX(fatura_tarihi), COUNT(*) FROM sabit_kiymet"));
    ASSERT_TRUE(sums.step());
    EXPECT_EQ(sums.value(0), QVariant(qint64(123456789017LL)));
    EXPECT_EQ(sums.value(1).toDouble(), 0.1 + 1e-300);
    EXPECT_EQ(sums.value(2), QVariant(QDate(1999, 12, 31)));
    EXPECT_EQ(sums.value(3), QVariant(QDate(2024, 2, 29)));
    EXPECT_EQ(sums.value(4), QVariant(qint64(2)));
    Statement numbers(*db,
                      QStringLiteral("SELECT 12.50, -0.0001, 10000, -123456789.000123, 0.0, sbk_adi FROM "
                                     "sabit_kiymet WHERE vuk_amortisman_sure = 5"));
    ASSERT_TRUE(numbers.step());
    EXPECT_EQ(numbers.value(0), QVariant(12.5));
    EXPECT_EQ(numbers.value(1), QVariant(-0.0001));
    EXPECT_EQ(numbers.value(2), QVariant(qint64(10000)));
    EXPECT_EQ(numbers.value(3), QVariant(-123456789.000123));
    EXPECT_EQ(numbers.value(4), QVariant(0.0));
    EXPECT_EQ(numbers.value(5), QVariant(QStringLiteral("Çığ İş")));
    try {
        Statement interval(*db, QStringLiteral("SELECT interval '1 day' FROM sabit_kiymet"));
        interval.step();
        interval.value(0);
        FAIL() << "an interval was read";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("(1186)"))) << e.message().toStdString();
    }
}
