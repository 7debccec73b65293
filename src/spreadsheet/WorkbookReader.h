#pragma once

#include "base/ShownError.h"
#include "spreadsheet/WorkbookGrid.h"

#include <memory>

namespace velkor {

/// A workbook that cannot be read: damaged, protected by a password, or of a kind the
/// program does not read. The message is meant for the user.
class WorkbookError : public ShownError {
public:
    using ShownError::ShownError;
};

/// Reads the first sheet of a workbook file into a grid of texts.
class WorkbookReader {
public:
    virtual ~WorkbookReader() = default;
    /// The first sheet from A1 to the last used cell; throws WorkbookError.
    virtual WorkbookGrid readFirstSheet(const QString& path) const = 0;
};

/// The reader for a file by its content and name: .xlsx and .ods through the
/// Orcus reader, .xls through the FreeXL reader, .csv and .txt as text.
/// Throws WorkbookError for a kind it does not read.
std::unique_ptr<WorkbookReader> readerFor(const QString& path);

/// Reads the first sheet of any workbook the program reads; throws WorkbookError.
WorkbookGrid readWorkbook(const QString& path);

/// "Çalışma kitabı parola ile korunuyor; parolasız kaydedip yeniden deneyin: " + file name.
QString protectedWorkbookMessage(const QString& path);
/// "Çalışma kitabı okunamadı; dosya bozuk ya da desteklenmeyen biçimde: " + file name.
QString damagedWorkbookMessage(const QString& path);

} // namespace velkor
