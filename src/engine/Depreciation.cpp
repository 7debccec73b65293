#include "engine/Depreciation.h"

namespace velkor {

int yearsOfUse(const QDate& entry, const QDate& adjustment) {
    return adjustment.year() - entry.year() + 1;
}

std::optional<double> accumulatedDepreciation(const QString& method, double k, int n, int y, int entryMonth) {
    if (method != depreciation::kNormal && method != depreciation::kPartYear &&
        method != depreciation::kDeclining)
        return std::nullopt;
    // An entry year after the adjustment year (possible when the date of "258" is moved
    // back) means no year of use yet.
    if (y <= 0)
        return 0.0;
    if (n <= y)
        return k;
    if (method == depreciation::kNormal)
        return k / n * y;
    if (method == depreciation::kPartYear)
        return k / n * y - (k / n) / 12 * (entryMonth - 1);
    double accumulated = 0.0;
    double remaining = k;
    for (int i = 0; i < y; ++i) {
        const double d = remaining / n * 2;
        accumulated += d;
        remaining -= d;
    }
    return accumulated;
}

double straightLineRate(double life) {
    return 100.0 / life;
}

QDate writeOffDate(const QDate& entry, int life) {
    return entry.addYears(life - 1);
}

} // namespace velkor
