#pragma once

#include "reports/ItemRow.h"

#include <QString>
#include <vector>

namespace velkor {

/// An asset account that gets a depreciation summary row under 257 or 268.
struct DepreciationSummaryAccount {
    QString assetAccount;
    QString summaryAccount;
    QString name;
};

/// The asset accounts with summary rows, in the order the rows are written.
const std::vector<DepreciationSummaryAccount>& depreciationSummaryAccounts();

/// The totals of the closing step, summed row by row in the order of the item list.
struct ClosingTotals {
    double gain698 = 0; ///< G698: gains booked to 698
    double loss698 = 0; ///< L698: losses and depreciation differences booked to 698
    double gain697 = 0; ///< G697
    double loss697 = 0; ///< L697
    /// ΣA and ΣDA per summary account, in the order of depreciationSummaryAccounts().
    std::vector<double> depreciation;
    std::vector<double> adjustedDepreciation;

    ClosingTotals();
    /// Adds one row: its gain or loss, and its depreciation difference.
    void add(const ItemRow& row);
};

} // namespace velkor
