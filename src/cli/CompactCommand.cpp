#include "backup/Backups.h"
#include "cli/CliCommand.h"
#include "cli/StepPause.h"

namespace velkor::cli {

namespace {

const char* const kUsage = "compact --company KOD   (Veritabanına Bakım Yap)";

int compact(CliRun& run) {
    const QString code = takeOption(run.args, QStringLiteral("--company"));
    if (code.isEmpty() || !run.args.isEmpty())
        throw UsageError(QString::fromUtf8(kUsage));
    if (!openCompany(run, code))
        return 1;
    Backups(run.context).compactCompany(code, stepPauseFromEnvironment());
    run.prompt.showMessage(QStringLiteral("Firma veritabanı bakım işlemi yapıldı!"));
    return 0;
}

const CommandRegistration reg("compact", kUsage, compact);

} // namespace

} // namespace velkor::cli
