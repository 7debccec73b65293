#pragma once

#include <QDate>
#include <QString>

namespace velkor {

// The explanation lines of a period's journal entries, in the wording of the 31.12.2023
// journal where the entry is of the same kind.

/// "Önceki dönem düzeltilmiş değeri (X) Taşıma katsayısı (TK) ile düzeltilmiştir."
QString carriedExplanation(double book, double carryCoefficient);
/// A line adjusted again after periods without it, from the month it was adjusted to last.
QString readjustedExplanation(double book, double coefficient, const QDate& lastAdjusted);
/// "Varlık Net Değeri (X) X (C) Katsayı ile Düzeltilmiştir. Giriş: AA.YYYY"
QString newItemExplanation(double book, double coefficient, const QDate& entry);
/// "Dönem sonu stok (X) X (C) Basit Ortalama katsayısı ile düzeltilmiştir."
QString simpleAverageExplanation(double balance, double coefficient);
/// "Birikmiş Amortisman (X) X (C) Katsayı ile Düzeltilmiştir."
QString accumulatedExplanation(double accumulated, double coefficient);
/// "Düzeltilmiş değerden amortisman farkı ((new - old) X n ay)"; quarters under quarterly booking.
QString catchUpExplanation(double newMonthly, double oldMonthly, int units, bool quarterly);

} // namespace velkor
