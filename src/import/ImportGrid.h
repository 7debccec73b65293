#pragma once

#include "spreadsheet/WorkbookGrid.h"

#include <QStringList>
#include <vector>

namespace velkor {

/// The editable grid `StringGrid1` of the import window: cell (column c, row r) holds
/// the text of sheet cell (row r, column c); row 0 and column 0 are headers holding the
/// numbers 1, 2, 3, ...
class ImportGrid {
public:
    /// A grid of 11 columns and 21 rows, as before the first load.
    ImportGrid();

    int columnCount() const { return m_columns; }
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    /// The text of a cell; outside the grid, empty.
    QString cell(int column, int row) const;
    /// Sets a cell inside the grid (outside it, nothing happens).
    void setCell(int column, int row, const QString& text);
    /// Empties every cell and makes the grid columns × rows.
    void reset(int columns, int rows);
    /// Writes the row numbers into column 0 and the column numbers into row 0.
    void numberHeaders();
    /// Fills the grid from a sheet: x = R + 1 rows (at most 6500) and y = C + 1 columns
    /// (at most 254) are read, so the row and column beyond the used range come as empty
    /// texts and one more empty row follows: x + 2 rows and y + 1 columns in all.
    void load(const WorkbookGrid& sheet);

    /// The most sheet rows and columns a load reads.
    static constexpr int kMaxRows = 6500;
    static constexpr int kMaxColumns = 254;

private:
    int m_columns = 0;
    std::vector<QStringList> m_rows;
};

} // namespace velkor
