#pragma once

#include "storage/Query.h"

#include <optional>

namespace velkor {

/// Lookups of the monthly average interest rates (percent) in `Ortalama_Faiz` on the
/// rate connection, read through "Select * From Ortalama_Faiz Order By Yil ASC;"
/// opened on first use. A missing year row and an empty month both read as nothing.
class InterestLookup {
public:
    explicit InterestLookup(Connection& rates);

    /// Whether the table has a row for the year.
    bool hasYear(int year);
    /// The rate of a month (1 to 12) of the year; nothing when the row or the value is missing.
    std::optional<double> monthlyRate(int year, int month);
    /// The yearly average `Ortalama` of the year; nothing when missing.
    std::optional<double> yearlyAverage(int year);
    /// The column of a month: "Ocak", "Subat", ... "Aralik".
    static QString monthColumn(int month);
    /// Reads the table again (after an edit of the rates).
    void reload();
    /// The dataset, for views.
    Query& dataset() { return m_query; }

private:
    std::optional<double> valueOf(int year, const QString& column);

    Connection& m_rates;
    Query m_query;
};

} // namespace velkor
