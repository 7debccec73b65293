#pragma once

#include <QString>
#include <optional>

namespace velkor {

/// Reads a text as an amount the amount fields accept, under the regional separators
/// (the ones ParseAmount uses): surrounding spaces aside, an optional leading "+" or "-",
/// digits, either plain or grouped by three with the grouping separator ("900.000" or
/// "900000", not "9.00.000"), then at most one decimal separator followed by digits
/// ("900.000,00", "-12,5"). An empty text reads as 0, as an empty field does. Anything else
/// ("1e309", "0x10", "5-", "=1/0", "(100)", "inf", "abc") gives nothing, where ParseAmount
/// would keep the digits it finds. A well-formed amount beyond kAmountLimit throws
/// ConversionError, as ParseAmount does.
std::optional<double> ParseStrictAmount(const QString& text);

} // namespace velkor
