#pragma once

#include "engine/AccountGroups.h"

#include <QStringList>

namespace velkor {

class Query;

/// The statement of the per-main-account totals `ToplamQuery`, one line each; it is
/// never filtered.
QStringList accountTotalsSql();
/// Closes the query and gives it the per-main-account totals statement.
void prepareAccountTotals(Query& query);

/// The statement of the grand totals `SBKRaporToplamQuery` with the filter's WHERE line
/// at the end when it has one.
QStringList grandTotalsSql(const AccountFilter& filter);
/// Closes the query and gives it the grand totals statement and the filter's codes.
void prepareGrandTotals(Query& query, const AccountFilter& filter);

} // namespace velkor
