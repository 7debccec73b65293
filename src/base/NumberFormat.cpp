#include "base/NumberFormat.h"

#include <QLocale>
#include <QVariant>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>

namespace velkor {

namespace {

std::optional<Separators> g_override;

Separators detectSeparators() {
    QString name;
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            break;
    }
    const QString bare = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (bare.isEmpty() || bare == QLatin1String("C") || bare == QLatin1String("POSIX"))
        return {QLatin1Char('.'), QLatin1Char(',')};
    const QLocale locale(bare);
    const QString group = locale.groupSeparator();
    const QString decimal = locale.decimalPoint();
    return {group.isEmpty() ? QLatin1Char('.') : group.at(0),
            decimal.isEmpty() ? QLatin1Char(',') : decimal.at(0)};
}

/// The decimal digits of |value| with the position of the decimal point: value is
/// 0.digits × 10^point. Uses the shortest text that reads back as the same double.
/// Returns the number of digits written to `digits` (at most 17).
int decimalDigits(double value, char* digits, int& point) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    const char* e = std::find(buffer, result.ptr, 'e');
    int count = 0;
    for (const char* c = buffer; c != e; ++c) {
        if (*c != '.')
            digits[count++] = *c;
    }
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), result.ptr, exponent);
    point = exponent + 1;
    return count;
}

/// Rounds the digits half away from zero so that `decimals` digits follow the point.
/// `digits` has room for one more digit than it holds; returns the new count.
int roundDigits(char* digits, int count, int& point, int decimals) {
    const int kept = point + decimals;
    if (kept < 0) {
        digits[0] = '0';
        point = 1;
        return 1;
    }
    if (kept >= count)
        return count;
    const bool up = digits[kept] >= '5';
    count = kept;
    if (up) {
        int i = kept - 1;
        while (i >= 0 && digits[i] == '9') {
            digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++digits[i];
        } else {
            std::memmove(digits + 1, digits, static_cast<size_t>(count));
            digits[0] = '1';
            ++count;
            ++point;
        }
    }
    if (count == 0) {
        digits[0] = '0';
        point = 1;
        count = 1;
    }
    return count;
}

/// What a pattern such as "#,##0.00 %" asks for.
struct NumberPattern {
    bool grouping = false;
    int minInteger = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    QStringView tail;
};

// Read character by character: lists and journals format every amount of every row,
// and splitting the pattern into strings each time cost more than the number itself.
NumberPattern readPattern(QStringView pattern) {
    NumberPattern p;
    qsizetype end = 0;
    bool fraction = false;
    for (; end < pattern.size(); ++end) {
        const char16_t c = pattern[end].unicode();
        if (c != u'#' && c != u'0' && c != u',' && c != u'.')
            break;
        if (c == u'.' && !fraction) {
            fraction = true;
        } else if (!fraction) {
            p.grouping = p.grouping || c == u',';
            p.minInteger += c == u'0';
        } else {
            p.minDecimals += c == u'0';
            p.maxDecimals += c == u'#';
        }
    }
    p.maxDecimals += p.minDecimals;
    p.tail = pattern.mid(end);
    return p;
}

} // namespace

Separators regionalSeparators() {
    if (g_override)
        return *g_override;
    static const Separators detected = detectSeparators();
    return detected;
}

void setRegionalSeparators(Separators separators) {
    g_override = separators;
}

void resetRegionalSeparators() {
    g_override.reset();
}

QString FormatFloat(const QString& pattern, double value) {
    const NumberPattern p = readPattern(pattern);

    char digits[24];
    int count = 1;
    int point = 1;
    digits[0] = '0';
    if (value != 0.0 && std::isfinite(value)) {
        count = decimalDigits(value, digits, point);
        count = roundDigits(digits, count, point, p.maxDecimals);
    }
    const auto digitAt = [&](int index) -> char16_t {
        return index >= 0 && index < count ? char16_t(digits[index]) : u'0';
    };

    // The integer digits without leading zeros, then padded to the least count.
    int firstInteger = 0;
    while (firstInteger < point && digitAt(firstInteger) == u'0')
        ++firstInteger;
    const int integerDigits = std::max(point - firstInteger, 0);
    const int integerWidth = std::max(integerDigits, p.minInteger);

    int fractionWidth = p.maxDecimals;
    while (fractionWidth > p.minDecimals && digitAt(point + fractionWidth - 1) == u'0')
        --fractionWidth;

    const bool zero = std::all_of(digits, digits + count, [](char c) { return c == '0'; });
    const bool negative = value < 0 && !zero;
    const Separators separators = regionalSeparators();

    QString result(qsizetype(negative) + integerWidth + (p.grouping ? integerWidth / 3 : 0) +
                       (fractionWidth > 0 ? 1 + fractionWidth : 0) + p.tail.size(),
                   Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(result.data());
    char16_t* const begin = out;
    if (negative)
        *out++ = u'-';
    for (int i = 0; i < integerWidth; ++i) {
        if (p.grouping && i > 0 && (integerWidth - i) % 3 == 0)
            *out++ = separators.group.unicode();
        const int pad = integerWidth - integerDigits;
        *out++ = i < pad ? u'0' : digitAt(firstInteger + i - pad);
    }
    if (fractionWidth > 0) {
        *out++ = separators.decimal.unicode();
        for (int i = 0; i < fractionWidth; ++i)
            *out++ = digitAt(point + i);
    }
    for (const QChar c : p.tail)
        *out++ = c.unicode();
    result.truncate(out - begin);
    return result;
}

QString FormatGeneral(double value) {
    if (value == 0.0 || !std::isfinite(value))
        return QStringLiteral("0");
    char buffer[64];
    auto r =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    const std::string text(buffer, r.ptr);
    const size_t e = text.find('e');
    std::string digits;
    for (size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            digits += text[i];
    }
    const int exponent = std::stoi(text.substr(e + 1));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const QChar decimal = regionalSeparators().decimal;
    QString result;
    if (exponent >= 15 || exponent < -5) {
        result = QLatin1Char(digits[0]);
        if (digits.size() > 1)
            result += decimal + QString::fromStdString(digits.substr(1));
        result += QStringLiteral("E") + (exponent < 0 ? QStringLiteral("-") : QStringLiteral("+")) +
                  QString::number(std::abs(exponent));
    } else if (exponent < 0) {
        result = QStringLiteral("0") + decimal + QString(-exponent - 1, QLatin1Char('0')) +
                 QString::fromStdString(digits);
    } else {
        const int integerDigits = exponent + 1;
        QString all = QString::fromStdString(digits);
        while (all.size() < integerDigits)
            all += QLatin1Char('0');
        result = all.left(integerDigits);
        if (all.size() > integerDigits)
            result += decimal + all.mid(integerDigits);
    }
    return value < 0 ? QLatin1Char('-') + result : result;
}

QString FormatDate(const QDate& date) {
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QDate ParseDate(const QString& text) {
    QDate date = QDate::fromString(text.trimmed(), QStringLiteral("dd.MM.yyyy"));
    if (!date.isValid())
        date = QDate::fromString(text.trimmed(), QStringLiteral("d.M.yyyy"));
    return date;
}

bool holdsNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

} // namespace velkor
