#include "periods/PeriodJournal.h"

#include "periods/PeriodAccounts.h"
#include "periods/PeriodEntries.h"
#include "reports/JournalLayout.h"

#include <algorithm>

namespace velkor {

namespace {

QString dateSeparator(const QDate& end) {
    const QString run(42, QLatin1Char('-'));
    return run + end.toString(QStringLiteral("dd/MM/yyyy")) + run;
}

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
    if (auto entry = constructionClosing(totals.g697, totals.l697))
        entries.push_back(std::move(*entry));
    if (auto entry = resultClosing(totals.g698, totals.l698, period.settings.closing))
        entries.push_back(std::move(*entry));
    return entries;
}

QStringList periodJournalLines(const Period& period, const std::vector<PeriodEntry>& entries,
                               const QString& filter, const QString& companyName) {
    QStringList lines{QString(), companyName, QString(),
                      period.end.toString(QStringLiteral("dd/MM/yyyy")) +
                          QStringLiteral(" ENFLASYON DÜZELTMESİ YEVMİYE KAYITLARI - ") + filter,
                      QString()};
    if (entries.empty())
        return lines;
    const QString separator = dateSeparator(period.end);
    static const QString indent(16, QLatin1Char(' '));
    for (const PeriodEntry& entry : entries) {
        lines << separator;
        lines << journalPostingLine(entry.debitAccount, entry.debitDescription, entry.amount);
        lines << QString();
        lines << indent + journalPostingLine(entry.creditAccount, entry.creditDescription, entry.amount);
        lines << QString();
        lines << entry.explanation.split(QLatin1Char('\n'));
    }
    lines << separator;
    return lines;
}

} // namespace velkor
