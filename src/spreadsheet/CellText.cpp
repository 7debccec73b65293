#include "spreadsheet/CellText.h"

#include "base/NumberFormat.h"

#include <QTime>
#include <cmath>

namespace velkor {

QString numberCellText(double value) {
    return FormatGeneral(value);
}

QString dateCellText(const QDate& date) {
    return FormatDate(date);
}

QString timeCellText(double dayFraction) {
    const double fraction = dayFraction - std::floor(dayFraction);
    const int seconds = static_cast<int>(std::llround(fraction * 86400.0)) % 86400;
    return QTime(0, 0).addSecs(seconds).toString(QStringLiteral("hh:mm:ss"));
}

QDate serialToDate(double serial, const QDate& origin) {
    if (!std::isfinite(serial) || serial < 0)
        return {};
    return origin.addDays(static_cast<qint64>(std::floor(serial + 1e-9)));
}

NumberFormatKind numberFormatKind(std::size_t identifier, std::string_view code) {
    if ((identifier >= 14 && identifier <= 17) || identifier == 22)
        return NumberFormatKind::Date;
    if ((identifier >= 18 && identifier <= 21) || (identifier >= 45 && identifier <= 47))
        return code.empty() ? NumberFormatKind::Time : numberFormatKind(0, code);
    // Names of the general format; their letters are no date codes.
    for (const std::string_view general : {"General", "GENERAL", "Standard", "@"})
        if (code == general)
            return NumberFormatKind::Number;
    bool date = false;
    bool time = false;
    bool inQuotes = false;
    bool inBrackets = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (inQuotes) {
            inQuotes = c != '"';
            continue;
        }
        if (inBrackets) {
            // Elapsed-time codes such as [h] count as time; colours and locales do not.
            if (c == ']')
                inBrackets = false;
            else if (c == 'h' || c == 'H' || c == 's' || c == 'S')
                time = true;
            continue;
        }
        switch (c) {
        case '"':
            inQuotes = true;
            break;
        case '[':
            inBrackets = true;
            break;
        case '\\':
        case '_':
        case '*':
            ++i;
            break;
        case ';':
            // The first section decides, as it does for positive values.
            i = code.size();
            break;
        case 'd':
        case 'D':
        case 'y':
        case 'Y':
            date = true;
            break;
        case 'm':
        case 'M':
            // "m" means minutes next to hours or seconds, months otherwise.
            date = true;
            break;
        case 'h':
        case 'H':
        case 's':
        case 'S':
            time = true;
            break;
        default:
            break;
        }
    }
    if (time && !date)
        return NumberFormatKind::Time;
    if (time && date) {
        // h:mm or mm:ss: the m is minutes, so no date part unless d or y is present.
        bool dayOrYear = false;
        for (char c : code)
            if (c == 'd' || c == 'D' || c == 'y' || c == 'Y')
                dayOrYear = true;
        return dayOrYear ? NumberFormatKind::Date : NumberFormatKind::Time;
    }
    return date ? NumberFormatKind::Date : NumberFormatKind::Number;
}

} // namespace velkor
