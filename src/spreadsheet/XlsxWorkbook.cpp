#include "spreadsheet/XlsxWorkbook.h"

#include "base/ClassicNumbers.h"
#include "spreadsheet/TypedText.h"
#include "spreadsheet/XlsxPackage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <xlsxwriter.h>

namespace velkor {

namespace {

constexpr int kMaxRows = 1048576;
constexpr int kMaxColumns = 16384;
const QString kDateFormat = QStringLiteral("dd.mm.yyyy");

void checkCell(int row, int column) {
    if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns) {
        throw std::out_of_range("cell outside the sheet");
    }
}

/// Function names upper-cased (outside quoted strings), as workbook files store them.
QString storedFormula(const QString& formula) {
    QString result;
    bool quoted = false;
    for (const QChar c : formula) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        }
        result += quoted ? c : c.toUpper();
    }
    return result;
}

/// The length of QString::number(value, 'g', 15), the text of a number without a format.
/// Qt's formatting goes through a big-number path that dominates fitting a voucher's
/// columns; the standard library writes the same text much faster whenever 15 digits hold
/// the number exactly. Otherwise the last digit is rounded, and the two round an exact
/// tie differently, so Qt is asked.
int generalNumberWidth(double value) {
    if (value == 0) {
        return 1; // Qt writes "0" for a negative zero too
    }
    if (std::fabs(value) < 1e15 && std::trunc(value) == value) {
        // Whole numbers below 10^15 (years, months, counters) are written with every digit.
        int width = value < 0 ? 2 : 1;
        for (auto rest = static_cast<long long>(std::fabs(value)); rest >= 10; rest /= 10) {
            ++width;
        }
        return width;
    }
    if (std::isfinite(value)) {
        char shortest[32];
        const auto written =
            std::to_chars(shortest, shortest + sizeof shortest, value, std::chars_format::scientific);
        const char* exponent = std::find(shortest, written.ptr, 'e');
        const auto digits = std::count_if(static_cast<const char*>(shortest), exponent,
                                          [](char c) { return c >= '0' && c <= '9'; });
        if (digits <= 15) {
            char text[32];
            const auto general =
                std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15);
            return static_cast<int>(general.ptr - text);
        }
    }
    return static_cast<int>(QString::number(value, 'g', 15).size());
}

/// The width of a number as a number format shows it, in characters, estimated from its
/// digits (fitting column widths needs no exact text).
int numberWidth(double value, const QString& numberFormat) {
    if (numberFormat.isEmpty()) {
        return generalNumberWidth(value);
    }
    const qsizetype point = numberFormat.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : static_cast<int>(numberFormat.size() - point - 1);
    const double magnitude = std::fabs(value);
    const int digits = magnitude < 10 ? 1 : static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    const int groups = numberFormat.contains(QLatin1Char(',')) ? (digits - 1) / 3 : 0;
    return digits + groups + (decimals > 0 ? decimals + 1 : 0) + (value < 0 ? 1 : 0);
}

/// The UTF-8 of one cell text after another, in one buffer used again for each: a text
/// of its own per cell cost an allocation and a release for every cell of a voucher.
class Utf8Buffer {
public:
    const char* operator()(const QString& text) {
        m_bytes.resize(static_cast<std::size_t>(m_encoder.requiredSpace(text.size())) + 1);
        char* end = m_encoder.appendToBuffer(m_bytes.data(), text);
        if (m_encoder.hasError()) {
            // A broken surrogate pair: the encoder writes U+FFFD where the program's
            // other UTF-8 texts have "?", so such a text is converted as those are.
            m_encoder.resetState();
            const QByteArray bytes = text.toUtf8();
            end = std::copy(bytes.begin(), bytes.end(), m_bytes.data());
        }
        *end = '\0';
        return m_bytes.data();
    }

private:
    QStringEncoder m_encoder{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
    std::vector<char> m_bytes;
};

/// A workbook the library writes when it is closed.
struct WorkbookHandle {
    lxw_workbook* book = nullptr;
    ~WorkbookHandle() {
        if (book != nullptr) {
            workbook_close(book);
        }
    }
};

/// A workbook whose parts are taken from the library without its writing them.
struct CellsHandle {
    lxw_workbook* book = nullptr;
    ~CellsHandle() {
        if (book != nullptr) {
            lxw_workbook_free(book);
        }
    }
};

/// Closes the workbook, which writes its file. Throws WorkbookError.
void closeWorkbook(WorkbookHandle& handle) {
    lxw_workbook* book = handle.book;
    handle.book = nullptr;
    errno = 0;
    const lxw_error error = workbook_close(book);
    if (error != LXW_NO_ERROR) {
        const QString system = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : QString();
        throw WorkbookError(system.isEmpty()
                                ? QString::fromUtf8(lxw_strerror(error))
                                : QString::fromUtf8(lxw_strerror(error)) + QStringLiteral(": ") + system);
    }
}

/// A part the library writes into memory.
class MemoryPart {
public:
    MemoryPart() : m_file(open_memstream(&m_data, &m_size)) {
        if (m_file == nullptr) {
            throw WorkbookError(QString::fromLocal8Bit(std::strerror(errno)));
        }
    }
    ~MemoryPart() {
        if (m_file != nullptr) {
            std::fclose(m_file);
        }
        std::free(m_data);
    }
    MemoryPart(const MemoryPart&) = delete;
    MemoryPart& operator=(const MemoryPart&) = delete;

