#pragma once

#include "storage/DatabaseError.h"
#include "storage/EngineConnection.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace velkor {

/// One open database of either engine: an encrypted file (SQLCipher, the default) or a
/// schema of the office server. Opening a missing file or one that the password does not
/// decrypt throws DatabaseError and never creates a file.
class Database {
public:
    /// Opens an existing encrypted database file with its password.
    Database(const QString& path, const QString& password);
    /// Takes over a connection an engine opened.
    explicit Database(std::unique_ptr<EngineConnection> engine);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    /// Creates a new, empty encrypted database file; fails when the file exists.
    static void create(const QString& path, const QString& password);

    /// The file's full path, or the server's name for a schema of the office server.
    const QString& path() const { return m_path; }
    /// The engine under the database, for Statement and Transaction.
    EngineConnection& engine() { return *m_engine; }

    /// Runs one or more statements without parameters or results.
    void exec(const QString& sql);
    /// Runs one statement with bound positional parameters; returns the rows changed.
    int execute(const QString& sql, const QVariantList& params = {});
    /// The single value of a query (null when it has no row).
    QVariant scalar(const QString& sql, const QVariantList& params = {});
    /// Whether the database has a table of that name.
    bool hasTable(const QString& table);
    /// The program's tables, by name.
    QStringList tableNames();
    /// The columns of a table in table order; empty when there is no such table.
    std::vector<EngineColumn> tableColumns(const QString& table);
    /// The key of the row the last insert wrote.
    qint64 lastInsertId() const;

    /// Writes a compacted, equally encrypted copy of the database into a new file.
    void compactInto(const QString& targetPath, const QString& password);
    /// Writes one consistent copy of the database into a new encrypted file, while others
    /// may go on writing; a failed copy leaves no file.
    void snapshotInto(const QString& targetPath, const QString& password);
    /// Whether the engine finds the stored data sound.
    bool isIntact();

private:
    std::unique_ptr<EngineConnection> m_engine;
    QString m_path;
};

} // namespace velkor
