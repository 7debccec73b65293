#include "periods/PeriodExplanation.h"

#include "base/NumberFormat.h"
#include "engine/ExplanationText.h"
#include "engine/MonthKey.h"

namespace velkor {

namespace {

QString coefficient(double value) {
    return FormatFloat(patterns::kCoefficient, value);
}

} // namespace

QString carriedExplanation(double book, double carryCoefficient) {
    return QStringLiteral("Önceki dönem düzeltilmiş değeri (") + amountText(book) +
           QStringLiteral(") Taşıma katsayısı (") + coefficient(carryCoefficient) +
           QStringLiteral(") ile düzeltilmiştir.");
}

QString readjustedExplanation(double book, double coefficient_, const QDate& lastAdjusted) {
    return QStringLiteral("Son düzeltilmiş değeri (") + amountText(book) + QStringLiteral(") X (") +
           coefficient(coefficient_) + QStringLiteral(") Katsayı ile Düzeltilmiştir. Son düzeltme: ") +
           MonthKeyText(MonthKey(lastAdjusted));
}

QString newItemExplanation(double book, double coefficient_, const QDate& entry) {
    return QStringLiteral("Varlık Net Değeri (") + amountText(book) + QStringLiteral(") X (") +
           coefficient(coefficient_) + QStringLiteral(") Katsayı ile Düzeltilmiştir. Giriş: ") +
           MonthKeyText(MonthKey(entry));
}

QString simpleAverageExplanation(double balance, double coefficient_) {
    return QStringLiteral("Dönem sonu stok (") + amountText(balance) + QStringLiteral(") X (") +
           coefficient(coefficient_) + QStringLiteral(") Basit Ortalama katsayısı ile düzeltilmiştir.");
}

QString accumulatedExplanation(double accumulated, double coefficient_) {
    return QStringLiteral("Birikmiş Amortisman (") + amountText(accumulated) + QStringLiteral(") X (") +
           coefficient(coefficient_) + QStringLiteral(") Katsayı ile Düzeltilmiştir.");
}

QString catchUpExplanation(double newMonthly, double oldMonthly, int units, bool quarterly) {
    return QStringLiteral("Düzeltilmiş değerden amortisman farkı ((") + amountText(newMonthly) +
           QStringLiteral(" - ") + amountText(oldMonthly) + QStringLiteral(") X ") + QString::number(units) +
           (quarterly ? QStringLiteral(" üç aylık dönem)") : QStringLiteral(" ay)"));
}

} // namespace velkor
