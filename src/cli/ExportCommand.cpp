#include "base/WindowNames.h"
#include "cli/CliCommand.h"
#include "cli/PeriodOutputs.h"
#include "reports/ReportSheet.h"
#include "reports/ReportSheetControls.h"

#include <QDir>
#include <QFileInfo>

namespace velkor::cli {
namespace {

const char* const kUsage = "export report|totals --company KOD [--filter METİN] --xlsx DOSYA\n"
                           "  export report|report-depreciation|totals|coefficients --company KOD "
                           "--period GG.AA.YYYY --xlsx DOSYA";

int exportReport(CliRun& run) {
    if (run.args.isEmpty())
        throw UsageError(QString::fromUtf8(kUsage));
    const QString kind = run.args.takeFirst();
    const QString code = takeOption(run.args, QStringLiteral("--company"));
    const bool filtered = run.args.contains(QStringLiteral("--filter"));
    const QString filter = takeOption(run.args, QStringLiteral("--filter"));
    const QString path = takeOption(run.args, QStringLiteral("--xlsx"));
    if (const std::optional<QDate> period = takePeriodOption(run.args)) {
        if (code.isEmpty() || path.isEmpty() || filtered || !run.args.isEmpty())
            throw UsageError(QString::fromUtf8(kUsage));
        return openCompany(run, code) ? exportPeriod(run, kind, *period, path) : 1;
    }
    const bool report = kind == QLatin1String("report");
    if ((!report && kind != QLatin1String("totals")) || code.isEmpty() || path.isEmpty() ||
        !run.args.isEmpty() || (filtered && !report))
        throw UsageError(QString::fromUtf8(kUsage));
    if (!openCompany(run, code))
        return 1;

    FormModel form(windows::kWorkspace);
    ReportSheet sheet(form, run.context.company());
    sheet.setPrinting(nullptr, [&run] {
        return registeredCompanyHeading(run.context.general(), run.context.companyCode());
    });
    // The save dialog is answered with the file of the command line; the saved workbook
    // is reported instead of opened.
    const QString target = QDir(path).absolutePath();
    run.prompt.addFile(target);
    bool saved = false;
    sheet.setWorkbookOutput(&run.prompt, [&](const QString& written) {
        run.out << QStringLiteral("Çalışma kitabı yazıldı: %1").arg(QDir::toNativeSeparators(written))
                << "\n";
        saved = true;
        return true;
    });
    if (report) {
        if (filtered)
            form.userSet(ctl::report::RaporListeCombo, filter);
        else
            form.click(ctl::report::RaporListeButton);
        form.click(ctl::report::ExcelDuzRapBut);
    } else {
        form.click(ctl::report::AnaHesapExcelBut);
    }
    return saved ? 0 : 1;
}

const CommandRegistration reg("export", kUsage, exportReport);

} // namespace
} // namespace velkor::cli
