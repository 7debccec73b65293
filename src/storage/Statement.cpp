#include "storage/Statement.h"

namespace velkor {

Statement::Statement(Database& db, const QString& sql) : m_engine(db.engine().prepare(sql)) {}

Statement::~Statement() = default;

void Statement::bindAll(const QVariantList& values) {
    for (int i = 0; i < values.size(); ++i)
        m_engine->bind(i + 1, values.at(i));
}

void Statement::run() {
    while (m_engine->step()) {
    }
}

} // namespace velkor
