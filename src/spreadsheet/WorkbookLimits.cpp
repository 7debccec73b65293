#include "spreadsheet/WorkbookLimits.h"

#include "base/NumberFormat.h"

#include <QFileInfo>

namespace velkor {

QString tooManyCellsMessage(const QString& path) {
    return QStringLiteral("Çalışma kitabı okunmadı; sayfalarında kullanılan alan %1 hücre sınırını aşıyor: ")
               .arg(FormatFloat(QStringLiteral("#,##0"), static_cast<double>(kMaxSheetCells))) +
           QFileInfo(path).fileName();
}

QString tooLargeMessage(const QString& path) {
    return QStringLiteral("Çalışma kitabı okunmadı; açıldığında %1 MB sınırını aşıyor: ")
               .arg(kMaxWorkbookBytes / (1024 * 1024)) +
           QFileInfo(path).fileName();
}

QString SheetLimitExceeded::message(const QString& path) const {
    return m_limit == Limit::Cells ? tooManyCellsMessage(path) : tooLargeMessage(path);
}

} // namespace velkor