    FILE* file() const { return m_file; }
    /// The bytes written, without a copy: valid while the part lives.
    QByteArray bytes() {
        if (m_file != nullptr) {
            const bool closed = std::fclose(m_file) == 0;
            m_file = nullptr;
            if (!closed) {
                throw WorkbookError(QString::fromLocal8Bit(std::strerror(errno)));
            }
        }
        return QByteArray::fromRawData(m_data, static_cast<qsizetype>(m_size));
    }

private:
    char* m_data = nullptr;
    std::size_t m_size = 0;
    FILE* m_file = nullptr;
};

} // namespace

XlsxWorkbook::Cell& XlsxWorkbook::cell(int row, int column) {
    checkCell(row, column);
    if (m_rows.size() < static_cast<std::size_t>(row)) {
        m_rows.resize(static_cast<std::size_t>(row));
    }
    auto& cells = m_rows[static_cast<std::size_t>(row - 1)];
    if (cells.empty() && row > 1) {
        // Rows of a sheet are mostly as wide as the row above: room for as many cells at
        // once spares a row the copies of a growing list.
        cells.reserve(m_rows[static_cast<std::size_t>(row - 2)].size());
    }
    if (cells.empty() || cells.back().first < column) {
        return cells.emplace_back(column, Cell{}).second;
    }
    auto found = std::lower_bound(cells.begin(), cells.end(), column,
                                  [](const auto& entry, int c) { return entry.first < c; });
    if (found == cells.end() || found->first != column) {
        found = cells.insert(found, {column, Cell{}});
    }
    return found->second;
}

std::size_t XlsxWorkbook::cellCount() const {
    std::size_t count = 0;
    for (const auto& cells : m_rows) {
        count += cells.size();
    }
    return count;
}

void XlsxWorkbook::setTyped(int row, int column, const QString& text) {
    setResolved(row, column, resolveTypedText(text));
}

void XlsxWorkbook::setResolved(int row, int column, const TypedValue& value) {
    if (value.kind != TypedValue::Kind::Empty) {
        WorkbookWriter::setResolved(row, column, value);
        return;
    }
    // An empty resolved value leaves no cell, without forming the typed text's empty one.
    checkCell(row, column);
    if (static_cast<std::size_t>(row) <= m_rows.size()) {
        std::erase_if(m_rows[static_cast<std::size_t>(row - 1)],
                      [column](const auto& entry) { return entry.first == column; });
    }
}

void XlsxWorkbook::setText(int row, int column, const QString& text) {
    Cell& target = cell(row, column);
    target.kind = CellKind::Text;
    target.text = text;
}

void XlsxWorkbook::setNumber(int row, int column, double value) {
    Cell& target = cell(row, column);
    target.kind = CellKind::Number;
    target.number = value;
}

void XlsxWorkbook::setDate(int row, int column, const QDate& date) {
    Cell& target = cell(row, column);
    target.kind = CellKind::Date;
    // Serial day number of the workbook's 1900 date system (day 1 is 1 January 1900,
    // with the phantom 29 February 1900 counted).
    static const qint64 dayZero = QDate(1899, 12, 30).toJulianDay();
    target.number = static_cast<double>(date.toJulianDay() - dayZero);
}

