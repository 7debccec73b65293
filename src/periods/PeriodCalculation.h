#pragma once

#include "periods/PeriodCarry.h"
#include "periods/PeriodCoefficients.h"

namespace velkor {

/// What a period's computation needs besides its lines.
struct PeriodContext {
    Period period;
    /// Q's end: 31.12.2023 for the base.
    QDate previousEnd;
    /// Whether an adjusted period of P's year came before P (the old monthly rule).
    bool adjustedEarlierInYear = false;
    /// Whether the calendar year before P's year had no adjusted period (298/A-7 note).
    bool afterYearWithoutAdjustment = false;
    IndexValues index;
};

/// Computes every line of P in place (coefficients, values, depreciation, explanations,
/// statuses and notes) and returns the totals; saves nothing. Throws ShownError with
/// `periodIndexMissingMessage` when an index value is missing, and then leaves every line
/// as it was.
PeriodTotals computePeriod(const PeriodContext& context, std::vector<PeriodLine>& lines);

/// The open points that keep a period from being closed, as Turkish sentences (lines
/// "Hesaplanmadı", rows not carried); empty when it may be closed.
QStringList closingObstacles(const std::vector<PeriodLine>& lines, const std::vector<LeftOutRow>& leftOut);

/// The sentence printed with "Beyana esas fark" (empty when it is 0).
QString declarationSentence(double declarationDifference);

} // namespace velkor
