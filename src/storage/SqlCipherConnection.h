#pragma once

#include "storage/DatabaseError.h"
#include "storage/EngineConnection.h"

struct sqlite3;

namespace velkor {

/// An encrypted database file (SQLCipher), the program's default engine. Opening a missing
/// file or one that the password does not decrypt throws DatabaseError and never creates
/// a file.
class SqlCipherConnection : public EngineConnection {
public:
    /// Opens an existing database file with its password.
    SqlCipherConnection(const QString& path, const QString& password);
    ~SqlCipherConnection() override;
    SqlCipherConnection(const SqlCipherConnection&) = delete;
    SqlCipherConnection& operator=(const SqlCipherConnection&) = delete;

    /// Creates a new, empty encrypted database file; fails when the file exists.
    static void create(const QString& path, const QString& password);

    sqlite3* handle() const { return m_db; }
    /// The engine's last error on the file, with its message and result codes.
    DatabaseError lastError() const;

    QString location() const override { return m_path; }
    void exec(const QString& sql) override;
    std::unique_ptr<EngineStatement> prepare(const QString& sql) override;
    int changes() const override;
    qint64 lastInsertId() const override;
    QStringList tableNames() override;
    std::vector<EngineColumn> tableColumns(const QString& table) override;
    QString rowKey(const QString& table) override;
    void begin(TransactionKind kind) override;
    void commit() override;
    void rollback() override;
    void compactInto(const QString& targetPath, const QString& password) override;
    void snapshotInto(const QString& targetPath, const QString& password) override;
    bool isIntact() override;

private:
    QString scalarText(const QString& sql);

    QString m_path;
    sqlite3* m_db = nullptr;
};

} // namespace velkor
