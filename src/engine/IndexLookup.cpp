#include "engine/IndexLookup.h"

namespace velkor {

IndexLookup::IndexLookup(Connection& rates) : m_rates(rates), m_query(rates) {
    m_query.setSql({QStringLiteral("Select * From YI_UFE_Yeni Order By Kimlik ASC;")});
}

std::optional<double> IndexLookup::LookupIndex(int key) {
    m_rates.ensureOpen();
    m_query.ensureOpen();
    if (!m_query.locate(QStringLiteral("YilAy"), key))
        return std::nullopt;
    return m_query.number(QStringLiteral("Yi_UFE"));
}

void IndexLookup::reload() {
    m_query.close();
    m_rates.ensureOpen();
    m_query.open();
}

} // namespace velkor
