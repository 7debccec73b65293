#include "base/WindowNames.h"
#include "cli/CliCommand.h"
#include "reports/JournalSheet.h"
#include "reports/JournalSheetControls.h"

namespace velkor::cli {
namespace {

const char* const kUsage = "journal --company KOD [--filter METİN] | journal --controls";

int journal(CliRun& run) {
    if (listTabControlsIfAsked(run, &JournalSheet::addControls, kUsage))
        return 0;
    const QString code = takeOption(run.args, QStringLiteral("--company"));
    const std::optional<QString> filter = takeOptionIfGiven(run.args, QStringLiteral("--filter"));
    if (code.isEmpty() || !run.args.isEmpty())
        throw UsageError(QString::fromUtf8(kUsage));
    const std::optional<QString> name = openCompany(run, code);
    if (!name)
        return 1;

    FormModel form(windows::kWorkspace);
    JournalSheet sheet(form, run.context.company(), [&] { return *name; });
    if (filter)
        form.userSet(ctl::journal::YevmiyeCombo, *filter);
    else
        form.click(ctl::journal::YevmiyeBut);
    for (const QString& line : form.lines(ctl::journal::YevmiyeRich))
        run.out << line << "\n";
    return 0;
}

const CommandRegistration reg("journal", kUsage, journal);

} // namespace
} // namespace velkor::cli
