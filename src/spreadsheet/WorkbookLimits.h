#pragma once

#include <QString>
#include <QtGlobal>
#include <stdexcept>

namespace velkor {

/// The most cells the used range of one sheet may span (rows × columns, counted from A1);
/// for an .xls file, whose reader lays out every sheet, of all sheets together.
/// The import window shows at most 6.500 rows of 254 columns; a sheet larger than this
/// limit is no trial balance, and a cell written at XFD1048576 must not make the program
/// lay out seventeen billion empty cells.
inline constexpr qint64 kMaxSheetCells = 1'000'000;
/// The most bytes a workbook may take unpacked: every entry of an .xlsx or .ods together
/// as really inflated (the sizes its zip directory declares are not trusted), the file of
/// an .xls or .csv, and the texts of the sheet read. The parser of xlsx and ods files takes
/// about four times what it parses; with the company's own data beside it, reading any
/// file stays well under half a gigabyte of memory. A trial balance of 5.000 rows is 5 MB.
inline constexpr qint64 kMaxWorkbookBytes = 50 * 1024 * 1024;

/// "Çalışma kitabı okunmadı; sayfalarında kullanılan alan 1.000.000 hücre sınırını aşıyor: "
/// + file name.
QString tooManyCellsMessage(const QString& path);
/// "Çalışma kitabı okunmadı; açıldığında 50 MB sınırını aşıyor: " + file name.
QString tooLargeMessage(const QString& path);

/// Thrown where a sheet outgrows a limit while it is read; the readers turn it into a
/// WorkbookError naming the file.
class SheetLimitExceeded : public std::runtime_error {
public:
    enum class Limit { Cells, Bytes };
    explicit SheetLimitExceeded(Limit limit) : std::runtime_error("sheet limit exceeded"), m_limit(limit) {}
    Limit limit() const { return m_limit; }
    /// The user's message for the file.
    QString message(const QString& path) const;

private:
    Limit m_limit;
};

/// Whether a used range of rows × columns stays within kMaxSheetCells.
inline bool withinCellLimit(qint64 rows, qint64 columns) {
    return rows <= 0 || columns <= 0 || (rows <= kMaxSheetCells && columns <= kMaxSheetCells / rows);
}

} // namespace velkor
