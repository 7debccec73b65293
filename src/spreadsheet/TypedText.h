#pragma once

#include <QDate>
#include <QString>

namespace velkor {

/// What a text typed into a cell becomes.
struct TypedValue {
    enum class Kind { Empty, Text, Number, Date };
    Kind kind = Kind::Empty;
    QString text;
    double number = 0;
    QDate date;
};

/// Resolves a typed text the way a spreadsheet does on a Turkish system: empty stays
/// empty; a leading apostrophe makes the rest text; a valid "dd.mm.yyyy" (or "d.m.yyyy")
/// is a date; digits with an optional sign, "." thousands groups and a "," decimal part
/// are a number; everything else is text as it stands.
TypedValue resolveTypedText(const QString& text);

/// A number format from the local notation ("#.##0,00") to the workbook's invariant one
/// ("#,##0.00"): points and commas swap, except inside quotes or after a backslash.
QString invariantNumberFormat(const QString& localFormat);

} // namespace velkor
