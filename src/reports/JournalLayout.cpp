#include "reports/JournalLayout.h"

#include "base/NumberFormat.h"
#include "base/TextHelpers.h"

namespace velkor {

QString journalSeparator() {
    static const QString line = dateSeparator(42);
    return line;
}

QStringList journalHeader(const QString& companyName, const QString& filterText) {
    return {QString(), companyName, QString(),
            QStringLiteral("31/12/2023 ENFLASYON DÜZELTMESİ YEVMİYE KAYITLARI - ") + filterText, QString()};
}

QString journalPostingLine(const QString& account, const QString& description, double amount) {
    return PadRight(12, account) + QLatin1Char(' ') + PadRight(40, description) + QLatin1Char(' ') +
           PadLeft(23, FormatFloat(patterns::kAmount, amount));
}

void appendEntryBlock(QStringList& lines, const JournalEntry& entry) {
    static const QString indent(16, QLatin1Char(' '));
    lines << journalSeparator();
    lines << journalPostingLine(entry.debitAccount, entry.debitDescription, entry.amount);
    lines << QString();
    lines << indent + journalPostingLine(entry.creditAccount, entry.creditDescription, entry.amount);
    lines << QString();
    lines << entry.explanation;
}

} // namespace velkor
