#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace velkor {

namespace depreciation {
inline const QString kNormal = QStringLiteral("Normal");
inline const QString kDeclining = QStringLiteral("Hızlandırılmış");
inline const QString kPartYear = QStringLiteral("Kıst");
inline const QString kMissingInputs =
    QStringLiteral("Amortisman hesaplamak için tutar ve süre girilmesi zorunludur!");
} // namespace depreciation

/// Years of use: adjustment year − entry year + 1 (both years counted in full).
int yearsOfUse(const QDate& entry, const QDate& adjustment);
/// The accumulated depreciation of book value K over a useful life of N years after Y
/// years of use: K when the life is used up (N ≤ Y); otherwise "Normal" K / N × Y,
/// "Kıst" the same less the months of the entry year before the entry month,
/// "Hızlandırılmış" the declining balance at twice the straight-line rate. Y of 0 or
/// less gives 0. Nothing for any other method text.
std::optional<double> accumulatedDepreciation(const QString& method, double bookValue, int life, int years,
                                              int entryMonth);
/// The straight-line rate 100 / N in percent.
double straightLineRate(double life);
/// The write-off date: the entry date moved N − 1 years ahead (29 February gives 28 February).
QDate writeOffDate(const QDate& entry, int life);

} // namespace velkor
