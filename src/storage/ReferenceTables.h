#pragma once

#include "storage/Database.h"

#include <QStringList>
#include <QVariantList>
#include <map>
#include <vector>

namespace velkor {

/// Monthly values by year and month (1 to 12); a month without a value has no entry.
using MonthlyValues = std::map<int, std::map<int, double>>;

/// The content of the reference tables as plain values, before it is written.
struct ReferenceTables {
    MonthlyValues index;                  ///< Yİ-ÜFE, for YI_UFE and YI_UFE_Yeni
    MonthlyValues tefe;                   ///< TEFE
    MonthlyValues interest;               ///< Ortalama_Faiz months, percent a year
    std::map<int, double> interestYearly; ///< Ortalama_Faiz `Ortalama`
    /// Amortisman_Oranlari rows in list order, values in the order of depreciationColumns().
    std::vector<QVariantList> depreciation;
};

/// The month columns of YI_UFE and Ortalama_Faiz in calendar order: "Ocak" … "Aralik".
const QStringList& monthColumns();
/// The columns of Amortisman_Oranlari after `Kimlik`, in table order.
const QStringList& depreciationColumns();
/// The position of `tum_kodu` in a depreciation row.
constexpr int kDepreciationCodeColumn = 4;

/// A depreciation row from the fields of a CSV line in the shipped columns: empty fields
/// become null, life and communiqué integers, the rate a number.
QVariantList depreciationRowOf(const QStringList& fields);

/// The tables as the program ships them (the CSV files of its resources).
ReferenceTables shippedReferenceTables();

/// Replaces the content of the five reference tables by `tables`, inside the caller's
/// transaction. A year of interest rates with twelve months and no yearly figure gets
/// their mean, rounded to two decimals.
void writeReferenceTables(Database& rates, const ReferenceTables& tables);

} // namespace velkor
