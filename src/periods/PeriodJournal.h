#pragma once

#include "periods/PeriodCalculation.h"

namespace velkor {

/// The entries of a computed period in journal order: the lines by account and
/// sub-account (each with its AD entry), then the catch-ups, then 697 and the 698
/// closing by the period's "698 kapanışı" setting.
std::vector<PeriodEntry> periodEntries(const Period& period, const std::vector<PeriodLine>& lines,
                                       const PeriodTotals& totals);
/// The last of those entries: 697 and the 698 closing, from the totals alone. The period's
/// report prints them without the lines' entries.
std::vector<PeriodEntry> closingEntries(const Period& period, const PeriodTotals& totals);

/// The period's journal text in the 31.12.2023 layout with P's date; `filter` is the
/// heading's filter text as on the 31.12.2023 journal, `companyName` the heading's second
/// line.
QStringList periodJournalLines(const Period& period, const std::vector<PeriodEntry>& entries,
                               const QString& filter, const QString& companyName = QString());

} // namespace velkor
