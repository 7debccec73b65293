#pragma once

#include "base/ShownError.h"

#include <QDate>
#include <QString>

namespace velkor {

/// A text that does not read as a number (for example two decimal separators).
class ConversionError : public ShownError {
public:
    using ShownError::ShownError;
};

/// The largest magnitude a number read from a field may have: 10^15. Beyond it a double
/// no longer keeps the kuruş, and no amount field holds more.
inline constexpr double kAmountLimit = 1e15;
/// The limit as the messages name it.
extern const QString kAmountLimitText;

/// Reads a number from a field text: keeps a "+" or "-" only as the very first
/// character, the digits and every regional decimal separator, drops everything else;
/// empty reads as 0; a text that still does not convert, or whose value exceeds
/// kAmountLimit in magnitude, throws ConversionError.
double ParseAmount(const QString& text);
/// The same without the decimal separator: a leading sign and the digits.
double ParseDigits(const QString& text);
/// Whether the text holds a line break, a tab, an escape or any other control character
/// (C0, DEL, C1) or a line or paragraph separator: none of them belongs in a one-line
/// field, and each breaks the lists and files the field's text is written to.
bool hasControlCharacter(const QString& text);
/// The refusal of such a text for the field of that label.
QString controlCharacterRefusal(const QString& field);
/// Trims, then lower-cases with the Turkish rules ("I" → "ı", "İ" → "i").
QString TurkishLower(const QString& text);
/// Right-aligns a text in a field of the width with spaces; never cuts.
QString PadLeft(int width, const QString& text);
/// Left-aligns a text in a field of the width with spaces; never cuts.
QString PadRight(int width, const QString& text);
/// The separator line of the printed texts: the adjustment date ("31/12/2023", or the end of
/// a later period) between two runs of the number of "-".
QString dateSeparator(int dashes, const QDate& date = QDate(2023, 12, 31));

} // namespace velkor
