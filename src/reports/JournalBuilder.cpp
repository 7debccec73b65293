#include "reports/JournalBuilder.h"

#include "reports/ItemRow.h"
#include "reports/JournalLayout.h"
#include "reports/JournalRules.h"
#include "storage/Dataset.h"

namespace velkor {

QStringList journalBody(const Dataset& rows) {
    QStringList lines;
    if (rows.isEmpty())
        return lines;
    const ItemRowReader reader(rows);
    for (int i = 0; i < rows.recordCount(); ++i) {
        const ItemRow row = reader.read(i);
        if (isClosingRow(row)) {
            if (const auto entry = closingEntry(row))
                appendEntryBlock(lines, *entry);
        } else {
            for (const JournalEntry& entry : itemEntries(row))
                appendEntryBlock(lines, entry);
        }
    }
    lines << journalSeparator();
    return lines;
}

} // namespace velkor
