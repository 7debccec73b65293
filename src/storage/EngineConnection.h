#pragma once

#include "storage/EngineStatement.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace velkor {

/// One column of a stored table as the schema declared it.
struct EngineColumn {
    QString name;
    /// The type as the schema writes it, upper case: "TEXT(30)", "DOUBLE", "INTEGER", ...
    QString type;
    bool key = false;
};

/// What a transaction is for. Reading takes one consistent view of the data that others'
/// saves do not change until it ends (reports, vouchers, backups).
enum class TransactionKind { Write, Read };

/// An open database of one storage engine: an encrypted file, or a schema of the office
/// server. The storage wrappers (Database, Statement, Table, Transaction) talk to this
/// interface only; the program's SQL is SQLite's dialect and each engine takes it as such.
class EngineConnection {
public:
    virtual ~EngineConnection() = default;

    /// Where the data live, for messages and for the file operations: the file's full
    /// path, or the server's name for the schema.
    virtual QString location() const = 0;

    /// Runs one or more statements without parameters or results.
    virtual void exec(const QString& sql) = 0;
    virtual std::unique_ptr<EngineStatement> prepare(const QString& sql) = 0;
    /// The rows the last statement changed.
    virtual int changes() const = 0;
    /// The key of the row the last insert wrote.
    virtual qint64 lastInsertId() const = 0;

    /// The program's tables (the engine's own left out), by name.
    virtual QStringList tableNames() = 0;
    /// The columns of a table in table order; empty when there is no such table.
    virtual std::vector<EngineColumn> tableColumns(const QString& table) = 0;
    /// An expression that addresses one row of the table for as long as the row lives and
    /// orders the rows as they were written.
    virtual QString rowKey(const QString& table) = 0;

    virtual void begin(TransactionKind kind) = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;

    /// Writes a compacted, equally encrypted copy of the database into a new file.
    virtual void compactInto(const QString& targetPath, const QString& password) = 0;
    /// Writes one consistent copy of the database, taken while others may write, into a
    /// new encrypted file.
    virtual void snapshotInto(const QString& targetPath, const QString& password) = 0;
    /// Whether the engine finds the stored data sound.
    virtual bool isIntact() = 0;
};

} // namespace velkor
