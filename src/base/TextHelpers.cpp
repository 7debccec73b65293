#include "base/TextHelpers.h"

#include "base/NumberFormat.h"

#include <cmath>
#include <cstdlib>

namespace velkor {

const QString kAmountLimitText = QStringLiteral("1.000.000.000.000.000 (10^15)");

namespace {

double convert(const QString& original, const QString& kept) {
    if (kept.isEmpty())
        return 0.0;
    QString text = kept;
    text.replace(regionalSeparators().decimal, QLatin1Char('.'));
    const QByteArray bytes = text.toLatin1();
    char* end = nullptr;
    const double value = std::strtod(bytes.constData(), &end);
    const bool hasDigit = std::any_of(kept.begin(), kept.end(), [](QChar c) { return c.isDigit(); });
    if (!hasDigit || end != bytes.constData() + bytes.size())
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

QString dateSeparator(int dashes) {
    const QString run(dashes, QLatin1Char('-'));
    return run + QStringLiteral("31/12/2023") + run;
}

} // namespace velkor
