#include "spreadsheet/FreexlWorkbookReader.h"

#include "base/ClassicNumbers.h"
#include "spreadsheet/CellText.h"
#include "spreadsheet/WorkbookLimits.h"
#include "spreadsheet/XlsDimensions.h"

#include <QFile>
#include <QFileInfo>
#include <freexl.h>

namespace velkor {

namespace {

/// The FreeXL handle, closed on every way out.
class XlsHandle {
public:
    explicit XlsHandle(const QString& path) {
        m_status = freexl_open(QFile::encodeName(path).constData(), &m_handle);
    }
    ~XlsHandle() {
        if (m_handle)
            freexl_close(m_handle);
    }
    XlsHandle(const XlsHandle&) = delete;
    XlsHandle& operator=(const XlsHandle&) = delete;

    int status() const { return m_status; }
    const void* get() const { return m_handle; }

private:
    const void* m_handle = nullptr;
    int m_status = FREEXL_OK;
};

// FreeXL gives dates as "YYYY-MM-DD" and date-times as "YYYY-MM-DD HH:MM:SS".
QString isoDateText(const char* text) {
    const QDate date = QDate::fromString(QString::fromLatin1(text).left(10), Qt::ISODate);
    return date.isValid() ? dateCellText(date) : QString();
}

QString cellText(const FreeXL_CellValue& cell) {
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return numberCellText(cell.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return numberCellText(cell.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return QString::fromUtf8(cell.value.text_value);
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
        return isoDateText(cell.value.text_value);
    case FREEXL_CELL_TIME:
        return QString::fromLatin1(cell.value.text_value);
    default:
        return {};
    }
}

} // namespace

WorkbookGrid FreexlWorkbookReader::readFirstSheet(const QString& path) const {
    // The C library reads and writes numbers the same on every desktop while the file is read.
    const ClassicNumbersScope classicNumbers;
    // FreeXL reads the whole file and lays out the cells of every sheet as their
    // dimension records say (up to 65.536 × 256 each): the file is measured first.
    if (QFileInfo(path).size() > kMaxWorkbookBytes)
        throw WorkbookError(tooLargeMessage(path));
    const std::optional<XlsDimensions> dimensions = readXlsDimensions(path);
    if (!dimensions)
        throw WorkbookError(damagedWorkbookMessage(path));
    if (dimensions->allSheets > kMaxSheetCells)
        throw WorkbookError(tooManyCellsMessage(path));
    XlsHandle xls(path);
    if (xls.status() != FREEXL_OK)
        throw WorkbookError(damagedWorkbookMessage(path));
    unsigned int info = 0;
    if (freexl_get_info(xls.get(), FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK &&
        info == FREEXL_BIFF_OBFUSCATED)
        throw WorkbookError(protectedWorkbookMessage(path));

    WorkbookGrid grid;
    unsigned int sheets = 0;
    if (freexl_get_info(xls.get(), FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK)
        throw WorkbookError(damagedWorkbookMessage(path));
    grid.setSheetCount(static_cast<int>(sheets));
    if (sheets == 0)
        return grid;
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(xls.get(), 0) != FREEXL_OK ||
        freexl_worksheet_dimensions(xls.get(), &rows, &columns) != FREEXL_OK)
        throw WorkbookError(damagedWorkbookMessage(path));
    if (!withinCellLimit(rows, columns))
        throw WorkbookError(tooManyCellsMessage(path));
    try {
        grid.resize(static_cast<int>(rows), columns);
        for (unsigned int row = 0; row < rows; ++row) {
            for (unsigned short column = 0; column < columns; ++column) {
                FreeXL_CellValue cell;
                if (freexl_get_cell_value(xls.get(), row, column, &cell) != FREEXL_OK)
                    throw WorkbookError(damagedWorkbookMessage(path));
                grid.setText(static_cast<int>(row) + 1, column + 1, cellText(cell));
            }
        }
    } catch (const SheetLimitExceeded& exceeded) {
        throw WorkbookError(exceeded.message(path));
    }
    grid.trim();
    return grid;
}

} // namespace velkor
