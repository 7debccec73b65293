#include "engine/Rounding.h"

#include <cmath>

namespace velkor {

double RoundDecimals(double x, int n) {
    const double factor = std::pow(10.0, -n);
    // nearbyint rounds in the current mode, which is to nearest with ties to even.
    return std::nearbyint(x / factor) * factor;
}

} // namespace velkor
