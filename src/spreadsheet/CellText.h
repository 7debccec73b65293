#pragma once

#include <QDate>
#include <QString>
#include <string_view>

namespace velkor {

/// A number cell as a Turkish spreadsheet shows its value: plain notation with at most
/// 15 significant digits, the regional decimal separator and no grouping.
QString numberCellText(double value);
/// A date cell as "dd.mm.yyyy" (the time of day is not shown).
QString dateCellText(const QDate& date);
/// A time-only cell as "hh:mm:ss".
QString timeCellText(double dayFraction);
/// The day a serial date number stands for, counted from the workbook's origin (30.12.1899
/// in the usual date system); invalid for a negative serial.
QDate serialToDate(double serial, const QDate& origin);

/// What a number format makes of a number.
enum class NumberFormatKind { Number, Date, Time };
/// The kind of a number format given by its identifier (the built-in formats of the
/// xlsx and xls files: 14 to 22 and 45 to 47 show dates or times) or by its format
/// code: a code with day, month or year letters outside quotes and brackets shows a
/// date, one with only hours, minutes or seconds a time.
NumberFormatKind numberFormatKind(std::size_t identifier, std::string_view code);

} // namespace velkor
