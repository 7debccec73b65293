#include "storage/EngineFailure.h"
#include "storage/Database.h"
#include "storage/Statement.h"
#include "storage/Transaction.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sqlcipher/sqlite3.h>
#include <vector>

using namespace velkor;

namespace {

const QString kPassword = QStringLiteral("p4Rk9mWq2TzL7vB");

class EngineFailureTest : public ::testing::Test {
protected:
    void SetUp() override {
        Database::create(file, kPassword);
        Database db(file, kPassword);
        db.exec(QStringLiteral("CREATE TABLE t (x BLOB)"));
    }
    // Runs the write and gives the error it throws.
    template <typename Write> DatabaseError failureOf(Write write) {
        try {
            write();
        } catch (const DatabaseError& e) {
            return e;
        }
        ADD_FAILURE() << "no error";
        return DatabaseError(QString());
    }
    QTemporaryDir dir;
    QString file = dir.path() + QStringLiteral("/firma.mdb");
};

TEST_F(EngineFailureTest, AFullDatabaseSaysTheDiskIsFullAndNamesItNotTheRollback) {
    Database db(file, kPassword);
    // The engine answers a page limit as it answers a full disk.
    db.exec(QStringLiteral("PRAGMA max_page_count = 8"));
    const DatabaseError error = failureOf([&] {
        Transaction transaction(db);
        db.execute(QStringLiteral("INSERT INTO t VALUES (?)"), {QByteArray(1 << 20, 'x')});
        transaction.commit();
    });
    EXPECT_EQ(error.code(), SQLITE_FULL);
    EXPECT_TRUE(
        error.message().startsWith(QStringLiteral("Disk dolu: %1 dosyasının bulunduğu diskte (").arg(file)))
        << error.what();
    EXPECT_TRUE(error.message().endsWith(QStringLiteral("(Ayrıntı: database or disk is full)")))
        << error.what();
    EXPECT_FALSE(error.message().contains(QStringLiteral("rollback"))) << error.what();
    // Nothing half-written stays, and the database goes on working.
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM t")).toInt(), 0);
    db.execute(QStringLiteral("INSERT INTO t VALUES (?)"), {QByteArray(10, 'x')});
}

TEST_F(EngineFailureTest, AReadOnlyDatabaseSaysItCannotBeWritten) {
    Database db(file, kPassword);
    db.exec(QStringLiteral("PRAGMA query_only = 1"));
    for (const auto& write : std::vector<std::function<void()>>{
             [&] { db.exec(QStringLiteral("INSERT INTO t VALUES (1)")); },
             [&] { db.execute(QStringLiteral("INSERT INTO t VALUES (1)")); }}) {
        const DatabaseError error = failureOf(write);
        EXPECT_EQ(error.code(), SQLITE_READONLY);
        EXPECT_TRUE(
            error.message().startsWith(QStringLiteral("%1 dosyasına yazılamıyor: dosya salt okunur ya da "
                                                      "bulunduğu klasöre yazma izni yok.")
                                           .arg(file)))
            << error.what();
        EXPECT_TRUE(
            error.message().endsWith(QStringLiteral("(Ayrıntı: attempt to write a readonly database)")))
            << error.what();
    }
}

TEST(EngineFailureMessage, EveryEngineCodeSaysInTurkishWhatHappened) {
    const QString path = QStringLiteral("/kurulum/Data/ABC.mdb");
    const std::vector<std::pair<int, QString>> causes{
        {SQLITE_BUSY, QStringLiteral("başka bir program tarafından kullanılıyor")},
        {SQLITE_LOCKED, QStringLiteral("başka bir program tarafından kullanılıyor")},
        {SQLITE_CANTOPEN, QStringLiteral("açılamadı: dosya ya da klasörü yok")},
        {SQLITE_NOTADB, QStringLiteral("bozuk ya da bu programın veritabanı değil")},
        {SQLITE_CORRUPT, QStringLiteral("bozuk ya da bu programın veritabanı değil")},
        {SQLITE_IOERR_WRITE, QStringLiteral("disk hatası")},
        {SQLITE_PERM, QStringLiteral("yazma izni yok")},
        {SQLITE_CONSTRAINT_UNIQUE, QStringLiteral("kurallarına uymadığı")},
        {SQLITE_ERROR, QStringLiteral("veritabanı işlemi yapılamadı")},
    };
    for (const auto& [code, cause] : causes) {
        const QString message = engineFailureMessage(code, path, QStringLiteral("engine text"));
        EXPECT_TRUE(message.contains(cause)) << code << ' ' << message.toStdString();
        EXPECT_TRUE(message.contains(path)) << code;
        EXPECT_TRUE(message.endsWith(QStringLiteral(" (Ayrıntı: engine text)"))) << code;
    }
}

} // namespace
