#include "storage/Query.h"

#include "storage/Statement.h"

namespace velkor {

Query::Query(Connection& connection) : Dataset(connection) {}

void Query::setSql(const QStringList& lines) {
    m_lines = lines;
}

void Query::open() {
    if (isOpen())
        return;
    Statement statement(connection().database(), sql());
    statement.bindAll(m_params);
    load(statement);
    setOpen(true);
}

} // namespace velkor
