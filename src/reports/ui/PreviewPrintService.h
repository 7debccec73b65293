#pragma once

#include "reports/PrintService.h"

class QWidget;

namespace velkor {

/// The GUI's print service: the report in a preview window ("Velkor Rapor Önizleme")
/// with zoom and page navigation, from which the user prints to any printer the system
/// knows or to a PDF file.
class PreviewPrintService : public PrintService {
public:
    explicit PreviewPrintService(QWidget* parent = nullptr) : m_parent(parent) {}

    void present(PrintedReport& report) override;

private:
    QWidget* m_parent;
};

} // namespace velkor
