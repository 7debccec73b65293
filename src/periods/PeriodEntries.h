#pragma once

#include "periods/PeriodTypes.h"

namespace velkor {

// The entries of one line and the closings, each on its natural side. The totals of the
// computation and the journal both come from here, so that they cannot disagree.

/// The entries of a computed line: its difference (against 698, 697 for long-term
/// construction, or 549 for 258 under "Özel fon (549)") and its AD difference; none for a
/// line that is not computed or lies outside the period.
std::vector<PeriodEntry> lineEntries(const PeriodLine& line, const PeriodSettings& settings);
/// The same entries with their accounts, amounts and kinds only, without the descriptions
/// and explanations: what the totals are summed from.
std::vector<PeriodEntry> lineEntryAmounts(const PeriodLine& line, const PeriodSettings& settings);
/// The catch-up of a line under "Düzeltilmiş değerden yeniden": its expense account
/// against its AD account; nothing when it is 0.
std::optional<PeriodEntry> catchUpEntry(const PeriodLine& line, const PeriodSettings& settings);
/// 697 closed to 178 or 358 as at 31.12.2023; nothing when G697 = L697.
std::optional<PeriodEntry> constructionClosing(double g697, double l697);
/// 698 closed by the setting "698 kapanışı"; nothing when G698 = L698.
std::optional<PeriodEntry> resultClosing(double g698, double l698, ResultClosing closing);

/// The sums of the entries' credits and debits to 698 and 697.
void addToTotals(const PeriodEntry& entry, PeriodTotals& totals);

} // namespace velkor
