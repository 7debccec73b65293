#include "storage/Database.h"

#include "storage/EngineFailure.h"
#include "storage/Statement.h"

#include <QFileInfo>
#include <sqlcipher/sqlite3.h>

namespace velkor {

QString engineMessage(sqlite3* db) {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

namespace {

// A lock held by another program past the busy timeout: say so rather than the engine's text.
QString inUseMessage(const QString& path) {
    return QStringLiteral(
               "Veritabanı başka bir program tarafından kullanılıyor: %1\n\rFirma ya da dosya başka "
               "bir programda açık; o program işini bitirince yeniden deneyin.")
        .arg(path);
}

bool isLockCode(int code) {
    return (code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED;
}

} // namespace

DatabaseError engineError(sqlite3* db) {
    const int code = sqlite3_errcode(db);
    if (isLockCode(code)) {
        const char* file = sqlite3_db_filename(db, "main");
        return DatabaseError(inUseMessage(QString::fromUtf8(file ? file : "")), code,
                             sqlite3_extended_errcode(db));
    }
    const char* file = sqlite3_db_filename(db, "main");
    return DatabaseError(engineFailureMessage(code, QString::fromUtf8(file ? file : ""), engineMessage(db)),
                         code, sqlite3_extended_errcode(db));
}

namespace {

sqlite3* openKeyed(const QString& path, const QString& password, int flags) {
    sqlite3* db = nullptr;
    const QByteArray file = QFileInfo(path).absoluteFilePath().toUtf8();
    // Each connection is used by one thread only (the program has no other): without the
    // engine's own lock, reading a cell or binding a value does not take a mutex.
    const int rc = sqlite3_open_v2(file.constData(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = db ? engineMessage(db) : QStringLiteral("bellek yetersiz");
        const int extended = db ? sqlite3_extended_errcode(db) : rc;
        sqlite3_close(db);
        throw DatabaseError(engineFailureMessage(rc, path, message), rc & 0xff, extended);
    }
    const QByteArray key = password.toUtf8();
    sqlite3_key(db, key.constData(), key.size());
    // Every file of the program uses the same key-derivation setting; the default costs
    // a noticeable pause on every open.
    sqlite3_exec(db, "PRAGMA kdf_iter = 4000;", nullptr, nullptr, nullptr);
    // Decrypted pages are kept for reads in index order, which revisit pages often.
    sqlite3_exec(db, "PRAGMA cache_size = -32000;", nullptr, nullptr, nullptr);
    sqlite3_busy_timeout(db, 5000);
    return db;
}

} // namespace

Database::Database(const QString& path, const QString& password)
    : m_path(QFileInfo(path).absoluteFilePath()) {
    if (!QFileInfo(path).isFile())
        throw DatabaseError(QStringLiteral("Veritabanı dosyası bulunamadı: %1").arg(path));
    // The engine would take an empty file for an empty database, and every later
    // statement would fail without naming the file.
    if (QFileInfo(path).size() == 0)
        throw DatabaseError(QStringLiteral("Veritabanı dosyası boş (0 bayt); dosya bozuk: %1").arg(m_path));
    // CREATE lets ATTACH make new files (compaction); the file itself was checked above.
    m_db = openKeyed(path, password, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    // The key is only checked when the first page is read.
    char* error = nullptr;
    const int rc = sqlite3_exec(m_db, "SELECT count(*) FROM sqlite_master;", nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : "");
        const int extended = sqlite3_extended_errcode(m_db);
        sqlite3_free(error);
        sqlite3_close(m_db);
        m_db = nullptr;
        if (isLockCode(rc))
            throw DatabaseError(inUseMessage(m_path), rc & 0xff, extended);
        if ((rc & 0xff) != SQLITE_NOTADB && (rc & 0xff) != SQLITE_CORRUPT)
            throw DatabaseError(engineFailureMessage(rc, m_path, message), rc & 0xff, extended);
        throw DatabaseError(QStringLiteral("Veritabanı açılamadı: %1 (%2: dosya bozuk ya da şifresi yanlış)")
                                .arg(path, message),
                            rc & 0xff, extended);
    }
    sqlite3_exec(m_db, "PRAGMA foreign_keys=OFF;", nullptr, nullptr, nullptr);
}

Database::~Database() {
    sqlite3_close(m_db);
}

void Database::create(const QString& path, const QString& password) {
    if (QFileInfo::exists(path))
        throw DatabaseError(QStringLiteral("Dosya zaten var: %1").arg(path));
    sqlite3* db = openKeyed(path, password, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    // Writing a page makes the file exist with an encrypted header.
    char* error = nullptr;
    const int rc = sqlite3_exec(db, "PRAGMA user_version=1;", nullptr, nullptr, &error);
    const QString message = QString::fromUtf8(error ? error : "");
    const int extended = sqlite3_extended_errcode(db);
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw DatabaseError(QStringLiteral("Veritabanı oluşturulamadı: ") +
                                engineFailureMessage(rc, path, message),
                            rc & 0xff, extended);
}

void Database::exec(const QString& sql) {
    char* error = nullptr;
    const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : "");
        sqlite3_free(error);
        if (isLockCode(rc))
            throw DatabaseError(inUseMessage(m_path), rc & 0xff, sqlite3_extended_errcode(m_db));
        throw DatabaseError(engineFailureMessage(rc, m_path, message), rc & 0xff,
                            sqlite3_extended_errcode(m_db));
    }
}

int Database::execute(const QString& sql, const QVariantList& params) {
    Statement statement(*this, sql);
    statement.bindAll(params);
    statement.run();
    return sqlite3_changes(m_db);
}

QVariant Database::scalar(const QString& sql, const QVariantList& params) {
    Statement statement(*this, sql);
    statement.bindAll(params);
    return statement.step() ? statement.value(0) : QVariant();
}

bool Database::hasTable(const QString& table) {
    return scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND name=?"), {table})
               .toInt() > 0;
}

qint64 Database::lastInsertId() const {
    return sqlite3_last_insert_rowid(m_db);
}

void Database::compactInto(const QString& targetPath, const QString& password) {
    if (QFileInfo::exists(targetPath))
        throw DatabaseError(QStringLiteral("Dosya zaten var: %1").arg(targetPath));
    execute(QStringLiteral("ATTACH DATABASE ? AS compacted KEY ?"),
            {QFileInfo(targetPath).absoluteFilePath(), password});
    try {
        exec(QStringLiteral("PRAGMA compacted.kdf_iter = 4000;"));
        scalar(QStringLiteral("SELECT sqlcipher_export('compacted')"));
    } catch (...) {
        // Its own failure must not hide the error being thrown.
        try {
            exec(QStringLiteral("DETACH DATABASE compacted"));
        } catch (const DatabaseError&) {
        }
        throw;
    }
    exec(QStringLiteral("DETACH DATABASE compacted"));
}

} // namespace velkor
