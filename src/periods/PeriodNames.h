#pragma once

#include "periods/PeriodTypes.h"

#include <QStringList>

namespace velkor {

// The Turkish names the screens, the reports and the command line give the states,
// kinds, statuses and settings of a period. Every text of a choice is read back through
// these lists, so a stored or typed name and the one shown never drift apart.

QString periodStateName(PeriodState state);
QString periodKindName(PeriodKind kind);
/// "Devreden", "Devreden (ara verilmiş)", "Yeni", "Basit Ortalama", "Hesaplanmadı", "Dışarıda".
QString lineStatusName(const PeriodLine& line);

/// The choices of each setting in the order of its enum, the default first.
QStringList depreciationChoices();
QStringList bookingChoices();
QStringList closingChoices();
QStringList averageBaseChoices();
QStringList yesNoChoices();
QStringList investmentChoices();
/// "", "Gerçek Yöntem", "Basit Ortalama", "Hareketli Ağırlıklı Ortalama" (PeriodStockMethod order).
QStringList stockMethodChoices();

} // namespace velkor
