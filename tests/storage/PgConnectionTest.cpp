#include "storage/PgConnection.h"
#include "support/PostgresServer.h"

#include <QDate>
#include <gtest/gtest.h>

namespace velkor::test {
namespace {

class PgConnectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        VELKOR_REQUIRE_POSTGRES(found);
        server = found;
        database = server->createDatabase();
        connection = std::make_unique<PgConnection>(server->conninfo(database));
    }

    PostgresServer* server = nullptr;
    QString database;
    std::unique_ptr<PgConnection> connection;
};

TEST_F(PgConnectionTest, ValuesGoInAsParametersAndComeBackWithTheirTypes) {
    connection->exec(QStringLiteral("CREATE TABLE t (id bigint, ad text, tutar double precision, tarih date, "
                                    "veri bytea, evet boolean, sayi integer)"));
    // Text that would break a statement built by hand stays a value.
    const QString hostile = QStringLiteral("O'Brien'); DROP TABLE t; --İĞÜŞÖÇ");
    const QByteArray bytes("\x00\x01\xff'\\", 5);
    EXPECT_EQ(connection->execute(
                  QStringLiteral("INSERT INTO t VALUES ($1, $2, $3, $4, $5, $6, $7)"),
                  {qint64(1) << 40, hostile, 1234567.8912345678, QDate(2023, 12, 31), bytes, true, 42}),
              1);
    EXPECT_EQ(connection->execute(QStringLiteral("INSERT INTO t (id) VALUES ($1)"), {QVariant()}), 1);
    const PgResult rows = connection->query(QStringLiteral("SELECT * FROM t ORDER BY id NULLS LAST"));
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.value(0, 0), QVariant(qint64(1) << 40));
    EXPECT_EQ(rows.value(0, 1).toString(), hostile);
    EXPECT_EQ(rows.value(0, 2).toDouble(), 1234567.8912345678);
    EXPECT_EQ(rows.value(0, 3), QVariant(QDate(2023, 12, 31)));
    EXPECT_EQ(rows.value(0, 4).toByteArray(), bytes);
    EXPECT_EQ(rows.value(0, 5), QVariant(true));
    EXPECT_EQ(rows.value(0, 6), QVariant(42));
    EXPECT_EQ(rows.columnIndex(QStringLiteral("tarih")), 3);
    EXPECT_TRUE(rows.isNull(1, 0));
    EXPECT_FALSE(rows.value(1, 1).isValid());
}

TEST_F(PgConnectionTest, ErrorsKeepTheServersStateAndText) {
    try {
        connection->exec(QStringLiteral("SELECT * FROM olmayan_tablo"));
        FAIL() << "no error";
    } catch (const PgError& e) {
        EXPECT_EQ(e.sqlState(), QStringLiteral("42P01"));
        EXPECT_TRUE(e.serverMessage().contains(QStringLiteral("olmayan_tablo")));
        EXPECT_TRUE(e.message().contains(QStringLiteral("42P01")));
    }
    // The connection stays usable after a refused statement.
    EXPECT_EQ(connection->scalar(QStringLiteral("SELECT $1::int + 1"), {41}), QVariant(42));
}

TEST_F(PgConnectionTest, ATransactionRollsBackUnlessCommitted) {
    connection->exec(QStringLiteral("CREATE TABLE t (id integer)"));
    {
        PgTransaction transaction(*connection);
        connection->execute(QStringLiteral("INSERT INTO t VALUES ($1)"), {1});
        EXPECT_TRUE(connection->inTransaction());
    }
    EXPECT_EQ(connection->scalar(QStringLiteral("SELECT count(*) FROM t")), QVariant(qint64(0)));
    {
        PgTransaction transaction(*connection);
        connection->execute(QStringLiteral("INSERT INTO t VALUES ($1)"), {2});
        transaction.commit();
    }
    EXPECT_FALSE(connection->inTransaction());
    EXPECT_EQ(connection->scalar(QStringLiteral("SELECT count(*) FROM t")), QVariant(qint64(1)));
}

TEST_F(PgConnectionTest, IdentifiersAreQuotedByTheLibrary) {
    const QString name = QStringLiteral("firma \"x\"; DROP");
    connection->exec(QStringLiteral("CREATE SCHEMA ") + connection->quoteIdentifier(name));
    EXPECT_EQ(
        connection->scalar(QStringLiteral("SELECT count(*) FROM pg_namespace WHERE nspname = $1"), {name}),
        QVariant(qint64(1)));
}

TEST_F(PgConnectionTest, AWrongPasswordIsRefusedWithTheServersReason) {
    try {
        PgConnection wrong(server->conninfo(database, PostgresServer::superuser(), QStringLiteral("yanlis")));
        FAIL() << "connected";
    } catch (const PgError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Veritabanı sunucusuna bağlanılamadı")));
        EXPECT_TRUE(e.message().contains(QStringLiteral("password authentication failed")));
    }
    // No password anywhere libpq looks: the user is told where to put it.
    qunsetenv("PGPASSWORD");
    try {
        PgConnection none(
            QStringLiteral("host=%1 port=%2 dbname=%3 user=%4 sslmode=disable passfile=/yok/pgpass")
                .arg(server->host())
                .arg(server->port())
                .arg(database, PostgresServer::superuser()));
        FAIL() << "connected";
    } catch (const PgError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Veritabanı sunucusu parola istiyor"))) << e.what();
        EXPECT_TRUE(e.message().contains(QStringLiteral("~/.pgpass")));
    }
    EXPECT_EQ(connection->serverVersion() / 10000, 15);
    EXPECT_FALSE(connection->usesTls());
}

} // namespace
} // namespace velkor::test
