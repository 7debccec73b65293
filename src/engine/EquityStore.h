#pragma once

#include <QDate>
#include <QtGlobal>

namespace velkor {

class Dataset;
class EquitySheet;
class Table;
class WorkspaceState;

/// Stores the equity sheet as it stands (no recomputation) into the row whose `id` is
/// in `Kayit_No_EditO`, or into a new row when there is none: the register and
/// adjustment columns, the key of the selected capital kind (for every account) and
/// `SBK_Diger` "Diger". Returns the row's `id`.
qint64 saveEquitySheet(const EquitySheet& sheet, const QDate& adjustmentDate, Table& table);

/// Fills the equity sheet and the adjustment date from the current row of the dataset,
/// formatted for display, and rebuilds the explanation text from the stored values
/// (without the "Varlık Net Değeri" sentence).
void loadEquitySheet(EquitySheet& sheet, WorkspaceState& state, const Dataset& row);

} // namespace velkor
