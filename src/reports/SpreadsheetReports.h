#pragma once

#include <QString>

namespace velkor {

class Dataset;
class WorkbookWriter;

/// `DuzeltmeRaporExcel`: the report list as the report sheet's grid shows it, on the
/// first sheet of a new workbook: the company name (A1) and "Raporlananlar: " with the
/// filter text (A2) bold in 14 point, the grid's column titles in row 3, one row per
/// item from row 4 with typed values (numbers, dates, text), and in row R+5 "TOPLAM
/// TUTARLAR" with sum formulas under every amount column (not under the coefficients).
/// A row without a main account is bold across.
void DuzeltmeRaporExcel(WorkbookWriter& book, const QString& companyName, const QString& filterText,
                        const Dataset& list);

/// `AnaHesapExcel`: the per-main-account totals as the main-account sheet's grid shows
/// them, laid out like the report list with "TOPLAM" and a sum under each amount column.
void AnaHesapExcel(WorkbookWriter& book, const QString& companyName, const Dataset& accountTotals);

} // namespace velkor
