#include "reports/ui/PreviewPrintService.h"

#include "base/Prompt.h"
#include "base/ShownError.h"
#include "reports/PdfPrintService.h"
#include "reports/PrintedReport.h"

#include <QAction>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>
#include <exception>

namespace velkor {

void PreviewPrintService::saveAsPdf(PrintedReport& report) {
    const QString current = QDir::currentPath();
    const QString path = m_prompt.chooseSaveFile(
        QStringLiteral("PDF Olarak Kaydet"), QDir::home().filePath(report.name() + QStringLiteral(".pdf")),
        QStringLiteral("PDF Belgesi (*.pdf)|*.pdf"));
    QDir::setCurrent(current);
    if (path.isEmpty())
        return;
    try {
        writeReportPdf(report, path);
    } catch (const ShownError& error) {
        m_prompt.showMessage(error.message(), {}, PromptIcon::Error);
    }
}

void PreviewPrintService::present(PrintedReport& report) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageLayout(report.pageLayout());
    printer.setDocName(report.name());

    QPrintPreviewDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(QStringLiteral("Velkor Rapor Önizleme"));
    if (auto* toolBar = dialog.findChild<QToolBar*>()) {
        toolBar->addSeparator();
        QAction* save = toolBar->addAction(QStringLiteral("PDF Olarak Kaydet"));
        save->setObjectName(QStringLiteral("PdfKaydetAction"));
        QObject::connect(save, &QAction::triggered, &dialog, [this, &report] { saveAsPdf(report); });
    }
    // A failure while drawing inside the dialog's signal cannot pass through Qt's event
    // loop; it is kept and raised once the dialog is closed.
    std::exception_ptr failure;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        if (failure)
            return;
        try {
            report.print(*target);
        } catch (...) {
            failure = std::current_exception();
            dialog.reject();
        }
    });
    dialog.showMaximized();
    dialog.exec();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace velkor
