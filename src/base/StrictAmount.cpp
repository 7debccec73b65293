#include "base/StrictAmount.h"

#include "base/NumberFormat.h"
#include "base/TextHelpers.h"

#include <algorithm>

namespace velkor {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The integer digits: plain, or grouped by three after a first group of one to three.
bool isIntegerPart(QStringView text, QChar group) {
    if (text.isEmpty())
        return false;
    if (!text.contains(group))
        return std::all_of(text.begin(), text.end(), isDigit);
    const QList<QStringView> groups = text.split(group);
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const QStringView part = groups.at(i);
        const bool sized = i == 0 ? part.size() >= 1 && part.size() <= 3 : part.size() == 3;
        if (!sized || !std::all_of(part.begin(), part.end(), isDigit))
            return false;
    }
    return true;
}

} // namespace

std::optional<double> ParseStrictAmount(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0.0;
    const Separators separators = regionalSeparators();
    QStringView rest(trimmed);
    if (rest.front() == QLatin1Char('+') || rest.front() == QLatin1Char('-'))
        rest = rest.mid(1);
    const qsizetype decimal = rest.indexOf(separators.decimal);
    const QStringView integer = decimal < 0 ? rest : rest.left(decimal);
    if (!isIntegerPart(integer, separators.group))
        return std::nullopt;
    if (decimal >= 0) {
        const QStringView decimals = rest.mid(decimal + 1);
        if (decimals.isEmpty() || !std::all_of(decimals.begin(), decimals.end(), isDigit))
            return std::nullopt;
    }
    // The form is sound; what is left to refuse is a value beyond what a field may hold.
    try {
        return ParseAmount(trimmed);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

} // namespace velkor
