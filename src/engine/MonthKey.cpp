#include "engine/MonthKey.h"

#include <QString>

namespace velkor {

int MonthKey(int year, int month) {
    return (QString::number(year) + QString::number(month)).toInt();
}

int MonthKey(const QDate& date) {
    return MonthKey(date.year(), date.month());
}

QString MonthKeyText(int key) {
    // Months 10 to 12 have six-digit keys, January to September five.
    const QString text = QString::number(key);
    const bool twoDigitMonth = text.size() == 6;
    const QString year = text.left(4);
    const QString month = twoDigitMonth ? text.mid(4, 2) : QStringLiteral("0") + text.mid(4, 1);
    return month + QLatin1Char('.') + year;
}

} // namespace velkor
