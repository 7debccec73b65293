#include "app/ui/ApplicationWindows.h"

#include "app/Program.h"
#include "app/ui/TAnaMenuF.h"
#include "app/ui/TGirisF.h"
#include "app/ui/TGirisRF.h"
#include "app/ui/TGuncelleF.h"
#include "app/ui/TbekleyinF.h"
#include "app/ui/TsifreF.h"
#include "base/ui/ProgramStyle.h"
#include "import/ExcelImportForm.h"
#include "import/ui/TExcelVeriAktarF.h"
#include "legislation/LegislationForm.h"
#include "legislation/ui/TMevzuatF.h"
#include "referencedata/ReferenceDataForm.h"
#include "referencedata/ui/TVerilerF.h"
#include "registry/CompanyRegistry.h"
#include "registry/ui/TFirmaKayitF.h"
#include "reports/ui/PreviewPrintService.h"
#include "spreadsheet/WorkbookHandOver.h"
#include "update/ProgramUpdate.h"
#include "update/ui/TForm6.h"
#include "workspace/Workspace.h"
#include "workspace/ui/TSabitKiymetDuzeltmeF.h"

#include <QDesktopServices>
#include <QUrl>

namespace velkor {

ApplicationWindows::ApplicationWindows(Program& program) {
    // Every window, box and dialog of the program is drawn with its style.
    ProgramStyle::install();
    m_windows.emplace_back(new TGirisF(program));
    m_windows.emplace_back(new TAnaMenuF(program));
    m_windows.emplace_back(new TGirisRF(program));
    m_windows.emplace_back(new TVerilerF(program.referenceData(), program.windows(), program.prompt()));
    m_windows.emplace_back(
        new TSabitKiymetDuzeltmeF(program.adjustmentWorkspace(), program.windows(), program.prompt()));
    m_printService = std::make_unique<PreviewPrintService>(m_windows.back().get(), program.prompt());
    program.adjustmentWorkspace().setPrintService(m_printService.get());
    m_windows.emplace_back(new TMevzuatF(program.legislation(), program.windows(), program.prompt()));
    m_windows.emplace_back(new TFirmaKayitF(program.registry().form(), program.windows(), program.prompt()));
    m_windows.emplace_back(new TExcelVeriAktarF(program.excelImport(), program.windows(), program.prompt()));
    m_windows.emplace_back(new TbekleyinF(program));
    m_windows.emplace_back(new TGuncelleF(program));
    m_windows.emplace_back(
        new TForm6(program.programUpdate().progress(), program.windows(), program.prompt()));
    m_windows.emplace_back(new TsifreF(program));
    program.setDocumentOpener(
        [](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); });
    // A downloaded Debian package goes to the desktop's package installer, the program for its kind.
    program.programUpdate().setPackageOpener(openWithDesktop);
    // Windows the model already shows (the entry window after start) appear now.
    for (const auto& window : m_windows) {
        if (program.windows().isVisible(window->objectName()))
            window->show();
    }
}

ApplicationWindows::~ApplicationWindows() = default;

FormWindow* ApplicationWindows::window(const QString& className) const {
    for (const auto& window : m_windows)
        if (window->objectName() == className)
            return window.get();
    return nullptr;
}

} // namespace velkor
