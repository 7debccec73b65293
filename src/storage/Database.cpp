#include "storage/Database.h"

#include "storage/SqlCipherConnection.h"
#include "storage/Statement.h"

namespace velkor {

Database::Database(const QString& path, const QString& password)
    : Database(std::make_unique<SqlCipherConnection>(path, password)) {}

Database::Database(std::unique_ptr<EngineConnection> engine)
    : m_engine(std::move(engine)), m_path(m_engine->location()) {}

Database::~Database() = default;

void Database::create(const QString& path, const QString& password) {
    SqlCipherConnection::create(path, password);
}

void Database::exec(const QString& sql) {
    m_engine->exec(sql);
}

int Database::execute(const QString& sql, const QVariantList& params) {
    Statement statement(*this, sql);
    statement.bindAll(params);
    statement.run();
    return m_engine->changes();
}

QVariant Database::scalar(const QString& sql, const QVariantList& params) {
    Statement statement(*this, sql);
    statement.bindAll(params);
    return statement.step() ? statement.value(0) : QVariant();
}

bool Database::hasTable(const QString& table) {
    return m_engine->tableNames().contains(table);
}

QStringList Database::tableNames() {
    return m_engine->tableNames();
}

std::vector<EngineColumn> Database::tableColumns(const QString& table) {
    return m_engine->tableColumns(table);
}

qint64 Database::lastInsertId() const {
    return m_engine->lastInsertId();
}

void Database::compactInto(const QString& targetPath, const QString& password) {
    m_engine->compactInto(targetPath, password);
}

void Database::snapshotInto(const QString& targetPath, const QString& password) {
    m_engine->snapshotInto(targetPath, password);
}

bool Database::isIntact() {
    return m_engine->isIntact();
}

} // namespace velkor
