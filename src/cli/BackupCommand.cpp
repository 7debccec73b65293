#include "backup/BackupNames.h"
#include "backup/BackupSettings.h"
#include "backup/Backups.h"
#include "cli/CliCommand.h"
#include "reports/CompanyLookup.h"

#include <QDir>

namespace velkor::cli {

namespace {

const char* const kUsage = "backup all --out DOSYA | backup company KOD | backup auto | backup daily";

int backup(CliRun& run) {
    const QString kind = run.args.isEmpty() ? QString() : run.args.takeFirst();
    const QString out = takeOption(run.args, QStringLiteral("--out"));
    Backups backups(run.context);
    const QDateTime now = QDateTime::currentDateTime();
    if (kind == QLatin1String("all") && !out.isEmpty() && run.args.isEmpty()) {
        const QString archive = QDir(out).absolutePath();
        backups.backupAll(archive);
        run.out << QDir::toNativeSeparators(archive) << '\n' << QDir::toNativeSeparators(archive) << "Gen\n";
        return 0;
    }
    if (kind == QLatin1String("company") && run.args.size() == 1 && out.isEmpty()) {
        const QString code = run.args.takeFirst();
        if (!registeredCompanyName(run.context.general(), code)) {
            run.prompt.showMessage(QStringLiteral("Firma bulunamadı: ") + code);
            return 1;
        }
        run.out << QDir::toNativeSeparators(backups.backupCompany(code, now)) << '\n';
        return 0;
    }
    if ((kind == QLatin1String("auto") || kind == QLatin1String("daily")) && run.args.isEmpty() &&
        out.isEmpty()) {
        // As at the end of the program: the connections are closed first.
        run.context.rates().close();
        run.context.company().close();
        run.context.general().close();
        const BackupSettings settings = BackupSettings::load(run.context.home());
        if (kind == QLatin1String("auto")) {
            if (!settings.automatic) {
                run.out << "Otomatik yedek kapalı.\n";
                return 0;
            }
            if (!automaticBackupDue(settings.lastAutomatic, settings.intervalText, now)) {
                run.out << "Otomatik yedeğin zamanı gelmedi.\n";
                return 0;
            }
            if (!backups.TumunuYedekleOto(now.date()))
                return 1;
            run.out << QDir::toNativeSeparators(
                           automaticArchivePath(QDir::fromNativeSeparators(settings.folder), now.date()))
                    << '\n';
            return 0;
        }
        if (!settings.daily) {
            run.out << "Otomatik günlük yedek kapalı.\n";
            return 0;
        }
        if (!backups.OtoYedekle(now.date())) {
            run.out << "Bugünün günlük yedeği alınmış.\n";
            return 0;
        }
        run.out << "Günlük yedek alındı.\n";
        return 0;
    }
    throw UsageError(QString::fromUtf8(kUsage));
}

const CommandRegistration reg("backup", kUsage, backup);

} // namespace

} // namespace velkor::cli
