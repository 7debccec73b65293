#pragma once

#include "reports/PrintService.h"

#include <QString>

namespace velkor {

/// Writes a report as an A4 PDF with its fonts embedded. The file appears only when it
/// is complete: a failure leaves no half-written file behind.
void writeReportPdf(PrintedReport& report, const QString& path);

/// A print service that writes every report it is given to one PDF file.
class PdfPrintService : public PrintService {
public:
    explicit PdfPrintService(const QString& path) : m_path(path) {}

    void present(PrintedReport& report) override;

    /// How many reports were written (0 when none was asked for).
    int written() const { return m_written; }
    /// The page count of the last report written.
    int pages() const { return m_pages; }

private:
    QString m_path;
    int m_written = 0;
    int m_pages = 0;
};

} // namespace velkor
