#include "backup/Backups.h"
#include "cli/CliCommand.h"
#include "cli/StepPause.h"

#include <QDir>

namespace velkor::cli {

namespace {

const char* const kUsage = "restore all|daily|company --from DOSYA";

int restore(CliRun& run) {
    const QString kind = run.args.isEmpty() ? QString() : run.args.takeFirst();
    const QString from = takeOption(run.args, QStringLiteral("--from"));
    const bool known =
        kind == QLatin1String("all") || kind == QLatin1String("daily") || kind == QLatin1String("company");
    if (!known || from.isEmpty() || !run.args.isEmpty())
        throw UsageError(QString::fromUtf8(kUsage));
    const QString archive = QDir(from).absolutePath();
    if (kind != QLatin1String("company") &&
        run.prompt.ask(Backups::restoreQuestion(), QStringLiteral("Velkor Enflasyon Düzeltme Programı"),
                       PromptIcon::Warning, Yes | No) != Yes)
        return 1;
    Backups backups(run.context);
    const QDateTime now = QDateTime::currentDateTime();
    const auto pause = stepPauseFromEnvironment();
    RestoreOutcome outcome;
    if (kind == QLatin1String("all"))
        outcome = backups.restoreAll(archive, now, pause);
    else if (kind == QLatin1String("daily"))
        outcome = backups.restoreDaily(archive, now, pause);
    else
        outcome = backups.restoreCompany(archive, now, pause);
    run.prompt.showMessage(Backups::restoreMessage(outcome));
    for (const QString& file : outcome.restored)
        run.out << file << '\n';
    return 0;
}

const CommandRegistration reg("restore", kUsage, restore);

} // namespace

} // namespace velkor::cli
