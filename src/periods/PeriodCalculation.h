#pragma once

#include "periods/PeriodTypes.h"

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

/// The carry coefficient TK = index(P's month) / index(Q's month), rounded to 5 decimals;
/// nothing when an index value is missing (`missingIndexMessage` names the month).
std::optional<double> carryCoefficient(const IndexValues& index, const QDate& periodEnd,
                                       const QDate& previousEnd);

/// "Yİ-ÜFE değeri bulunamadı: AA.YYYY. Endeks tablosunu güncelleyiniz."
QString missingIndexMessage(int monthKey);

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
/// AD of Q); nothing when the line was disposed of wholly on or before Q's end.
std::optional<PeriodLine> carryFromPrevious(const PeriodLine& lineOfQ);

/// Computes every line of P in place (coefficients, values, depreciation, explanations,
/// statuses and notes) and returns the totals; saves nothing. Throws ShownError with
/// `missingIndexMessage` when an index value is missing.
PeriodTotals computePeriod(const PeriodContext& context, std::vector<PeriodLine>& lines);

/// The open points that keep a period from being closed, as Turkish sentences (lines
/// "Hesaplanmadı", rows not carried); empty when it may be closed.
QStringList closingObstacles(const std::vector<PeriodLine>& lines, const std::vector<LeftOutRow>& leftOut);

} // namespace velkor
