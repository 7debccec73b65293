#pragma once

#include <QString>

namespace velkor {

/// A block of cells, rows and columns counted from 1, as in the address "C4:D15000".
struct CellRange {
    int firstRow = 1;
    int firstColumn = 1;
    int lastRow = 1;
    int lastColumn = 1;

    /// Reads "A1", "C4:D15000" or "A1:IV2" (letters case-insensitive); throws
    /// std::invalid_argument on anything else.
    static CellRange parse(const QString& address);
    bool contains(int row, int column) const {
        return row >= firstRow && row <= lastRow && column >= firstColumn && column <= lastColumn;
    }
};

/// The letters of a column: 1 is "A", 27 is "AA".
QString columnLetters(int column);
/// The address of one cell, such as "H13".
QString cellAddress(int row, int column);

} // namespace velkor
