#pragma once

#include <QString>
#include <optional>

namespace velkor {

class Connection;

/// What decides whether a company's 2024 quarters are adjusted by law (the threshold of
/// communiqué 563): the company details "2023 Brüt Satışlar" and "Kıymetli maden ticareti
/// (298/A-9)".
struct CompanyThreshold {
    /// Empty while the field is empty.
    std::optional<double> grossSales2023;
    bool preciousMetalDealer = false;
};

/// The 2023 gross sales above which the 2024 quarters are adjusted: 50.000.000 TL.
inline constexpr double kQuarterThreshold = 50'000'000.0;

/// The threshold fields of the registered company with that code (empty ones when there is
/// no such row).
CompanyThreshold readCompanyThreshold(Connection& general, const QString& code);

} // namespace velkor
