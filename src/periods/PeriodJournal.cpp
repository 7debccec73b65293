#include "periods/PeriodJournal.h"

#include "periods/PeriodAccounts.h"
#include "periods/PeriodEntries.h"
#include "reports/JournalLayout.h"

#include <algorithm>

namespace velkor {

namespace {

bool accountOrder(const PeriodLine* a, const PeriodLine* b) {
    const int na = accountNumber(a->account);
    const int nb = accountNumber(b->account);
    if (na != nb)
        return na < nb;
    if (a->account != b->account)
        return a->account < b->account;
    return a->subAccount < b->subAccount;
}

} // namespace

std::vector<PeriodEntry> periodEntries(const Period& period, const std::vector<PeriodLine>& lines,
                                       const PeriodTotals& totals) {
    // The account numbers are read once a line, not at every comparison of the sort.
    std::vector<std::pair<int, const PeriodLine*>> keyed;
    keyed.reserve(lines.size());
    for (const PeriodLine& line : lines)
        keyed.emplace_back(accountNumber(line.account), &line);
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        return accountOrder(a.second, b.second);
    });
    std::vector<const PeriodLine*> ordered;
    ordered.reserve(keyed.size());
    for (const auto& entry : keyed)
        ordered.push_back(entry.second);

    std::vector<PeriodEntry> entries;
    for (const PeriodLine* line : ordered) {
        for (PeriodEntry& entry : lineEntries(*line, period.settings))
            entries.push_back(std::move(entry));
    }
    for (const PeriodLine* line : ordered) {
        if (auto entry = catchUpEntry(*line, period.settings))
            entries.push_back(std::move(*entry));
    }
    for (PeriodEntry& entry : closingEntries(period, totals))
        entries.push_back(std::move(entry));
    return entries;
}

std::vector<PeriodEntry> closingEntries(const Period& period, const PeriodTotals& totals) {
    std::vector<PeriodEntry> entries;
    if (auto entry = constructionClosing(totals.g697, totals.l697))
        entries.push_back(std::move(*entry));
    if (auto entry = resultClosing(totals.g698, totals.l698, period.settings.closing))
        entries.push_back(std::move(*entry));
    return entries;
}

QStringList periodJournalLines(const Period& period, const std::vector<PeriodEntry>& entries,
                               const QString& filter, const QString& companyName) {
    QStringList lines = journalHeader(companyName, filter, period.end);
    if (entries.empty())
        return lines;
    for (const PeriodEntry& entry : entries) {
        appendEntryBlock(lines,
                         JournalEntry{entry.debitAccount, entry.debitDescription, entry.creditAccount,
                                      entry.creditDescription, entry.amount,
                                      entry.explanation.split(QLatin1Char('\n'))},
                         period.end);
    }
    lines << journalSeparator(period.end);
    return lines;
}

} // namespace velkor
