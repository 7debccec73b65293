#pragma once

#include "periods/PeriodTypes.h"

namespace velkor {

// How the lines of a period come from its previous adjusted period Q: from the rows of the
// 31.12.2023 table when Q is the base, or from the lines of a later Q.

/// "31.12.2023 düzeltmesi eksik: önce 31.12.2023 çalışmasında düzeltiniz."
QString baseAdjustmentMissingReason();
/// The note of a stock line of the simple average whose period-end balance is still empty.
QString stockBalanceMissingNote();

/// The line a 31.12.2023 row becomes in a period whose Q is the base, or the reason it is
/// not carried. Rows that are never carried (257, 268, the closing accounts, the accounts
/// closed into 698) give neither: both results empty.
struct BaseCarry {
    std::optional<PeriodLine> line;
    std::optional<LeftOutRow> leftOut;
};
BaseCarry carryFromBase(const BaseRow& row);
/// The line of the 2023 adjustment result made from the 698 closing row (570.698 /
/// 580.698), nothing when the result is 0.
std::optional<PeriodLine> resultLineFromBase(const BaseRow& closing698);
/// The line of P a line of Q becomes (Q's adjusted value and AD as P's book value and
/// AD of Q); nothing when the line was disposed of wholly. A disposal share applied in Q
/// is inside Q's values and is not carried again; a line Q left unadjusted keeps its
/// value and the month it was adjusted to last, and is adjusted again from that month.
std::optional<PeriodLine> carryFromPrevious(const PeriodLine& lineOfQ);

} // namespace velkor
