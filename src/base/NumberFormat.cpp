#include "base/NumberFormat.h"

#include <QLocale>
#include <QVariant>
#include <charconv>
#include <cmath>
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
void decimalDigits(double value, std::string& digits, int& point) {
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    const std::string text(buffer, result.ptr);
    const size_t e = text.find('e');
    digits.clear();
    for (size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            digits += text[i];
    }
    point = std::stoi(text.substr(e + 1)) + 1;
}

/// Rounds the digits half away from zero so that `decimals` digits follow the point.
void roundDigits(std::string& digits, int& point, int decimals) {
    const int kept = point + decimals;
    if (kept < 0) {
        digits = "0";
        point = 1;
        return;
    }
    if (kept >= static_cast<int>(digits.size()))
        return;
    const bool up = digits[kept] >= '5';
    digits.resize(kept);
    if (up) {
        int i = kept - 1;
        while (i >= 0 && digits[i] == '9') {
            digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++digits[i];
        } else {
            digits.insert(digits.begin(), '1');
            ++point;
        }
    }
    if (digits.empty()) {
        digits = "0";
        point = 1;
    }
}

QString groupDigits(const QString& integer, QChar separator) {
    QString grouped;
    const int n = integer.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped += separator;
        grouped += integer.at(i);
    }
    return grouped;
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
    // Split the pattern into its number part and a literal tail (such as " %").
    int end = 0;
    while (end < pattern.size() && QStringLiteral("#0,.").contains(pattern.at(end)))
        ++end;
    const QString number = pattern.left(end);
    const QString tail = pattern.mid(end);
    const int dot = number.indexOf(QLatin1Char('.'));
    const QString integerPattern = dot < 0 ? number : number.left(dot);
    const QString fractionPattern = dot < 0 ? QString() : number.mid(dot + 1);
    const bool grouping = integerPattern.contains(QLatin1Char(','));
    const int minInteger = static_cast<int>(integerPattern.count(QLatin1Char('0')));
    const int minDecimals = static_cast<int>(fractionPattern.count(QLatin1Char('0')));
    const int maxDecimals = minDecimals + static_cast<int>(fractionPattern.count(QLatin1Char('#')));

    std::string digits;
    int point = 0;
    if (value == 0.0 || !std::isfinite(value)) {
        digits = "0";
        point = 1;
    } else {
        decimalDigits(value, digits, point);
        roundDigits(digits, point, maxDecimals);
    }

    QString integer;
    for (int i = 0; i < point; ++i)
        integer += i < static_cast<int>(digits.size()) ? QLatin1Char(digits[i]) : QLatin1Char('0');
    while (integer.startsWith(QLatin1Char('0')))
        integer.remove(0, 1);
    while (integer.size() < minInteger)
        integer.prepend(QLatin1Char('0'));

    QString fraction;
    for (int i = 0; i < maxDecimals; ++i) {
        const int index = point + i;
        fraction += index >= 0 && index < static_cast<int>(digits.size()) ? QLatin1Char(digits[index])
                                                                          : QLatin1Char('0');
    }
    while (fraction.size() > minDecimals && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);

    const Separators separators = regionalSeparators();
    QString result = grouping ? groupDigits(integer, separators.group) : integer;
    if (!fraction.isEmpty())
        result += separators.decimal + fraction;
    const bool zero = std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
    if (value < 0 && !zero)
        result.prepend(QLatin1Char('-'));
    return result + tail;
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
