#pragma once

#include "storage/Query.h"

namespace velkor {

/// The report list `SBKRaporQuery`: a query over `sabit_kiymet` that adds the calculated
/// columns `Itfa_Tarihi` and `Amort_Oran` to every row it reads.
class ReportListQuery : public Query {
    Q_OBJECT

public:
    explicit ReportListQuery(Connection& connection);

    void open() override;

private:
    /// Fills the two calculated columns of every row.
    void SBKRaporQueryCalcFields();
};

} // namespace velkor
