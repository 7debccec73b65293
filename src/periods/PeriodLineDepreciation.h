#pragma once

#include "periods/PeriodTypes.h"

namespace velkor {

/// The values of a depreciable line as P adjusts them: after a disposal share and an
/// internal transfer, before the coefficient.
struct DepreciationBasis {
    double book = 0;
    double accumulatedOfQ = 0;
    double bookedSinceQ = 0;
    std::optional<double> previousNewMonthly;
    /// The share of a partial disposal: the monthly depreciation is that of the item as it
    /// stood, times the share (book value and AD above are already shared).
    double share = 1;
    double bookBeforeShare = 0;
    double coefficient = 0;
    double adjustedValue = 0;
    /// The first month whose depreciation is not inside the AD of Q: the month after
    /// 31.12.2023 (its AD holds the whole year), the last month of a later Q (booked on the
    /// adjusted value after Q's adjustment), or the entry month of a new item.
    QDate firstOutside;
    QDate periodEnd;
};

/// What the depreciation of a line came to.
struct DepreciationOutcome {
    /// The DP must be typed for this method ("Hızlandırılmış", "Kıst"); nothing was computed.
    bool needsTypedDepreciation = false;
    /// Book value less everything booked before P's last month (DP included): 0 or less
    /// means fully depreciated.
    double netBefore = 0;
};

/// "Bu amortisman yönteminde dönem amortismanını giriniz."
QString typedDepreciationNote();

/// Fills DP, AD before, adjusted AD and its difference, the old and new monthly
/// depreciation, the catch-up, the last month's depreciation and the AD at P's end of a
/// depreciable line by the period's settings. r is 1 / useful life, never the rounded rate.
DepreciationOutcome computeLineDepreciation(PeriodLine& line, const DepreciationBasis& basis,
                                            const PeriodSettings& settings);

} // namespace velkor
