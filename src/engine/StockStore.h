#pragma once

#include <QDate>
#include <QtGlobal>

namespace velkor {

class Dataset;
class StockSheet;
class Table;
class WorkspaceState;

/// Stores the stock sheet as it stands (no recomputation) into the row whose `id` is in
/// `Kayit_No_EditS`, or into a new row when there is none: the register and adjustment
/// columns, the financing columns only with an interest amount (null otherwise), the
/// turnover columns only with "Devir Hızı" (the days only when above 0), `SBK_Diger`
/// "Diger". Returns the row's `id`.
qint64 saveStockSheet(const StockSheet& sheet, const QDate& adjustmentDate, Table& table);

/// Fills the stock sheet and the adjustment date from the current row of the dataset,
/// formatted for display, and rebuilds the explanation text from the stored values.
void loadStockSheet(StockSheet& sheet, WorkspaceState& state, const Dataset& row);

} // namespace velkor
