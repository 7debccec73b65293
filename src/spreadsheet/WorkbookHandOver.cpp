#include "spreadsheet/WorkbookHandOver.h"

#include "base/Prompt.h"
#include "spreadsheet/WorkbookWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace velkor {

namespace {

const QString kFilter = QStringLiteral("Excel Çalışma Kitabı (*.xlsx)|*.xlsx");

QString withExtension(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".xlsx") : path;
}

} // namespace

bool openWithDesktop(const QString& path) {
    return QProcess::startDetached(QStringLiteral("xdg-open"), {path});
}

QString workbookFailureMessage(const QString& systemMessage) {
    return QStringLiteral("Excel açılamadı. Sistem Mesajı: %1").arg(systemMessage);
}

QString handOverWorkbook(WorkbookWriter& book, Prompt& prompt, const WorkbookHandOverRequest& request,
                         const FileOpener& opener) {
    const QString current = QDir::currentPath();
    const QString chosen = prompt.chooseSaveFile(request.title, withExtension(request.proposedPath), kFilter);
    QDir::setCurrent(current);
    if (chosen.isEmpty()) {
        return {};
    }
    const QString path = QFileInfo(withExtension(chosen)).absoluteFilePath();
    try {
        book.save(path);
    } catch (const WorkbookError& error) {
        prompt.showMessage(workbookFailureMessage(error.message()), {}, PromptIcon::Error);
        return {};
    }
    if (!opener || !opener(path)) {
        prompt.showMessage(
            QStringLiteral("Çalışma kitabı kaydedildi:\n%1").arg(QDir::toNativeSeparators(path)), {},
            PromptIcon::Information);
    }
    return path;
}

} // namespace velkor
