#pragma once

#include "storage/EngineConnection.h"
#include "storage/PgDialect.h"

#include <QHash>
#include <functional>
#include <map>
#include <vector>

namespace velkor {

class PgConnection;

/// One schema of the office's PostgreSQL database (a company, `genel` or `oranlar`) as a
/// database of the program. The tables are created with lower-case names; the engine's
/// catalog in the schema keeps the names and types as the program declared them, and the
/// statements that created them, so that the program reads back the same names and types
/// as from a file and a copy into a file has the file's own schema.
class PgSchemaConnection : public EngineConnection {
public:
    /// Connects with a libpq connection string (under the office's rule for the way to the
    /// server) and works in the schema, which must exist and carry the catalog.
    PgSchemaConnection(const QString& conninfo, const QString& schema);
    /// Works in the schema on a connection of the caller's, which outlives this object; the
    /// caller's transaction, when one is open, holds what this object does (a transaction
    /// begun here is a savepoint inside it).
    PgSchemaConnection(PgConnection& connection, const QString& schema);
    ~PgSchemaConnection() override;
    PgSchemaConnection(const PgSchemaConnection&) = delete;
    PgSchemaConnection& operator=(const PgSchemaConnection&) = delete;

    /// Creates a new, empty schema with the catalog; fails when the schema exists.
    static void create(const QString& conninfo, const QString& schema);
    /// The same on a connection of the caller's, inside its transaction when one is open.
    static void create(PgConnection& connection, const QString& schema);
    /// Whether the schema exists.
    static bool exists(const QString& conninfo, const QString& schema);
    /// Drops the schema with everything in it.
    static void drop(const QString& conninfo, const QString& schema);

    PgConnection& server() { return *m_pg; }
    const QString& schema() const { return m_schema; }

    QString location() const override;
    void exec(const QString& sql) override;
    std::unique_ptr<EngineStatement> prepare(const QString& sql) override;
    int changes() const override { return m_changes; }
    qint64 lastInsertId() const override { return m_lastInsertId; }
    QStringList tableNames() override;
    std::vector<EngineColumn> tableColumns(const QString& table) override;
    QString rowKey(const QString& table) override;
    void begin(TransactionKind kind) override;
    void commit() override;
    void rollback() override;
    void compactInto(const QString& targetPath, const QString& password) override;
    void snapshotInto(const QString& targetPath, const QString& password) override;
    bool isIntact() override;

    /// For the statements: a table of the catalog by name (any case), null when none.
    const PgTable* table(const QString& name) const;
    /// For the statements: a column of a stored table by the table's object id and the
    /// column's number; null when the column is no declared one.
    const EngineColumn* column(unsigned int tableOid, int number);
    /// For the statements: what the last one changed and inserted.
    void noteResult(int changes, qint64 insertedKey);

private:
    void loadCatalog();
    /// Runs work in a transaction of its own unless the caller's is open, rolled back if it throws.
    void inOwnTransaction(const std::function<void()>& work);
    void createTable(const PgTableDefinition& definition, const QString& sql);
    void addColumn(const PgAddedColumn& added, const QString& sql);

    std::unique_ptr<PgConnection> m_own;
    PgConnection* m_pg = nullptr;
    /// For each transaction begun here: whether it is a savepoint in the caller's.
    std::vector<bool> m_savepoints;
    QString m_schema;
    QString m_conninfo;
    /// By folded name.
    std::map<QString, PgTable> m_tables;
    std::map<QString, std::vector<EngineColumn>> m_columns;
    QHash<unsigned int, QString> m_oids;
    /// The declared column of each stored one, by table object id and column number.
    QHash<quint64, const EngineColumn*> m_attributes;
    int m_changes = 0;
    qint64 m_lastInsertId = 0;
};

} // namespace velkor
