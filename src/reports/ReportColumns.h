#pragma once

#include "base/GridColumn.h"

#include <QStringList>
#include <vector>

namespace velkor {

class Dataset;

/// A column of a report grid: what it shows and how (the shared grid column: field,
/// title, display pattern), its width in pixels (0 for the grid's default) and whether
/// its cells are centred.
struct ReportColumn {
    GridColumn column;
    int width = 0;
    bool centred = false;
};

/// The columns of the report list grid `SBKGrid`, in order.
const std::vector<ReportColumn>& reportGridColumns();
/// The columns of the per-main-account totals grid `ToplamGrid`, in order.
const std::vector<ReportColumn>& totalsGridColumns();
/// The shared grid columns of a report grid, for a grid widget.
std::vector<GridColumn> gridColumnsOf(const std::vector<ReportColumn>& columns);

/// The grid as text: a line of the titles, then one line per row with each value as the
/// grid shows it, the cells separated by tabs.
QStringList gridLines(const Dataset& rows, const std::vector<ReportColumn>& columns);

} // namespace velkor
