#include "reports/PdfPrintService.h"

#include "base/ShownError.h"
#include "reports/PrintedReport.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

namespace velkor {

namespace {

/// Drawing at this resolution keeps the layout units' fractions.
constexpr int kPdfResolution = 1200;

int writePdf(PrintedReport& report, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ShownError(QStringLiteral("PDF dosyası yazılamadı: %1\n\rSistem Mesajı: %2")
                             .arg(QFileInfo(path).absoluteFilePath(), file.errorString()));
    int pages = 0;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QStringLiteral("Velkor Enflasyon Düzeltmesi Programı"));
        writer.setTitle(report.name());
        writer.setPageLayout(report.pageLayout());
        pages = report.print(writer);
    }
    if (!file.commit())
        throw ShownError(QStringLiteral("PDF dosyası yazılamadı: %1\n\rSistem Mesajı: %2")
                             .arg(QFileInfo(path).absoluteFilePath(), file.errorString()));
    return pages;
}

} // namespace

void writeReportPdf(PrintedReport& report, const QString& path) {
    writePdf(report, path);
}

void PdfPrintService::present(PrintedReport& report) {
    m_pages = writePdf(report, m_path);
    ++m_written;
}

} // namespace velkor
