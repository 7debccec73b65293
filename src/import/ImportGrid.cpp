#include "import/ImportGrid.h"

#include <algorithm>

namespace velkor {

ImportGrid::ImportGrid() {
    reset(11, 21);
}

QString ImportGrid::cell(int column, int row) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columns)
        return {};
    return m_rows[row].at(column);
}

void ImportGrid::setCell(int column, int row, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columns)
        return;
    m_rows[row][column] = text;
}

void ImportGrid::reset(int columns, int rows) {
    m_columns = std::max(columns, 1);
    m_rows.assign(std::max(rows, 1), QStringList());
    for (QStringList& row : m_rows) {
        row.reserve(m_columns);
        for (int c = 0; c < m_columns; ++c)
            row.append(QString());
    }
}

void ImportGrid::numberHeaders() {
    for (int r = 1; r < rowCount(); ++r)
        m_rows[r][0] = QString::number(r);
    for (int c = 1; c < m_columns; ++c)
        m_rows[0][c] = QString::number(c);
}

void ImportGrid::load(const WorkbookGrid& sheet) {
    const int x = std::min(sheet.rowCount() + 1, kMaxRows);
    const int y = std::min(sheet.columnCount() + 1, kMaxColumns);
    reset(y + 1, x + 2);
    for (int k = 1; k <= x; ++k)
        for (int c = 1; c <= y; ++c)
            m_rows[k][c] = sheet.text(k, c);
}

} // namespace velkor
