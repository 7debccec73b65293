#include "base/AmountKeyRules.h"

#include "base/NumberFormat.h"
#include "base/TextHelpers.h"

#include <QStringList>

namespace velkor {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

KeyOutcome act(const QString& text, int caret, QChar key) {
    KeyOutcome out{true, text, std::clamp(caret, 0, static_cast<int>(text.size()))};
    if (key == kEnterKey)
        return out;
    if (key == kBackspaceKey) {
        if (out.caret > 0) {
            out.text.remove(out.caret - 1, 1);
            --out.caret;
        }
        return out;
    }
    out.text.insert(out.caret, key);
    ++out.caret;
    return out;
}

KeyOutcome refused(const QString& text, int caret) {
    return {false, text, caret};
}

// The integer digits regrouped as they will stand after the key acts at the end: with
// `digitsAfter` digits, a grouping character precedes every third digit from the right.
QString regrouped(const QString& text, int digitsAfter) {
    double value = 0.0;
    try {
        value = ParseAmount(text);
    } catch (const ConversionError&) {
        return text;
    }
    QString digits = QString::number(value, 'f', 0);
    QString sign;
    if (digits.startsWith(QLatin1Char('-'))) {
        sign = QStringLiteral("-");
        digits.remove(0, 1);
    }
    const QChar group =
        regionalSeparators().decimal == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    QString result = sign;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && i < digitsAfter && (digitsAfter - i) % 3 == 0)
            result += group;
        result += digits.at(i);
    }
    return result;
}

} // namespace

KeyOutcome applyKey(KeyRule rule, const QString& text, int caret, QChar key) {
    switch (rule) {
    case KeyRule::Amount:
        return amountKey(text, caret, key);
    case KeyRule::Digits:
        return digitsKey(text, caret, key);
    case KeyRule::Free:
        break;
    }
    return act(text, caret, key);
}

KeyOutcome amountKey(const QString& text, int caret, QChar key) {
    if (text.isEmpty())
        return act(text, caret, key);
    const QChar decimal = regionalSeparators().decimal;
    const bool control = key == kBackspaceKey || key == kEnterKey;
    if (!isDigit(key) && !control && key != decimal)
        return refused(text, caret);
    const int separator = static_cast<int>(text.indexOf(decimal));
    if (separator >= 0) {
        if (text.size() - separator - 1 == 2 && !control)
            return refused(text, caret);
        if (key == decimal)
            return refused(text, caret);
        return act(text, caret, key);
    }
    if (isDigit(key) || key == kBackspaceKey) {
        int digitCount = 0;
        for (QChar c : text)
            digitCount += isDigit(c) ? 1 : 0;
        const QString grouped = regrouped(text, digitCount + (key == kBackspaceKey ? -1 : 1));
        const int fromEnd =
            static_cast<int>(text.size()) - std::clamp(caret, 0, static_cast<int>(text.size()));
        const int newCaret = std::max(0, static_cast<int>(grouped.size()) - fromEnd);
        return act(grouped, newCaret, key);
    }
    return act(text, caret, key);
}

KeyOutcome digitsKey(const QString& text, int caret, QChar key) {
    if (!isDigit(key) && key != kBackspaceKey && key != kEnterKey)
        return refused(text, caret);
    return act(text, caret, key);
}

QString amountTextOnLeave(const QString& text) {
    const double value = ParseAmount(text);
    return value > 0 ? FormatFloat(patterns::kAmount, value) : QString();
}

QString amountTextOnEnter(const QString& text) {
    // A text that is no number (pasted "1,2,3") stays as it is, for the user to mend:
    // refusing it here would show an error on every return into the field, on top of the
    // error of leaving it.
    double value = 0.0;
    try {
        value = ParseAmount(text);
    } catch (const ConversionError&) {
        return text;
    }
    if (value <= 0)
        return {};
    QString plain = FormatFloat(QStringLiteral("0.00"), value);
    const QChar decimal = regionalSeparators().decimal;
    while (plain.endsWith(QLatin1Char('0')) && plain.contains(decimal))
        plain.chop(1);
    if (plain.endsWith(decimal))
        plain.chop(1);
    return plain;
}

} // namespace velkor
