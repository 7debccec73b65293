#include "spreadsheet/WorkbookGrid.h"

#include "spreadsheet/WorkbookLimits.h"

#include <algorithm>

namespace velkor {

QString WorkbookGrid::text(int row, int column) const {
    if (row < 1 || column < 1 || row > m_rows || column > m_columns)
        return {};
    return m_cells[row - 1][column - 1];
}

void WorkbookGrid::setText(int row, int column, const QString& text) {
    if (row < 1 || column < 1)
        return;
    if (row > m_rows || column > m_columns)
        resize(std::max(row, m_rows), std::max(column, m_columns));
    QString& cell = m_cells[row - 1][column - 1];
    const qint64 bytes = m_textBytes + (text.size() - cell.size()) * qint64(sizeof(QChar));
    if (bytes > kMaxWorkbookBytes)
        throw SheetLimitExceeded(SheetLimitExceeded::Limit::Bytes);
    m_textBytes = bytes;
    cell = text;
}

void WorkbookGrid::resize(int rows, int columns) {
    if (!withinCellLimit(rows, columns))
        throw SheetLimitExceeded(SheetLimitExceeded::Limit::Cells);
    const bool shrinks = rows < m_rows || columns < m_columns;
    const bool columnsChange = std::max(columns, 0) != m_columns;
    const int oldRows = m_rows;
    m_rows = std::max(rows, 0);
    m_columns = std::max(columns, 0);
    m_cells.resize(m_rows);
    for (int r = columnsChange ? 0 : std::min(oldRows, m_rows); r < m_rows; ++r)
        m_cells[r].resize(m_columns);
    if (shrinks) {
        m_textBytes = 0;
        for (const std::vector<QString>& cells : m_cells)
            for (const QString& cell : cells)
                m_textBytes += cell.size() * qint64(sizeof(QChar));
    }
}

void WorkbookGrid::trim() {
    int rows = 0;
    int columns = 0;
    for (int r = 0; r < m_rows; ++r) {
        for (int c = 0; c < m_columns; ++c) {
            if (!m_cells[r][c].isEmpty()) {
                rows = r + 1;
                columns = std::max(columns, c + 1);
            }
        }
    }
    resize(rows, columns);
}

} // namespace velkor
