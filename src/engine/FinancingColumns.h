#pragma once

#include "engine/FinancingCost.h"

namespace velkor {

class Dataset;
class Table;

/// The stored key of a `ROFMRadio` index: "Borc", "Toplam", "Fazla" (empty for others).
QString financingMethodKey(int index);
/// The `ROFMRadio` index of a stored key; -1 for any other text.
int financingMethodIndex(const QString& key);

/// Sets the financing columns of the row being edited from the sheet's fields when the
/// interest F is above 0, else sets them all to null: `ROFM_Yontem`, both dates, the ten
/// amounts and rates, and `ROFM_Ayrilmamis_Amort` from `unamortisedField` when that is
/// given (fixed assets). Shared by the fixed-asset and stock saves.
void writeFinancingColumns(Table& table, const FormModel& sheet, const FinancingFields& fields,
                           const QString& unamortisedField = {});
/// Fills the financing fields from the current row without recomputing: a null
/// `ROFM_Yontem` empties the nine fields; otherwise the method, both dates and every
/// value with its format ("#,##0.00", the increase "#0.00000", the real coefficient
/// "#,##0.00000"); a null value shows as empty text.
void loadFinancingFields(FormModel& sheet, const FinancingFields& fields, const Dataset& row,
                         const QString& unamortisedField = {});

} // namespace velkor
