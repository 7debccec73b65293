#include "spreadsheet/TypedText.h"

#include <QRegularExpression>

namespace velkor {

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
    static const QRegularExpression date(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})$"));
    if (const auto match = date.match(text); match.hasMatch()) {
        const QDate parsed(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
        if (parsed.isValid()) {
            value.kind = TypedValue::Kind::Date;
            value.date = parsed;
            return value;
        }
    }
    static const QRegularExpression number(
        QStringLiteral("^([+-]?)(\\d{1,3}(?:\\.\\d{3})+|\\d+)(?:,(\\d+))?$"));
    if (const auto match = number.match(text.trimmed()); match.hasMatch()) {
        QString plain = match.captured(2).remove(QLatin1Char('.'));
        if (!match.captured(3).isEmpty()) {
            plain += QLatin1Char('.') + match.captured(3);
        }
        bool ok = false;
        const double parsed = plain.toDouble(&ok);
        if (ok) {
            value.kind = TypedValue::Kind::Number;
            value.number = match.captured(1) == QLatin1String("-") ? -parsed : parsed;
            return value;
        }
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