void XlsxWorkbook::setFormula(int row, int column, const QString& formula, double result) {
    Cell& target = cell(row, column);
    target.kind = CellKind::Formula;
    target.text = storedFormula(formula);
    target.number = result;
}

void XlsxWorkbook::setNumberFormat(const QString& range, const QString& localFormat) {
    m_rules.push_back({CellRange::parse(range), invariantNumberFormat(localFormat), {}, {}});
}

void XlsxWorkbook::setBold(const QString& range, bool bold) {
    m_rules.push_back({CellRange::parse(range), {}, bold, {}});
}

void XlsxWorkbook::setFontSize(const QString& range, double points) {
    m_rules.push_back({CellRange::parse(range), {}, {}, points});
}

void XlsxWorkbook::setColumnWidth(int column, double width) {
    checkCell(1, column);
    m_widths[column] = width;
}

void XlsxWorkbook::autoFitColumns(const QString& range) {
    m_autoFit.push_back(CellRange::parse(range));
}

XlsxWorkbook::Style XlsxWorkbook::styleOf(int row, int column, CellKind kind) const {
    Style style;
    for (const StyleRule& rule : m_rules) {
        if (!rule.range.contains(row, column)) {
            continue;
        }
        if (rule.numberFormat) {
            style.numberFormat = *rule.numberFormat;
        }
        if (rule.bold) {
            style.bold = *rule.bold;
        }
        if (rule.fontSize) {
            style.fontSize = *rule.fontSize;
        }
    }
    if (kind == CellKind::Date) {
        style.numberFormat = kDateFormat;
    }
    return style;
}

int XlsxWorkbook::shownWidth(const Cell& cell, const Style& style) const {
    switch (cell.kind) {
    case CellKind::Text:
        return static_cast<int>(cell.text.size());
    case CellKind::Date:
        return static_cast<int>(kDateFormat.size());
    case CellKind::Number:
    case CellKind::Formula:
        return numberWidth(cell.number, style.numberFormat);
    }
    return 0;
}

lxw_format* XlsxWorkbook::newFormat(lxw_workbook* book, const Style& style) {
    lxw_format* format = workbook_add_format(book);
    if (!style.numberFormat.isEmpty()) {
        format_set_num_format(format, style.numberFormat.toUtf8().constData());
    }
    if (style.bold) {
        format_set_bold(format);
    }
    if (style.fontSize > 0) {
        format_set_font_size(format, style.fontSize);
    }
    return format;
}

void XlsxWorkbook::setColumns(lxw_worksheet* sheet) const {
    // Column widths first, from every cell of the fitted ranges.
    std::map<int, double> fitted;
    if (!m_autoFit.empty()) {
        forEachCell([&](int row, int column, const Cell& value) {
            for (const CellRange& range : m_autoFit) {
                if (range.contains(row, column)) {
                    const Style style = styleOf(row, column, value.kind);
                    const double size = style.fontSize > 0 ? style.fontSize : 11.0;
                    double width = (shownWidth(value, style) + 2) * size / 11.0;
                    if (style.bold) {
                        width *= 1.1;
                    }
                    double& best = fitted[column];
                    best = std::max(best, width);
                    break;
                }
            }
        });
    }
    for (auto [column, width] : fitted) {
        if (m_widths.count(column) == 0) {
            worksheet_set_column(sheet, static_cast<lxw_col_t>(column - 1),
                                 static_cast<lxw_col_t>(column - 1), std::min(width, 255.0), nullptr);
        }
    }
    for (auto [column, width] : m_widths) {
        worksheet_set_column(sheet, static_cast<lxw_col_t>(column - 1), static_cast<lxw_col_t>(column - 1),
                             width, nullptr);
    }
}

std::vector<XlsxWorkbook::Style> XlsxWorkbook::writeCells(lxw_workbook* book, lxw_worksheet* sheet) const {
    std::vector<Style> used;
    std::map<Style, lxw_format*> formats;
    auto formatFor = [&](const Style& style) -> lxw_format* {
        if (style == Style{}) {
            return nullptr;
        }
        auto found = formats.find(style);
        if (found != formats.end()) {
            return found->second;
        }
        used.push_back(style);
        return formats.emplace(style, newFormat(book, style)).first->second;
    };
    Utf8Buffer utf8;
    forEachCell([&](int row, int column, const Cell& value) {
        lxw_format* format = formatFor(styleOf(row, column, value.kind));
        const auto r = static_cast<lxw_row_t>(row - 1);
        const auto c = static_cast<lxw_col_t>(column - 1);
        lxw_error error = LXW_NO_ERROR;
        switch (value.kind) {
        case CellKind::Text:
            error = worksheet_write_string(sheet, r, c, utf8(value.text), format);
            break;
        case CellKind::Number:
        case CellKind::Date:
            error = worksheet_write_number(sheet, r, c, value.number, format);
            break;
        case CellKind::Formula:
            error = worksheet_write_formula_num(sheet, r, c, utf8(value.text), format, value.number);
            break;
        }
        if (error != LXW_NO_ERROR) {
            throw WorkbookError(QString::fromUtf8(lxw_strerror(error)));
        }
    });
    return used;
}

