#pragma once

#include "spreadsheet/CellRange.h"
#include "spreadsheet/WorkbookWriter.h"

#include <map>
#include <optional>
#include <tuple>
#include <vector>

struct lxw_format;
struct lxw_workbook;
struct lxw_worksheet;

namespace velkor {

/// The workbook writer on libxlsxwriter. Cells and styles are kept in memory until
/// save(), because the writer library takes a cell's format at the moment the cell is
/// written while callers set formats on whole ranges before or after the values.
class XlsxWorkbook : public WorkbookWriter {
public:
    XlsxWorkbook() = default;
    XlsxWorkbook(const XlsxWorkbook&) = delete;
    XlsxWorkbook& operator=(const XlsxWorkbook&) = delete;

    void setTyped(int row, int column, const QString& text) override;
    void setResolved(int row, int column, const TypedValue& value) override;
    void setText(int row, int column, const QString& text) override;
    void setNumber(int row, int column, double value) override;
    void setDate(int row, int column, const QDate& date) override;
    void setFormula(int row, int column, const QString& formula, double result) override;

    void setNumberFormat(const QString& range, const QString& localFormat) override;
    void setBold(const QString& range, bool bold = true) override;
    void setFontSize(const QString& range, double points) override;
    void setColumnWidth(int column, double width) override;
    void autoFitColumns(const QString& range) override;

    void save(const QString& path) override;

    /// Number of cells holding a value.
    std::size_t cellCount() const;

private:
    enum class CellKind { Text, Number, Date, Formula };
    struct Cell {
        CellKind kind = CellKind::Text;
        QString text;
        double number = 0;
    };
    struct StyleRule {
        CellRange range;
        std::optional<QString> numberFormat;
        std::optional<bool> bold;
        std::optional<double> fontSize;
    };
    struct Style {
        QString numberFormat;
        bool bold = false;
        double fontSize = 0;
        bool operator==(const Style&) const = default;
        bool operator<(const Style& other) const {
            return std::tie(numberFormat, bold, fontSize) <
                   std::tie(other.numberFormat, other.bold, other.fontSize);
        }
    };

    Cell& cell(int row, int column);
    /// Calls the function with row, column and cell for every cell, row by row.
    template <typename Function> void forEachCell(Function function) const {
        for (std::size_t r = 0; r < m_rows.size(); ++r) {
            for (const auto& [column, value] : m_rows[r]) {
                function(static_cast<int>(r) + 1, column, value);
            }
        }
    }
    Style styleOf(int row, int column, CellKind kind) const;
    int shownWidth(const Cell& cell, const Style& style) const;
    static lxw_format* newFormat(lxw_workbook* book, const Style& style);
    void setColumns(lxw_worksheet* sheet) const;
    /// Writes the cells into the library's sheet; returns their styles other than the
    /// default in the order the cells first use them.
    std::vector<Style> writeCells(lxw_workbook* book, lxw_worksheet* sheet) const;
    void writeTo(const QString& file) const;

    /// The cells of each row (index row - 1) by column, in column order.
    std::vector<std::vector<std::pair<int, Cell>>> m_rows;
    std::vector<StyleRule> m_rules;
    std::map<int, double> m_widths;
    std::vector<CellRange> m_autoFit;
};

} // namespace velkor
