#pragma once

#include "reports/PrintService.h"

class QWidget;

namespace velkor {

class Prompt;

/// The GUI's print service: the report in a preview window ("Velkor Rapor Önizleme")
/// with zoom and page navigation, from which the user prints to any printer the system
/// knows, or saves the report as a PDF file.
class PreviewPrintService : public PrintService {
public:
    /// `prompt` asks where a PDF is saved and shows a failure to write it.
    PreviewPrintService(QWidget* parent, Prompt& prompt) : m_parent(parent), m_prompt(prompt) {}

    void present(PrintedReport& report) override;

private:
    void saveAsPdf(PrintedReport& report);

    QWidget* m_parent;
    Prompt& m_prompt;
};

} // namespace velkor
