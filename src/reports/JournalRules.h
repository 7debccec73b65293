#pragma once

#include "reports/ItemRow.h"

#include <QStringList>
#include <optional>
#include <vector>

namespace velkor {

/// One adjustment entry: a debit line and a credit line of the same amount, followed by
/// its explanation lines.
struct JournalEntry {
    QString debitAccount;
    QString debitDescription;
    QString creditAccount;
    QString creditDescription;
    double amount = 0;
    QStringList explanation;
};

namespace journal {
inline const QString kAdjustmentAccount = QStringLiteral("698");
inline const QString kAdjustmentDescription = QStringLiteral("ENFLASYON DÜZELTME HESABI");
inline const QString kConstructionAccount = QStringLiteral("697");
inline const QString kConstructionDescription =
    QStringLiteral("YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME HESABI");
} // namespace journal

/// Whether the journal turns the row into a closing entry rather than item entries: a
/// main account of 600 or more, or "178" or "358".
bool isClosingRow(const ItemRow& row);
/// The entries of an item row: none when it is not eligible, else the adjustment entry
/// and, for a fixed asset with a depreciation difference, the depreciation entry.
std::vector<JournalEntry> itemEntries(const ItemRow& row);
/// The entry of a closing row written by the closing step ("698" or "697"); none for
/// any other closing account.
std::optional<JournalEntry> closingEntry(const ItemRow& row);
/// The note of an item kind (`Hesaplama_Yontemi`), empty when the kind has none.
QString kindNote(const QString& kind);

} // namespace velkor
