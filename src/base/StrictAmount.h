#pragma once

#include <QString>

#include <optional>

namespace velkor {

/// Reads a text as an amount only when it is one in the user's regional format: an
/// optional leading sign, digits (grouped by three with the regional grouping separator,
/// or not grouped at all) and at most one decimal separator followed by digits, with
/// nothing else around it but spaces. "900.000,00", "900000" and "-12,5" read on a
/// Turkish desktop; "1e309", "0x10", "5-", "(100)", "inf" and "abc" give nothing, as does
/// an amount beyond kAmountLimit. An empty text reads as 0, as an empty field does.
std::optional<double> ParseStrictAmount(const QString& text);

} // namespace velkor
