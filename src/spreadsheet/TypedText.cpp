#include "spreadsheet/TypedText.h"

#include <charconv>
#include <optional>
#include <string>

namespace velkor {

namespace {

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

/// Reads a run of ASCII digits from `at`; returns how many there were.
qsizetype digitRun(QStringView text, qsizetype at) {
    qsizetype end = at;
    while (end < text.size() && isAsciiDigit(text[end]))
        ++end;
    return end - at;
}

// "d.m.yyyy" with one or two digits for the day and the month, as the pattern
// ^(\d{1,2})\.(\d{1,2})\.(\d{4})$ reads it (its end also matches before one final line
// break). Read by hand: a workbook voucher resolves every one of its cells.
std::optional<QDate> typedDate(QStringView text) {
    if (text.endsWith(u'\n'))
        text.chop(1);
    const qsizetype dayDigits = digitRun(text, 0);
    if (dayDigits < 1 || dayDigits > 2 || dayDigits >= text.size() || text[dayDigits] != u'.')
        return std::nullopt;
    const qsizetype monthAt = dayDigits + 1;
    const qsizetype monthDigits = digitRun(text, monthAt);
    const qsizetype yearAt = monthAt + monthDigits + 1;
    if (monthDigits < 1 || monthDigits > 2 || yearAt > text.size() || text[yearAt - 1] != u'.')
        return std::nullopt;
    if (digitRun(text, yearAt) != 4 || yearAt + 4 != text.size())
        return std::nullopt;
    const QDate date(text.mid(yearAt, 4).toInt(), text.mid(monthAt, monthDigits).toInt(),
                     text.left(dayDigits).toInt());
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

// A sign, digits with "." thousands groups or none, and a "," decimal part, as the
// pattern ^([+-]?)(\d{1,3}(?:\.\d{3})+|\d+)(?:,(\d+))?$ reads it. The digits are gathered
// as plain ASCII and converted by the standard library, correctly rounded like any other
// reader of the number but without a locale's detour: a workbook voucher resolves every
// one of its cells.
std::optional<double> typedNumber(QStringView text) {
    qsizetype at = 0;
    const bool negative = !text.isEmpty() && text[0] == u'-';
    if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'+'))
        ++at;
    std::string plain;
    plain.reserve(static_cast<size_t>(text.size()));
    const auto take = [&plain, text](qsizetype from, qsizetype count) {
        for (qsizetype i = from; i < from + count; ++i)
            plain += static_cast<char>(text[i].unicode());
    };
    const qsizetype lead = digitRun(text, at);
    if (lead < 1)
        return std::nullopt;
    take(at, lead);
    at += lead;
    if (at < text.size() && text[at] == u'.') {
        if (lead > 3)
            return std::nullopt;
        while (at < text.size() && text[at] == u'.') {
            if (digitRun(text, at + 1) != 3)
                return std::nullopt;
            take(at + 1, 3);
            at += 4;
        }
    }
    if (at < text.size() && text[at] == u',') {
        const qsizetype decimals = digitRun(text, at + 1);
        if (decimals < 1)
            return std::nullopt;
        plain += '.';
        take(at + 1, decimals);
        at += 1 + decimals;
    }
    if (at != text.size())
        return std::nullopt;
    double parsed = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), parsed);
    if (error != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return negative ? -parsed : parsed;
}

} // namespace

TypedValue resolveTypedText(const QString& text) {
    TypedValue value;
    if (text.isEmpty()) {
        return value;
    }
    if (text.startsWith(QLatin1Char('\''))) {
        value.kind = TypedValue::Kind::Text;
        value.text = text.mid(1);
        return value;
    }
    // Dates and numbers start with a digit or a sign; most texts can stop here.
    const QString trimmed = text.trimmed();
    const QChar lead = trimmed.isEmpty() ? QChar() : trimmed.front();
    if (!lead.isDigit() && lead != QLatin1Char('+') && lead != QLatin1Char('-')) {
        value.kind = TypedValue::Kind::Text;
        value.text = text;
        return value;
    }
    if (const std::optional<QDate> date = typedDate(text)) {
        value.kind = TypedValue::Kind::Date;
        value.date = *date;
        return value;
    }
    if (const std::optional<double> number = typedNumber(trimmed)) {
        value.kind = TypedValue::Kind::Number;
        value.number = *number;
        return value;
    }
    value.kind = TypedValue::Kind::Text;
    value.text = text;
    return value;
}

QString invariantNumberFormat(const QString& localFormat) {
    QString result;
    result.reserve(localFormat.size());
    bool quoted = false;
    for (qsizetype i = 0; i < localFormat.size(); ++i) {
        const QChar c = localFormat.at(i);
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (!quoted && c == QLatin1Char('\\') && i + 1 < localFormat.size()) {
            result += c;
            result += localFormat.at(++i);
            continue;
        } else if (!quoted && c == QLatin1Char('.')) {
            result += QLatin1Char(',');
            continue;
        } else if (!quoted && c == QLatin1Char(',')) {
            result += QLatin1Char('.');
            continue;
        }
        result += c;
    }
    return result;
}

} // namespace velkor
