#include "spreadsheet/OrcusWorkbookReader.h"

#include "base/ClassicNumbers.h"
#include "spreadsheet/CellText.h"
#include "spreadsheet/OdsRowTrim.h"
#include "spreadsheet/StoredZip.h"
#include "spreadsheet/WorkbookLimits.h"
#include "spreadsheet/ZippedWorkbookScan.h"
#include "storage/ZipArchive.h"

#include <ixion/cell_access.hpp>
#include <ixion/model_context.hpp>
#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>
#include <orcus/spreadsheet/sheet.hpp>
#include <orcus/spreadsheet/styles.hpp>

#include <QFile>
#include <memory>
#include <set>
#include <utility>

namespace velkor {

namespace {

namespace ss = orcus::spreadsheet;
using Cells = std::set<std::pair<int, int>>;

// The first sheet as the filters write it, noting the cells written as dates: the ods
// filter passes date cells as such but links no number formats to the cells.
class DateNotingSheet : public ss::iface::import_sheet {
public:
    DateNotingSheet(ss::iface::import_sheet& sheet, Cells& dates) : m_sheet(sheet), m_dates(dates) {}

    ss::iface::import_sheet_view* get_sheet_view() override { return m_sheet.get_sheet_view(); }
    ss::iface::import_sheet_properties* get_sheet_properties() override {
        return m_sheet.get_sheet_properties();
    }
    ss::iface::import_data_table* get_data_table() override { return m_sheet.get_data_table(); }
    ss::iface::import_auto_filter* get_auto_filter() override { return m_sheet.get_auto_filter(); }
    ss::iface::import_table* get_table() override { return m_sheet.get_table(); }
    ss::iface::import_conditional_format* get_conditional_format() override {
        return m_sheet.get_conditional_format();
    }
    ss::iface::import_named_expression* get_named_expression() override {
        return m_sheet.get_named_expression();
    }
    ss::iface::import_array_formula* get_array_formula() override { return m_sheet.get_array_formula(); }
    ss::iface::import_formula* get_formula() override { return m_sheet.get_formula(); }
    void set_auto(ss::row_t row, ss::col_t col, std::string_view s) override {
        m_sheet.set_auto(row, col, s);
    }
    void set_string(ss::row_t row, ss::col_t col, ss::string_id_t sindex) override {
        m_sheet.set_string(row, col, sindex);
    }
    void set_value(ss::row_t row, ss::col_t col, double value) override {
        m_sheet.set_value(row, col, value);
    }
    void set_bool(ss::row_t row, ss::col_t col, bool value) override { m_sheet.set_bool(row, col, value); }
    void set_date_time(ss::row_t row, ss::col_t col, int year, int month, int day, int hour, int minute,
                       double second) override {
        m_dates.emplace(row, col);
        m_sheet.set_date_time(row, col, year, month, day, hour, minute, second);
    }
    void set_format(ss::row_t row, ss::col_t col, std::size_t xf) override {
        m_sheet.set_format(row, col, xf);
    }
    void set_format(ss::row_t rowStart, ss::col_t colStart, ss::row_t rowEnd, ss::col_t colEnd,
                    std::size_t xf) override {
        m_sheet.set_format(rowStart, colStart, rowEnd, colEnd, xf);
    }
    void fill_down_cells(ss::row_t row, ss::col_t col, ss::row_t size) override {
        m_sheet.fill_down_cells(row, col, size);
    }
    ss::range_size_t get_sheet_size() const override { return m_sheet.get_sheet_size(); }

private:
    ss::iface::import_sheet& m_sheet;
    Cells& m_dates;
};

class DateNotingFactory : public ss::import_factory {
public:
    DateNotingFactory(ss::document& doc, Cells& dates) : ss::import_factory(doc), m_dates(dates) {}

    ss::iface::import_sheet* append_sheet(ss::sheet_t index, std::string_view name) override {
        return wrap(ss::import_factory::append_sheet(index, name));
    }
    ss::iface::import_sheet* get_sheet(std::string_view name) override {
        return wrap(ss::import_factory::get_sheet(name));
    }
    ss::iface::import_sheet* get_sheet(ss::sheet_t index) override {
        return wrap(ss::import_factory::get_sheet(index));
    }

private:
    ss::iface::import_sheet* wrap(ss::iface::import_sheet* sheet) {
        if (!sheet)
            return sheet;
        if (!m_first) {
            m_first = sheet;
            m_wrapper = std::make_unique<DateNotingSheet>(*sheet, m_dates);
        }
        return sheet == m_first ? m_wrapper.get() : sheet;
    }

