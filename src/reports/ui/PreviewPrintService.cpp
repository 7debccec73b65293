#include "reports/ui/PreviewPrintService.h"

#include "reports/PrintedReport.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <exception>

namespace velkor {

void PreviewPrintService::present(PrintedReport& report) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageLayout(report.pageLayout());
    printer.setDocName(report.name());

    QPrintPreviewDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(QStringLiteral("Velkor Rapor Önizleme"));
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
