#pragma once

#include <QChar>
#include <QString>

namespace velkor {

/// The key Backspace as the rules see it.
inline constexpr QChar kBackspaceKey = QChar(u'\b');
/// The key Enter as the rules see it.
inline constexpr QChar kEnterKey = QChar(u'\r');

/// The input rules a workspace field follows.
enum class KeyRule {
    Free,   ///< any key (names, codes)
    Amount, ///< the amount rules: digits, Backspace, Enter, one decimal separator, two decimals, live
            ///< grouping
    Digits  ///< digits, Backspace and Enter only (record numbers, useful life)
};

/// What a key press does to a field.
struct KeyOutcome {
    bool accepted = false; ///< false: the key is refused and the text stays
    QString text;          ///< the text after the key
    int caret = 0;         ///< the caret after the key
};

/// Applies a key at the caret under a rule (the key inserted, Backspace deleting the
/// character before the caret, Enter leaving the text as it is).
KeyOutcome applyKey(KeyRule rule, const QString& text, int caret, QChar key);
/// The amount rules: once the field holds text only digits, Backspace, Enter and the
/// decimal separator pass; two decimals typed refuse all but Backspace and Enter; a
/// second separator is refused; without a separator a digit or Backspace first regroups
/// the integer digits as they will stand once the key has acted at the end of the text.
KeyOutcome amountKey(const QString& text, int caret, QChar key);
/// Digits, Backspace and Enter only.
KeyOutcome digitsKey(const QString& text, int caret, QChar key);
/// Leaving an amount field: a value above 0 is shown with "#,##0.00", any other value
/// empties the field.
QString amountTextOnLeave(const QString& text);
/// Entering an amount field: a value above 0 without grouping characters and with its
/// decimals (at most two, trailing zeros dropped), any other value empty.
QString amountTextOnEnter(const QString& text);

} // namespace velkor
