#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

namespace velkor {

/// The account-group filter shared by the item list, the report list, the journal and
/// the voucher transfer: "Hepsi", "Stoklar", "SBK", "Özkaynaklar" and single codes.
struct AccountFilter {
    /// The WHERE line with "?" placeholders (empty for "Hepsi"): the codes are bound,
    /// never pasted into the SQL.
    QString whereLine;
    /// The values bound to the placeholders, in order.
    QVariantList params;

    /// Whether the filter selects every row.
    bool isEmpty() const { return whereLine.isEmpty(); }
};

namespace groups {
inline const QString kAll = QStringLiteral("Hepsi");
inline const QString kStocks = QStringLiteral("Stoklar");
inline const QString kFixedAssets = QStringLiteral("SBK");
inline const QString kEquity = QStringLiteral("Özkaynaklar");
} // namespace groups

/// The items of the item list's group combo `SBK_Ana_Combo`, in order.
QStringList itemListFilterItems();
/// The items of the journal filter `YevmiyeCombo` and of the report filter
/// `RaporListeCombo`, in order (the single codes without "549").
QStringList journalFilterItems();
/// The items of the report list filter `RaporListeCombo` (the journal's list).
QStringList reportFilterItems();
/// The items of the voucher transfer filter `FisTransferCombo`, in order (the single
/// codes without "171" to "177").
QStringList transferFilterItems();

/// The main accounts a group stands for: "Stoklar", "SBK", "Özkaynaklar" give their
/// fixed lists, a single code gives itself, "Hepsi" (or empty) gives an empty list.
QStringList accountsOfGroup(const QString& group);
/// The filter for a combo entry (by its text); an empty or "Hepsi" entry filters nothing.
AccountFilter accountFilter(const QString& group);
/// The filter for the text of an editable combo offering `items`: a text that is not one
/// of the items (typed by the user) filters nothing, like "Hepsi".
AccountFilter accountFilter(const QString& text, const QStringList& items);

} // namespace velkor
