#include "storage/SqlCipherConnection.h"

#include "storage/EngineFailure.h"
#include "storage/SqlCipherStatement.h"

#include <QFile>
#include <QFileInfo>
#include <sqlcipher/sqlite3.h>

namespace velkor {

namespace {

QString engineMessage(sqlite3* db) {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

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

// Clean-up after a failure: its own failure must not hide the one being thrown.
void runQuietly(SqlCipherConnection& db, const QString& sql) {
    try {
        db.exec(sql);
    } catch (const DatabaseError&) {
    }
}

} // namespace

DatabaseError SqlCipherConnection::lastError() const {
    const int code = sqlite3_errcode(m_db);
    const char* file = sqlite3_db_filename(m_db, "main");
    if (isLockCode(code))
        return DatabaseError(inUseMessage(QString::fromUtf8(file ? file : "")), code,
                             sqlite3_extended_errcode(m_db));
    return DatabaseError(engineFailureMessage(code, QString::fromUtf8(file ? file : ""), engineMessage(m_db)),
                         code, sqlite3_extended_errcode(m_db));
}

SqlCipherConnection::SqlCipherConnection(const QString& path, const QString& password)
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

SqlCipherConnection::~SqlCipherConnection() {
    sqlite3_close(m_db);
}

void SqlCipherConnection::create(const QString& path, const QString& password) {
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

void SqlCipherConnection::exec(const QString& sql) {
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

std::unique_ptr<EngineStatement> SqlCipherConnection::prepare(const QString& sql) {
    return std::make_unique<SqlCipherStatement>(*this, sql);
}

int SqlCipherConnection::changes() const {
    return sqlite3_changes(m_db);
}

qint64 SqlCipherConnection::lastInsertId() const {
    return sqlite3_last_insert_rowid(m_db);
}

QStringList SqlCipherConnection::tableNames() {
    QStringList names;
    SqlCipherStatement tables(*this, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                                    "name NOT LIKE 'sqlite_%' ORDER BY name"));
    while (tables.step())
        names << tables.value(0).toString();
    return names;
}

std::vector<EngineColumn> SqlCipherConnection::tableColumns(const QString& table) {
    // A pragma takes no bound parameter; the name is quoted as an identifier.
    QString quoted = table;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    SqlCipherStatement info(*this, QStringLiteral("PRAGMA table_info(\"%1\")").arg(quoted));
    std::vector<EngineColumn> columns;
    while (info.step())
        columns.push_back(
            {info.value(1).toString(), info.value(2).toString().toUpper(), info.value(5).toInt() > 0});
    return columns;
}

QString SqlCipherConnection::rowKey(const QString&) {
    // Every table has the engine's row id; a key column declared INTEGER PRIMARY KEY is that id.
    return QStringLiteral("rowid");
}

void SqlCipherConnection::begin(TransactionKind) {
    // A deferred transaction: the first read takes the shared lock that holds the file
    // still for a reader until it ends, and the first write the writer's lock.
    exec(QStringLiteral("BEGIN"));
}

void SqlCipherConnection::commit() {
    exec(QStringLiteral("COMMIT"));
}

void SqlCipherConnection::rollback() {
    exec(QStringLiteral("ROLLBACK"));
}

QString SqlCipherConnection::scalarText(const QString& sql) {
    SqlCipherStatement statement(*this, sql);
    return statement.step() ? statement.value(0).toString() : QString();
}

void SqlCipherConnection::compactInto(const QString& targetPath, const QString& password) {
    if (QFileInfo::exists(targetPath))
        throw DatabaseError(QStringLiteral("Dosya zaten var: %1").arg(targetPath));
    {
        SqlCipherStatement attach(*this, QStringLiteral("ATTACH DATABASE ? AS compacted KEY ?"));
        attach.bind(1, QFileInfo(targetPath).absoluteFilePath());
        attach.bind(2, password);
        while (attach.step()) {
        }
    }
    try {
        exec(QStringLiteral("PRAGMA compacted.kdf_iter = 4000;"));
        scalarText(QStringLiteral("SELECT sqlcipher_export('compacted')"));
    } catch (...) {
        runQuietly(*this, QStringLiteral("DETACH DATABASE compacted"));
        throw;
    }
    exec(QStringLiteral("DETACH DATABASE compacted"));
}

void SqlCipherConnection::snapshotInto(const QString& targetPath, const QString& password) {
    if (QFileInfo::exists(targetPath))
        throw DatabaseError(QStringLiteral("Dosya zaten var: %1").arg(targetPath));
    {
        SqlCipherStatement attach(*this, QStringLiteral("ATTACH DATABASE ? AS snapshot KEY ?"));
        attach.bind(1, QFileInfo(targetPath).absoluteFilePath());
        attach.bind(2, password);
        while (attach.step()) {
        }
    }
    try {
        exec(QStringLiteral("PRAGMA snapshot.kdf_iter = 4000;"));
        // The copy is a scratch file until it is archived or checked: no journal, no sync.
        exec(QStringLiteral("PRAGMA snapshot.journal_mode = OFF; PRAGMA snapshot.synchronous = OFF;"));
        exec(QStringLiteral("BEGIN"));
        try {
            // The first read takes the shared lock that holds the source still until COMMIT.
            scalarText(QStringLiteral("SELECT count(*) FROM main.sqlite_master"));
            scalarText(QStringLiteral("SELECT sqlcipher_export('snapshot')"));
            exec(QStringLiteral("COMMIT"));
        } catch (...) {
            // On a full disk the engine has already rolled back; the failing ROLLBACK would
            // replace the error that says why ("cannot rollback - no transaction is active").
            runQuietly(*this, QStringLiteral("ROLLBACK"));
            throw;
        }
    } catch (...) {
        runQuietly(*this, QStringLiteral("DETACH DATABASE snapshot"));
        QFile::remove(targetPath);
        throw;
    }
    exec(QStringLiteral("DETACH DATABASE snapshot"));
}

bool SqlCipherConnection::isIntact() {
    return scalarText(QStringLiteral("PRAGMA quick_check")) == QLatin1String("ok");
}

} // namespace velkor