    Cells& m_dates;
    ss::iface::import_sheet* m_first = nullptr;
    std::unique_ptr<DateNotingSheet> m_wrapper;
};

// A cell's number format: its format record names the format by identifier (the
// built-in formats have no code of their own).
NumberFormatKind formatKindOf(const ss::document& doc, const ss::sheet& sheet, int row, int column) {
    const ss::styles& styles = doc.get_styles();
    const ss::cell_format_t* xf = styles.get_cell_format(sheet.get_cell_format(row, column));
    if (!xf)
        return NumberFormatKind::Number;
    for (std::size_t i = 0; i < styles.get_number_format_count(); ++i) {
        const ss::number_format_t* format = styles.get_number_format(i);
        if (format && format->identifier == xf->number_format && format->identifier != 0)
            return numberFormatKind(format->identifier, format->format_string);
    }
    return numberFormatKind(xf->number_format, {});
}

QString numericText(const ss::document& doc, const ss::sheet& sheet, int row, int column, double value,
                    const QDate& origin, const Cells& dates) {
    const NumberFormatKind kind =
        dates.count({row, column}) ? NumberFormatKind::Date : formatKindOf(doc, sheet, row, column);
    switch (kind) {
    case NumberFormatKind::Date:
        if (const QDate date = serialToDate(value, origin); date.isValid())
            return dateCellText(date);
        return numberCellText(value);
    case NumberFormatKind::Time:
        return timeCellText(value);
    case NumberFormatKind::Number:
        break;
    }
    return numberCellText(value);
}

QString cellText(const ss::document& doc, const ss::sheet& sheet, const ixion::model_context& model,
                 const ixion::abs_address_t& address, const QDate& origin, const Cells& dates) {
    const ixion::cell_access cell = model.get_cell_access(address);
    switch (cell.get_value_type()) {
    case ixion::cell_value_t::string: {
        const std::string_view text = cell.get_string_value();
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    case ixion::cell_value_t::numeric:
        return numericText(doc, sheet, address.row, address.column, cell.get_numeric_value(), origin, dates);
    case ixion::cell_value_t::boolean:
        return cell.get_boolean_value() ? QStringLiteral("DOĞRU") : QStringLiteral("YANLIŞ");
    default:
        return {};
    }
}

// The parts of an OpenDocument package the parser reads, stored uncompressed, with the
// empty cells that pad each row to the sheet's last column left out: the parser would
// visit every one of those repeats, some 16.000 a row, and took most of its time there.
QByteArray odsPackageForParser(const QString& path) {
    std::vector<std::pair<QByteArray, QByteArray>> parts;
    try {
        const ZipArchive zip(path, ZipArchive::Mode::Read);
        for (const char* name : {"styles.xml", "content.xml"}) {
            const int index = zip.find(QLatin1String(name));
            if (index < 0)
                continue;
            QByteArray data = zip.read(index, kMaxWorkbookBytes);
            if (qstrcmp(name, "content.xml") == 0)
                data = trimTrailingEmptyCells(data);
            parts.emplace_back(QByteArray(name), std::move(data));
        }
    } catch (const ZipError&) {
        throw WorkbookError(damagedWorkbookMessage(path));
    }
    return storedZip(parts);
}

} // namespace

WorkbookGrid OrcusWorkbookReader::readFirstSheet(const QString& path) const {
    // The parser takes every entry whole, at the size the zip directory declares, and
    // lays out every cell it is given: the file is measured first.
    const ZippedWorkbookFacts facts = scanZippedWorkbook(path);
    try {
        return readScanned(path, facts);
    } catch (const SheetLimitExceeded& exceeded) {
        throw WorkbookError(exceeded.message(path));
    }
}

WorkbookGrid OrcusWorkbookReader::readScanned(const QString& path, const ZippedWorkbookFacts& facts) const {
    // The OpenDocument import reads cell values with strtod, which follows the user's
    // LC_NUMERIC: under a Turkish locale every "1234.5" would read as 0.
    const ClassicNumbersScope classicNumbers;
    // The whole sheet size the formats allow, so that no cell is cut off.
    ss::document doc(ss::range_size_t{1048576, 16384});
    Cells dates;
    DateNotingFactory factory(doc, dates);
    // Saved formula results are not trusted: files written by programs that do not
    // calculate hold 0 for every formula, also for a division by zero.
    factory.set_recalc_formula_cells(true);
    try {
        if (m_format == Format::Ods) {
            const QByteArray package = odsPackageForParser(path);
            orcus::orcus_ods loader(&factory);
            loader.read_stream(
                std::string_view(package.constData(), static_cast<std::size_t>(package.size())));
        } else {
            const std::string file = QFile::encodeName(path).toStdString();
            orcus::orcus_xlsx loader(&factory);
            loader.read_file(file);
        }
    } catch (const std::exception&) {
        throw WorkbookError(damagedWorkbookMessage(path));
    }

    WorkbookGrid grid;
    grid.setSheetCount(static_cast<int>(doc.get_sheet_count()));
    const ss::sheet* sheet = doc.get_sheet(0);
    if (!sheet)
        return grid;
    const orcus::date_time_t originDate = doc.get_origin_date();
    QDate origin(originDate.year, originDate.month, originDate.day);
    if (!origin.isValid())
        origin = QDate(1899, 12, 30);
    const ixion::abs_range_t range = sheet->get_data_range();
    const ixion::model_context& model = doc.get_model_context();
    if (range.valid())
        grid.resize(range.last.row + 1, range.last.column + 1);
    for (int row = 0; range.valid() && row <= range.last.row; ++row) {
        for (int column = 0; column <= range.last.column; ++column) {
            const ixion::abs_address_t address(0, row, column);
            QString text;
            try {
                text = cellText(doc, *sheet, model, address, origin, dates);
            } catch (const std::exception&) {
                // A formula without a saved result reads as an error cell: empty.
            }
            if (!text.isEmpty())
                grid.setText(row + 1, column + 1, text);
        }
    }
    // The parser drops the texts an xlsx sheet holds in its cells (inline strings).
    for (const InlineCell& cell : facts.inlineStrings)
        grid.setText(cell.row, cell.column, cell.text);
    grid.trim();
    return grid;
}

} // namespace velkor
