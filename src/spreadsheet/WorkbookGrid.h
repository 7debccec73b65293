#pragma once

#include <QString>
#include <vector>

namespace velkor {

/// The first sheet of a workbook as the texts a Turkish spreadsheet shows for its
/// values, from A1 to the last used cell. Rows and columns count from 1.
class WorkbookGrid {
public:
    /// The row of the last used cell (0 for an empty sheet).
    int rowCount() const { return m_rows; }
    /// The column of the last used cell (0 for an empty sheet).
    int columnCount() const { return m_columns; }
    /// How many sheets the workbook has; only the first is read.
    int sheetCount() const { return m_sheetCount; }
    void setSheetCount(int count) { m_sheetCount = count; }

    /// The text of a cell; a cell beyond the used range is empty.
    QString text(int row, int column) const;
    /// Sets a cell, growing the grid so that it holds the cell. Throws SheetLimitExceeded
    /// when the grid would span more than kMaxSheetCells cells or its texts would take more
    /// than kMaxWorkbookBytes, so that no file makes a reader lay out cells without end.
    void setText(int row, int column, const QString& text);
    /// Makes the grid exactly rows × columns, dropping or adding empty cells; throws
    /// SheetLimitExceeded beyond kMaxSheetCells cells.
    void resize(int rows, int columns);
    /// Drops the empty rows and columns after the last non-empty cell.
    void trim();

    bool operator==(const WorkbookGrid& other) const = default;

private:
    int m_rows = 0;
    int m_columns = 0;
    int m_sheetCount = 0;
    qint64 m_textBytes = 0;
    std::vector<std::vector<QString>> m_cells;
};

} // namespace velkor
