#include "reports/JournalLayout.h"

#include "base/NumberFormat.h"
#include "base/TextHelpers.h"

namespace velkor {

QString journalSeparator() {
    static const QString line = dateSeparator(42);
    return line;
}

QString journalSeparator(const QDate& date) {
    return dateSeparator(42, date);
}

QStringList journalHeader(const QString& companyName, const QString& filterText, const QDate& date) {
    return {QString(), companyName, QString(),
            date.toString(QStringLiteral("dd/MM/yyyy")) +
                QStringLiteral(" ENFLASYON DÜZELTMESİ YEVMİYE KAYITLARI - ") + filterText,
            QString()};
}

QString journalPostingLine(const QString& account, const QString& description, double amount) {
    return PadRight(12, account) + QLatin1Char(' ') + PadRight(40, description) + QLatin1Char(' ') +
           PadLeft(23, FormatFloat(patterns::kAmount, amount));
}

namespace {

void appendEntryLines(QStringList& lines, const QString& separator, const JournalEntry& entry) {
    static const QString indent(16, QLatin1Char(' '));
    lines << separator;
    lines << journalPostingLine(entry.debitAccount, entry.debitDescription, entry.amount);
    lines << QString();
    lines << indent + journalPostingLine(entry.creditAccount, entry.creditDescription, entry.amount);
    lines << QString();
    lines << entry.explanation;
}

} // namespace

void appendEntryBlock(QStringList& lines, const JournalEntry& entry) {
    appendEntryLines(lines, journalSeparator(), entry);
}

void appendEntryBlock(QStringList& lines, const JournalEntry& entry, const QDate& date) {
    appendEntryLines(lines, journalSeparator(date), entry);
}

} // namespace velkor
