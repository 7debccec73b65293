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

bool Statement::isNull(int column) const {
    return m_engine->isNull(column);
}

qint64 Statement::integer(int column) const {
    return m_engine->integer(column);
}

double Statement::number(int column) const {
    return m_engine->number(column);
}

QString Statement::text(int column) const {
    return m_engine->text(column);
}

QDate Statement::date(int column) const {
    return m_engine->date(column);
}

} // namespace velkor
