#pragma once

#include "base/ShownError.h"
#include "spreadsheet/TypedText.h"

#include <QDate>
#include <QString>

namespace velkor {

/// A workbook that could not be written; the text is the system's message.
class WorkbookError : public ShownError {
public:
    using ShownError::ShownError;
};

/// Writes the first sheet of a new workbook. Rows and columns count from 1; ranges are
/// addresses such as "C4:D15000". Number formats are given in the local notation the
/// users know ("#.##0,00": point groups thousands, comma marks decimals) and stored in
/// the workbook's invariant notation. Styles set on a range apply to every cell written
/// in it, before or after; a later setting wins over an earlier one.
class WorkbookWriter {
public:
    virtual ~WorkbookWriter() = default;

    /// Text as if the user typed it: "'697" is the text "697", "31.12.2023" a date cell
    /// with a date format, "2023" or "1.234,5" a number; anything else stays text.
    virtual void setTyped(int row, int column, const QString& text) = 0;
    /// The cell setTyped makes of a text that resolveTypedText has already resolved: a
    /// text typed into every row of a sheet is resolved once.
    virtual void setResolved(int row, int column, const TypedValue& value);
    /// Text exactly as given.
    virtual void setText(int row, int column, const QString& text) = 0;
    virtual void setNumber(int row, int column, double value) = 0;
    /// A date cell shown as "dd.mm.yyyy".
    virtual void setDate(int row, int column, const QDate& date) = 0;
    /// A formula such as "=Sum(H4:H13)" with the result it computes, so that a reader
    /// that does not recalculate shows the right value.
    virtual void setFormula(int row, int column, const QString& formula, double result) = 0;

    /// Display format of a range, in the local notation.
    virtual void setNumberFormat(const QString& range, const QString& localFormat) = 0;
    virtual void setBold(const QString& range, bool bold = true) = 0;
    virtual void setFontSize(const QString& range, double points) = 0;
    /// Width of a column in characters of the default font.
    virtual void setColumnWidth(int column, double width) = 0;
    /// Fits the widths of the range's columns to the cells written in its rows.
    virtual void autoFitColumns(const QString& range) = 0;

    /// Writes the workbook to the path in one go: the file appears complete or not at all
    /// (an old file there is replaced only by a complete new one). Throws WorkbookError.
    virtual void save(const QString& path) = 0;
};

} // namespace velkor
