#pragma once

#include <QString>
#include <functional>

namespace velkor {

class Prompt;
class WorkbookWriter;

/// Opens a saved file with the desktop's application for its kind; false when there is
/// none or it could not be started.
using FileOpener = std::function<bool(const QString& path)>;

/// The desktop opener: "xdg-open" started on the file, detached.
bool openWithDesktop(const QString& path);

/// What the user is asked when a filled workbook is handed over.
struct WorkbookHandOverRequest {
    /// Title of the save dialog.
    QString title = QStringLiteral("Excel Dosyası Kaydet");
    /// The proposed path (folder and default name); ".xlsx" is added when missing.
    QString proposedPath;
};

/// Hands a filled workbook to the user in place of an unsaved one: asks where to save it,
/// saves it (".xlsx" added when the chosen name has no extension) and opens it with the
/// opener; when the opener is empty or fails, says where the file was saved. A failure
/// to write shows "Excel açılamadı. Sistem Mesajı: %s" and leaves nothing behind.
/// Returns the saved path, or empty when the user cancelled or the save failed.
QString handOverWorkbook(WorkbookWriter& book, Prompt& prompt, const WorkbookHandOverRequest& request,
                         const FileOpener& opener);

/// The message of a workbook that could not be written.
QString workbookFailureMessage(const QString& systemMessage);

} // namespace velkor
