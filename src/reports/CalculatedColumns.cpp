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
    // Written character by character: the report list gives every row this column.
    const int month = entryDate.month();
    const int day = month == 2 && entryDate.day() == 29 ? 28 : entryDate.day();
    const char16_t start[6] = {char16_t(u'0' + day / 10),   char16_t(u'0' + day % 10),   u'.',
                               char16_t(u'0' + month / 10), char16_t(u'0' + month % 10), u'.'};
    return QString(reinterpret_cast<const QChar*>(start), 6) + QString::number(year);
}

QVariant depreciationRate(const QDate& entryDate, const QVariant& usefulLife) {
    if (!hasLife(entryDate, usefulLife))
        return {};
    return RoundDecimals(100.0 / usefulLife.toInt(), 2);
}

} // namespace velkor
