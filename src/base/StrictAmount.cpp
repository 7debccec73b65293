#include "base/StrictAmount.h"

#include "base/NumberFormat.h"
#include "base/TextHelpers.h"

#include <algorithm>

namespace velkor {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The integer part: plain digits, or groups of three after a first group of one to three.
bool isIntegerPart(QStringView digits, QChar group) {
    if (digits.isEmpty())
        return false;
    if (!digits.contains(group))
        return std::all_of(digits.begin(), digits.end(), isDigit);
    qsizetype start = 0;
    bool first = true;
    for (;;) {
        const qsizetype end = digits.indexOf(group, start);
        const QStringView part = digits.mid(start, end < 0 ? -1 : end - start);
        if (!std::all_of(part.begin(), part.end(), isDigit))
            return false;
        if (first ? (part.isEmpty() || part.size() > 3) : part.size() != 3)
            return false;
        if (end < 0)
            return true;
        first = false;
        start = end + 1;
    }
}

} // namespace

std::optional<double> ParseStrictAmount(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0.0;
    const Separators separators = regionalSeparators();
    QStringView rest(trimmed);
    if (rest.startsWith(QLatin1Char('+')) || rest.startsWith(QLatin1Char('-')))
        rest = rest.mid(1);
    const qsizetype decimal = rest.indexOf(separators.decimal);
    const QStringView integer = decimal < 0 ? rest : rest.left(decimal);
    if (!isIntegerPart(integer, separators.group))
        return std::nullopt;
    if (decimal >= 0) {
        const QStringView fraction = rest.mid(decimal + 1);
        if (fraction.isEmpty() || !std::all_of(fraction.begin(), fraction.end(), isDigit))
            return std::nullopt;
    }
    // What is left is an amount ParseAmount reads as written: the grouping separators are
    // the only characters it drops.
    return ParseAmount(trimmed);
}

} // namespace velkor
