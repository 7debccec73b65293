#pragma once

#include <QDate>
#include <QString>

class QVariant;

namespace velkor {

/// The regional grouping and decimal separators.
struct Separators {
    QChar group;
    QChar decimal;
};

/// The separators of the user's locale (LC_ALL, LC_NUMERIC, LANG); with no language
/// set (C or POSIX) the Turkish ones: "." groups, "," marks decimals.
Separators regionalSeparators();
/// Replaces the regional separators (tests, other locales); reset with resetRegionalSeparators().
void setRegionalSeparators(Separators separators);
void resetRegionalSeparators();

/// Formats a number with a pattern such as "#,##0.00", "#,##0.00000", "#0.00",
/// "#,###.00" or "0.00 %": a "," in the integer part groups by three, the zeros before
/// the decimal point are the least integer digits, the "0"s after it the decimals, and
/// any other trailing text is written as it stands. The decimal value of a double is
/// its shortest text that reads back as the same double (so 2.675 is 2.675, not
/// 2.67499999...), rounded half away from zero at the last shown decimal; a value that
/// rounds to zero shows no minus sign.
QString FormatFloat(const QString& pattern, double value);
/// The general number format: at most 15 significant digits, no grouping, trailing zeros
/// and a trailing decimal separator dropped, the regional decimal separator.
QString FormatGeneral(double value);
/// A date as "dd.mm.yyyy"; an invalid date gives empty text.
QString FormatDate(const QDate& date);
/// Reads a "dd.mm.yyyy" date (invalid when the text is not one).
QDate ParseDate(const QString& text);
/// Whether a stored value is a number (of any integer or floating type), shown and written as one.
bool holdsNumber(const QVariant& value);

namespace patterns {
inline const QString kAmount = QStringLiteral("#,##0.00");
inline const QString kCoefficient = QStringLiteral("#,##0.00000");
inline const QString kPlainAmount = QStringLiteral("#0.00");
inline const QString kPlainCoefficient = QStringLiteral("#0.00000");
inline const QString kGridAmount = QStringLiteral("#,###.00");
inline const QString kGridCoefficient = QStringLiteral("#,###.00000");
} // namespace patterns

} // namespace velkor
