#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace velkor {

class Dataset;

/// A column of a report grid: the dataset column it shows, its title, its display
/// pattern (empty for none), its width in pixels (0 for the grid's default) and whether
/// its cells are centred.
struct GridColumn {
    QString field;
    QString title;
    QString pattern;
    int width = 0;
    bool centred = false;
};

/// The columns of the report list grid `SBKGrid`, in order.
const std::vector<GridColumn>& reportGridColumns();
/// The columns of the per-main-account totals grid `ToplamGrid`, in order.
const std::vector<GridColumn>& totalsGridColumns();

/// A value as the grid shows it in that column: numbers in the column's pattern, dates
/// "dd.mm.yyyy", null as empty text.
QString gridCellText(const GridColumn& column, const QVariant& value);
/// The grid as text: a line of the titles, then one line per row, the cells separated by
/// tabs.
QStringList gridText(const Dataset& rows, const std::vector<GridColumn>& columns);

} // namespace velkor
