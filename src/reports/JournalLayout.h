#pragma once

#include "reports/JournalRules.h"

#include <QStringList>

namespace velkor {

/// The separator line of the journal: 42 "-", the journal's date ("31/12/2023"), 42 "-".
QString journalSeparator();
QString journalSeparator(const QDate& date);
/// The five header lines: empty, the company name, empty, the title (the journal's date,
/// "31/12/2023" unless given) ending with the filter text, empty.
QStringList journalHeader(const QString& companyName, const QString& filterText,
                          const QDate& date = QDate(2023, 12, 31));
/// A posting line: account in 12 columns, description in 40, amount right-aligned in 23,
/// one blank between them; longer values are written whole.
QString journalPostingLine(const QString& account, const QString& description, double amount);
/// Appends the lines of an entry block: separator, debit line, empty line, credit line
/// indented by 16 blanks, empty line, the explanation lines.
void appendEntryBlock(QStringList& lines, const JournalEntry& entry);
/// The same for a journal of another date than 31.12.2023.
void appendEntryBlock(QStringList& lines, const JournalEntry& entry, const QDate& date);

} // namespace velkor
