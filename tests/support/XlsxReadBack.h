#pragma once

#include <QByteArray>
#include <QString>
#include <map>

namespace velkor::test {

/// One cell of a written workbook as its first sheet stores it.
struct ReadCell {
    /// "s" shared text, "str" formula text, "n" number (also dates and formulas with a number).
    QString type;
    /// The text, or the number as stored.
    QString value;
    /// The formula without "=", empty for plain values.
    QString formula;
    /// The number format code, empty for the general format.
    QString numberFormat;
    bool bold = false;
    /// Font size in points (11 by default).
    double fontSize = 11;
};

/// The first sheet of an .xlsx file, read back through its XML parts.
class XlsxReadBack {
public:
    /// Opens the file; throws std::runtime_error when it is not a readable workbook.
    explicit XlsxReadBack(const QString& path);

    /// Cells by address ("A1").
    const std::map<QString, ReadCell>& cells() const { return m_cells; }
    /// The cell at the address; an empty ReadCell when the cell holds nothing.
    ReadCell cell(const QString& address) const;
    /// Column widths by column number from 1, as stored.
    const std::map<int, double>& widths() const { return m_widths; }
    /// Highest row with a value.
    int lastRow() const { return m_lastRow; }
    /// The raw text of a part of the archive.
    QByteArray part(const QString& name) const;

private:
    QString m_path;
    std::map<QString, ReadCell> m_cells;
    std::map<int, double> m_widths;
    int m_lastRow = 0;
};

} // namespace velkor::test