void XlsxWorkbook::writeTo(const QString& file) const {
    // The library prints its numbers (cell values, column widths, font sizes) with the C
    // library's printf, which follows the user's LC_NUMERIC.
    const ClassicNumbersScope classicNumbers;
    // Closing a workbook, the library compresses its parts at zlib's default level, which
    // took as long as forming them. So the library forms the sheet and the shared texts of
    // the cells in memory, a workbook of the same styles without the cells gives the other
    // parts, and the container is written at the quickest level.
    lxw_workbook_options options{};
    CellsHandle cells;
    cells.book = workbook_new_opt(QFile::encodeName(file).constData(), &options);
    if (cells.book == nullptr) {
        throw WorkbookError(QStringLiteral("Çalışma kitabı oluşturulamadı."));
    }
    lxw_worksheet* sheet = workbook_add_worksheet(cells.book, nullptr);
    setColumns(sheet);
    const std::vector<Style> styles = writeCells(cells.book, sheet);
    // The one sheet is the selected one, as closing a workbook makes it.
    worksheet_activate(sheet);
    MemoryPart sheetPart;
    sheet->file = sheetPart.file();
    lxw_worksheet_assemble_xml_file(sheet);
    sheet->file = nullptr;
    MemoryPart textsPart;
    lxw_sst* texts = cells.book->sst;
    if (texts->string_count > 0) {
        texts->file = textsPart.file();
        lxw_sst_assemble_xml_file(texts);
        texts->file = nullptr;
    }

    QTemporaryFile frameFile(QDir::tempPath() + QStringLiteral("/velkor-XXXXXX.xlsx"));
    if (!frameFile.open()) {
        throw WorkbookError(frameFile.errorString());
    }
    frameFile.close();
    WorkbookHandle frame;
    frame.book = workbook_new_opt(QFile::encodeName(frameFile.fileName()).constData(), &options);
    if (frame.book == nullptr) {
        throw WorkbookError(QStringLiteral("Çalışma kitabı oluşturulamadı."));
    }
    lxw_worksheet* frameSheet = workbook_add_worksheet(frame.book, nullptr);
    // The styles take their numbers in the order the cells first use them.
    for (const Style& style : styles) {
        lxw_format_get_xf_index(newFormat(frame.book, style));
    }
    if (texts->string_count > 0) {
        // A text makes the frame list the shared texts among its parts.
        worksheet_write_string(frameSheet, 0, 0, "-", nullptr);
    }
    closeWorkbook(frame);

    std::vector<WorkbookPart> parts = readWorkbookParts(frameFile.fileName());
    for (WorkbookPart& part : parts) {
        if (part.name == QLatin1String("xl/worksheets/sheet1.xml")) {
            part.bytes = sheetPart.bytes();
        } else if (part.name == QLatin1String("xl/sharedStrings.xml")) {
            part.bytes = textsPart.bytes();
        }
    }
    writeWorkbookParts(file, parts);
}

void XlsxWorkbook::save(const QString& path) {
    const QFileInfo target(path);
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.") + target.completeBaseName() +
                             QStringLiteral("-XXXXXX.xlsx"));
    if (!temporary.open()) {
        throw WorkbookError(temporary.errorString());
    }
    const QString temporaryName = temporary.fileName();
    temporary.close();
    try {
        writeTo(temporaryName);
    } catch (...) {
        QFile::remove(temporaryName);
        throw;
    }
    QFile::setPermissions(temporaryName,
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (std::rename(QFile::encodeName(temporaryName).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        const QString system = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(temporaryName);
        throw WorkbookError(system);
    }
    temporary.setAutoRemove(false);
}

} // namespace velkor
