#pragma once

#include "spreadsheet/WorkbookReader.h"

#include <QByteArray>

namespace velkor {

/// Reads a .csv file as a workbook of one sheet: UTF-8 (with or without a byte order
/// mark) or, when the bytes are no valid UTF-8, Windows-1254; fields separated by ";"
/// or by ",", whichever the first line uses outside quotes (";" when it has both), and
/// double-quoted fields with "" for a quote. Fields are texts as they stand, except that
/// in a comma-separated file a plain number with a decimal point ("1234.50") is given the
/// regional decimal separator, as a spreadsheet would show it.
class CsvWorkbookReader : public WorkbookReader {
public:
    WorkbookGrid readFirstSheet(const QString& path) const override;
    /// The same from the file's bytes; throws SheetLimitExceeded.
    static WorkbookGrid readBytes(const QByteArray& bytes);
    /// The same from the decoded text; throws SheetLimitExceeded.
    static WorkbookGrid readText(const QString& text);
};

/// Windows-1254 (Turkish) bytes as text.
QString fromWindows1254(const QByteArray& bytes);

} // namespace velkor
