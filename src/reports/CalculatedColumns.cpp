#include "reports/CalculatedColumns.h"

#include "engine/Rounding.h"

namespace velkor {

namespace {

bool hasLife(const QDate& entryDate, const QVariant& usefulLife) {
    return entryDate.isValid() && !usefulLife.isNull() && usefulLife.toDouble() > 0;
}

} // namespace

QVariant redemptionDateText(const QDate& entryDate, const QVariant& usefulLife) {
    if (!hasLife(entryDate, usefulLife))
        return {};
    const int year = entryDate.year() + usefulLife.toInt() - 1;
    QString day = QStringLiteral("%1").arg(entryDate.day(), 2, 10, QLatin1Char('0'));
    const QString month = QStringLiteral("%1").arg(entryDate.month(), 2, 10, QLatin1Char('0'));
    if (month == QLatin1String("02") && day == QLatin1String("29"))
        day = QStringLiteral("28");
    return day + QLatin1Char('.') + month + QLatin1Char('.') + QString::number(year);
}

QVariant depreciationRate(const QDate& entryDate, const QVariant& usefulLife) {
    if (!hasLife(entryDate, usefulLife))
        return {};
    return RoundDecimals(100.0 / usefulLife.toInt(), 2);
}

} // namespace velkor
