#include "periods/PeriodCoefficients.h"

#include "base/ShownError.h"
#include "engine/MonthKey.h"
#include "engine/Rounding.h"

namespace velkor {

QString periodIndexMissingMessage(int monthKey) {
    return QStringLiteral("Yİ-ÜFE değeri bulunamadı: ") + MonthKeyText(monthKey) +
           QStringLiteral(". Endeks tablosunu güncelleyiniz.");
}

namespace {

std::optional<double> lookup(const IndexValues& index, const QDate& date) {
    if (!index)
        return std::nullopt;
    const std::optional<double> value = index(MonthKey(date));
    // A value of 0 would divide by zero: the table is as incomplete as without the month.
    if (!value || *value == 0.0)
        return std::nullopt;
    return value;
}

} // namespace

double periodIndex(const IndexValues& index, const QDate& date) {
    const std::optional<double> value = lookup(index, date);
    if (!value)
        throw ShownError(periodIndexMissingMessage(MonthKey(date)));
    return *value;
}

std::optional<double> carryCoefficient(const IndexValues& index, const QDate& periodEnd,
                                       const QDate& previousEnd) {
    const std::optional<double> current = lookup(index, periodEnd);
    const std::optional<double> previous = lookup(index, previousEnd);
    if (!current || !previous)
        return std::nullopt;
    return RoundDecimals(*current / *previous, 5);
}

double periodCoefficient(const IndexValues& index, const QDate& periodEnd, const QDate& from) {
    const double base = periodIndex(index, from);
    return RoundDecimals(periodIndex(index, periodEnd) / base, 5);
}

QDate averageBaseMonth(AverageBase base, const QDate& periodEnd, const QDate& previousEnd) {
    if (base == AverageBase::LastAdjustedPeriod)
        return previousEnd;
    const QDate earlier = periodEnd.addMonths(-3);
    return QDate(earlier.year(), earlier.month(), earlier.daysInMonth());
}

double simpleAverageCoefficient(const IndexValues& index, const QDate& periodEnd, const QDate& baseMonth) {
    const double beginning = periodIndex(index, baseMonth);
    const double end = periodIndex(index, periodEnd);
    return RoundDecimals(end / ((end + beginning) / 2), 5);
}

} // namespace velkor
