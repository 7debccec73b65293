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
};

/// The items of the item list's group combo `SBK_Ana_Combo`, in order.
QStringList itemListFilterItems();
/// The main accounts a group stands for: "Stoklar", "SBK", "Özkaynaklar" give their
/// fixed lists, a single code gives itself, "Hepsi" (or empty) gives an empty list.
QStringList accountsOfGroup(const QString& group);
/// The filter for a combo entry (by its text); an empty or "Hepsi" entry filters nothing.
AccountFilter accountFilter(const QString& group);

} // namespace velkor
