#include "storage/Connection.h"

#include "storage/ConnectionString.h"
#include "storage/Dataset.h"
#include "storage/PgSchemaConnection.h"

#include <algorithm>

namespace velkor {

Connection::Connection(const QString& name) : m_name(name) {}

Connection::~Connection() {
    close();
}

void Connection::open() {
    if (m_db)
        return;
    const ConnectionString cs(m_connectionString);
    if (!cs.server().isEmpty()) {
        if (cs.schema().isEmpty())
            throw DatabaseError(QStringLiteral("Bağlantı dizesinde şema yok (%1)").arg(m_name));
        m_db = std::make_unique<Database>(std::make_unique<PgSchemaConnection>(cs.server(), cs.schema()));
        return;
    }
    const QString path = cs.resolvedDataSource();
    if (path.isEmpty())
        throw DatabaseError(QStringLiteral("Bağlantı dizesinde veri kaynağı yok (%1)").arg(m_name));
    auto db = std::make_unique<Database>(path, cs.password());
    if (m_onOpen)
        m_onOpen(*db);
    m_db = std::move(db);
}

void Connection::ensureOpen() {
    if (!m_db)
        open();
}

void Connection::close() {
    const std::vector<Dataset*> datasets = m_datasets;
    for (Dataset* d : datasets)
        d->close();
    m_db.reset();
}

Database& Connection::database() {
    if (!m_db)
        throw DatabaseError(QStringLiteral("Veritabanı bağlantısı kapalı (%1)").arg(m_name));
    return *m_db;
}

QString Connection::filePath() const {
    return m_db ? m_db->path() : QString();
}

void Connection::attach(Dataset* dataset) {
    m_datasets.push_back(dataset);
}

void Connection::detach(Dataset* dataset) {
    m_datasets.erase(std::remove(m_datasets.begin(), m_datasets.end(), dataset), m_datasets.end());
}

} // namespace velkor
