#include "base/WindowNames.h"
#include "cli/CliCommand.h"
#include "reports/ReportColumns.h"
#include "reports/ReportSheet.h"
#include "reports/ReportSheetControls.h"

namespace velkor::cli {
namespace {

const char* const kUsage = "report --company KOD [--filter METİN] | report --controls";

int report(CliRun& run) {
    if (listTabControlsIfAsked(run, &ReportSheet::addControls, kUsage))
        return 0;
    const QString code = takeOption(run.args, QStringLiteral("--company"));
    const std::optional<QString> filter = takeOptionIfGiven(run.args, QStringLiteral("--filter"));
    if (code.isEmpty() || !run.args.isEmpty())
        throw UsageError(QString::fromUtf8(kUsage));
    if (!openCompany(run, code))
        return 1;

    FormModel form(windows::kWorkspace);
    ReportSheet sheet(form, run.context.company());
    if (filter)
        form.userSet(ctl::report::RaporListeCombo, *filter);
    else
        form.click(ctl::report::RaporListeButton);
    for (const QString& line : gridLines(sheet.SBKRaporQuery(), reportGridColumns()))
        run.out << line << "\n";
    return 0;
}

const CommandRegistration reg("report", kUsage, report);

} // namespace
} // namespace velkor::cli
