#pragma once

#include "storage/Query.h"

#include <optional>

namespace velkor {

/// Exact-key lookups of the monthly Yİ-ÜFE values in YI_UFE_Yeni on the rate connection,
/// read through the dataset "Select * From YI_UFE_Yeni Order By Kimlik ASC;" that is
/// opened on first use.
class IndexLookup {
public:
    explicit IndexLookup(Connection& rates);

    /// The index value of the month key, or nothing when the table has no such row.
    std::optional<double> LookupIndex(int key);
    /// Reads the table again (after a rebuild).
    void reload();
    /// The dataset, for views.
    Query& dataset() { return m_query; }

private:
    Connection& m_rates;
    Query m_query;
};

} // namespace velkor
