#pragma once

#include <QString>
#include <stdexcept>

namespace velkor {

class Dataset;

/// A text that does not read as a number (for example two decimal separators).
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

/// Reads a number from a field text: keeps a "+" or "-" only as the very first
/// character, the digits and every regional decimal separator, drops everything else;
/// empty reads as 0; a text that still does not convert throws ConversionError.
double ParseAmount(const QString& text);
/// The same without the decimal separator: a leading sign and the digits.
double ParseDigits(const QString& text);
/// Trims, then lower-cases with the Turkish rules ("I" → "ı", "İ" → "i").
QString TurkishLower(const QString& text);
/// Right-aligns a text in a field of the width with spaces; never cuts.
QString PadLeft(int width, const QString& text);
/// Left-aligns a text in a field of the width with spaces; never cuts.
QString PadRight(int width, const QString& text);
/// Cyclic search from the row after the current one for a row whose column contains the
/// text, Turkish letter case ignored; leaves the cursor on the match and returns true,
/// or returns false with the cursor where the walk ended.
bool FindNextContaining(Dataset& dataset, const QString& column, const QString& text);

} // namespace velkor
