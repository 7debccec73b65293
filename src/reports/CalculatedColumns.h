#pragma once

#include <QDate>
#include <QVariant>

namespace velkor {

/// `Itfa_Tarihi` of the report list: the last depreciation date, "dd.mm.yyyy" with the
/// year entry year + life − 1 and 29 February written as 28 February; null without an
/// entry date or a useful life greater than 0.
QVariant redemptionDateText(const QDate& entryDate, const QVariant& usefulLife);
/// `Amort_Oran` of the report list: 100 / life in percent, rounded to two decimals;
/// null in the same cases as redemptionDateText().
QVariant depreciationRate(const QDate& entryDate, const QVariant& usefulLife);

} // namespace velkor
