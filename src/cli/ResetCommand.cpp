#include "cli/CliCommand.h"
#include "workspace/RecordDeletion.h"
#include "workspace/Workspace.h"

namespace velkor::cli {

namespace {

const char* const kUsage = "reset --company KOD   (Enflasyon Düzeltme Sil)";

int reset(CliRun& run) {
    const QString code = takeOption(run.args, QStringLiteral("--company"));
    if (code.isEmpty() || !run.args.isEmpty())
        throw UsageError(QString::fromUtf8(kUsage));
    if (!openCompany(run, code))
        return 1;
    Workspace workspace(run.context);
    const int deleted = workspace.deletion().EnflasyonDuzeltmeSil();
    if (deleted < 0)
        return 1;
    run.out << deleted << '\n' << workspace.deletion().lastBackup() << '\n';
    return 0;
}

const CommandRegistration reg("reset", kUsage, reset);

} // namespace

} // namespace velkor::cli
