#include "base/ProgressWindow.h"
#include "base/WindowManager.h"
#include "base/WindowNames.h"
#include "cli/CliCommand.h"
#include "import/ExcelImportForm.h"
#include "import/ExcelImportFormControls.h"
#include "workspace/Workspace.h"

namespace velkor::cli {

namespace {

const char* const kUsage = "import --company KOD --file DOSYA [--set AD=METİN | --click AD | --leave AD]...";

// Reads the workbook (the file of --file answers the window's file dialog), applies the
// steps to the import window and imports as "Düzeltme Yaparak Kayıtlara Aktar" does,
// without its question.
int importItems(CliRun& run) {
    const QString code = takeOption(run.args, QStringLiteral("--company"));
    const std::vector<FormStep> steps = takeFormSteps(run.args);
    if (code.isEmpty() || !run.args.isEmpty())
        throw UsageError(QString::fromUtf8(kUsage));
    if (!openCompany(run, code))
        return 1;

    Workspace workspace(run.context);
    workspace.open();
    WindowManager manager;
    manager.addWindow(windows::kExcelImport);
    manager.addWindow(windows::kProgress);
    ProgressWindow progress(manager);
    ExcelImportForm form(run.context, workspace.state(), workspace.indexLookup(), workspace.SBKTable(),
                         progress, manager);
    form.click(ctl::excelimport::ExcelVerialBut);
    if (!form.hasWorkbook()) {
        if (run.prompt.shown().empty())
            run.prompt.showMessage(QStringLiteral("Aktarılacak dosya verilmedi (--file)."));
        return 1;
    }
    for (const FormStep& step : steps) {
        if (step.kind == FormStep::Kind::Type)
            throw UsageError(QString::fromUtf8(kUsage));
        applyStep(run, form, step);
    }
    workspace.state().resetAdjustmentDate();
    const std::optional<int> created = form.Import();
    if (!created)
        return 1;
    // An import that creates nothing did not do what was asked of it.
    if (*created == 0) {
        run.prompt.showMessage(ExcelImportForm::nothingImportedMessage());
        return 1;
    }
    run.out << *created << " kayıt aktarıldı.\n";
    return 0;
}

const CommandRegistration reg("import", kUsage, importItems);

} // namespace

} // namespace velkor::cli
