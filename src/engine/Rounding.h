#pragma once

namespace velkor {

/// Rounds x to n decimals: x divided by 10^-n, rounded to the nearest integer with ties
/// to even, multiplied back. n is 2 for amounts and 5 for coefficients and rates.
double RoundDecimals(double x, int n);

} // namespace velkor
