#pragma once

#include "storage/DatabaseError.h"

#include <QString>
#include <QVariant>

struct sqlite3;

namespace velkor {

/// One open, encrypted database file (SQLCipher). Opening a missing file or one that
/// the password does not decrypt throws DatabaseError and never creates a file.
class Database {
public:
    /// Opens an existing database file with its password.
    Database(const QString& path, const QString& password);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    /// Creates a new, empty encrypted database file; fails when the file exists.
    static void create(const QString& path, const QString& password);

    /// The file's full path.
    const QString& path() const { return m_path; }
    /// The engine handle, for Statement.
    sqlite3* handle() const { return m_db; }

    /// Runs one or more statements without parameters or results.
    void exec(const QString& sql);
    /// Runs one statement with bound positional parameters; returns the rows changed.
    int execute(const QString& sql, const QVariantList& params = {});
    /// The single value of a query (null when it has no row).
    QVariant scalar(const QString& sql, const QVariantList& params = {});
    /// Whether the database has a table of that name.
    bool hasTable(const QString& table);
    /// The key of the row the last insert wrote.
    qint64 lastInsertId() const;

    /// Writes a compacted, equally encrypted copy of the database into a new file.
    void compactInto(const QString& targetPath, const QString& password);

private:
    QString m_path;
    sqlite3* m_db = nullptr;
};

/// The engine's text for an error on a handle.
QString engineMessage(sqlite3* db);
/// The engine's last error on the connection, with its message and result codes.
DatabaseError engineError(sqlite3* db);

} // namespace velkor
