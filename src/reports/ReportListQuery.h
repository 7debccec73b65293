#pragma once

#include "engine/AccountGroups.h"
#include "storage/Query.h"

namespace velkor {

/// The report list `SBKRaporQuery`: a query over `sabit_kiymet` that adds the calculated
/// columns `Itfa_Tarihi` and `Amort_Oran` to every row it reads (filled in place when the
/// statement selects them as NULL, appended otherwise).
class ReportListQuery : public Query {
    Q_OBJECT

public:
    explicit ReportListQuery(Connection& connection);

    void open() override;

    /// The report list's statement for a filter: the item selection of the columns in
    /// reportGridColumns(), with room for the two calculated ones, so that filling them
    /// moves no row.
    static QStringList selectionSql(const AccountFilter& filter);

private:
    /// Fills the two calculated columns of every row.
    void SBKRaporQueryCalcFields();
};

} // namespace velkor
