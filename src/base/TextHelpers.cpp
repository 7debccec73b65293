#include "base/TextHelpers.h"

#include "base/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace velkor {

const QString kAmountLimitText = QStringLiteral("1.000.000.000.000.000 (10^15)");

namespace {

double convert(const QString& original, const QString& kept) {
    if (kept.isEmpty())
        return 0.0;
    QString text = kept;
    text.replace(regionalSeparators().decimal, QLatin1Char('.'));
    // from_chars reads the same on every desktop; strtod would follow LC_NUMERIC, which Qt
    // takes from the environment, and refuse "12.5" wherever the locale's decimal mark is ",".
    // It takes no "+", which the field rules allow as the first character.
    if (text.startsWith(QLatin1Char('+')))
        text.remove(0, 1);
    const QByteArray bytes = text.toLatin1();
    const char* first = bytes.constData();
    const char* last = first + bytes.size();
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    const bool hasDigit = std::any_of(kept.begin(), kept.end(), [](QChar c) { return c.isDigit(); });
    if (error == std::errc::result_out_of_range)
        value = HUGE_VAL;
    else if (!hasDigit || error != std::errc() || end != last)
        throw ConversionError(QStringLiteral("'%1' geçerli bir sayı değil.").arg(original));
    if (!std::isfinite(value) || std::fabs(value) > kAmountLimit)
        throw ConversionError(QStringLiteral("'%1' çok büyük bir sayı: alanlara mutlak değerce en fazla %2 "
                                             "yazılabilir.")
                                  .arg(original, kAmountLimitText));
    return value;
}

QString keepNumberCharacters(const QString& text, bool keepDecimal) {
    const QChar decimal = regionalSeparators().decimal;
    QString kept;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (i == 0 && (c == QLatin1Char('+') || c == QLatin1Char('-')))
            kept += c;
        else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            kept += c;
        else if (keepDecimal && c == decimal)
            kept += c;
    }
    return kept;
}

} // namespace

double ParseAmount(const QString& text) {
    return convert(text, keepNumberCharacters(text, true));
}

double ParseDigits(const QString& text) {
    return convert(text, keepNumberCharacters(text, false));
}

bool hasControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const QChar::Category category = c.category();
        return category == QChar::Other_Control || category == QChar::Separator_Line ||
               category == QChar::Separator_Paragraph;
    });
}

QString controlCharacterRefusal(const QString& field) {
    return QStringLiteral("%1 alanına satır sonu, sekme, çıkış (ESC) ya da başka bir kontrol karakteri "
                          "yazılamaz.")
        .arg(field);
}

QString TurkishLower(const QString& text) {
    QString result = text.trimmed();
    for (QChar& c : result) {
        switch (c.unicode()) {
        case u'I':
            c = QChar(u'ı');
            break;
        case u'İ':
            c = QChar(u'i');
            break;
        case u'Ç':
            c = QChar(u'ç');
            break;
        case u'Ğ':
            c = QChar(u'ğ');
            break;
        case u'Ö':
            c = QChar(u'ö');
            break;
        case u'Ş':
            c = QChar(u'ş');
            break;
        case u'Ü':
            c = QChar(u'ü');
            break;
        default:
            if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                c = QChar(c.unicode() + ('a' - 'A'));
        }
    }
    return result;
}

QString PadLeft(int width, const QString& text) {
    return text.size() < width ? QString(width - text.size(), QLatin1Char(' ')) + text : text;
}

QString PadRight(int width, const QString& text) {
    return text.size() < width ? text + QString(width - text.size(), QLatin1Char(' ')) : text;
}

QString dateSeparator(int dashes, const QDate& date) {
    const QString run(dashes, QLatin1Char('-'));
    return run + date.toString(QStringLiteral("dd/MM/yyyy")) + run;
}

} // namespace velkor
