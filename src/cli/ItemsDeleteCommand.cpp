#include "cli/CliCommand.h"
#include "workspace/RecordDeletion.h"
#include "workspace/RecordDeletionControls.h"
#include "workspace/Workspace.h"

namespace velkor::cli {

namespace {

const char* const kUsage = "items delete --company KOD (--id NO | --group sabit,stok,ozkaynak,tumu)";

/// The check boxes of the tab "Kayıt Sil" by the words of the command line.
QString groupCheck(const QString& word) {
    const QString w = word.toLower();
    if (w == QLatin1String("sabit"))
        return ctl::deletion::SabitSilCheck;
    if (w == QLatin1String("stok"))
        return ctl::deletion::StokSilCheck;
    if (w == QLatin1String("ozkaynak") || w == QStringLiteral("özkaynak"))
        return ctl::deletion::OzkaynakSilCheck;
    if (w == QLatin1String("tumu") || w == QStringLiteral("tümü"))
        return ctl::deletion::TumunuSilCheck;
    throw UsageError(QStringLiteral("Geçersiz grup: ") + word);
}

int itemsDelete(CliRun& run) {
    const QString code = takeOption(run.args, QStringLiteral("--company"));
    const QString id = takeOption(run.args, QStringLiteral("--id"));
    const QString groups = takeOption(run.args, QStringLiteral("--group"));
    if (code.isEmpty() || id.isEmpty() == groups.isEmpty() || !run.args.isEmpty())
        throw UsageError(QString::fromUtf8(kUsage));
    if (!openCompany(run, code))
        return 1;
    Workspace workspace(run.context);
    workspace.open();
    RecordDeletion& deletion = workspace.deletion();
    if (!id.isEmpty()) {
        bool ok = false;
        const qint64 key = id.toLongLong(&ok);
        if (!ok)
            throw UsageError(QStringLiteral("Geçersiz kayıt numarası: ") + id);
        if (!workspace.SBKQuery().locate(QStringLiteral("id"), key)) {
            run.prompt.showMessage(QStringLiteral("Kayıt bulunamadı: ") + id);
            return 1;
        }
        const bool deleted = deletion.KaytSil1Click();
        run.out << (deleted ? 1 : 0) << '\n';
        return deleted ? 0 : 1;
    }
    for (const QString& word : groups.split(QLatin1Char(','), Qt::SkipEmptyParts))
        deletion.setChecked(groupCheck(word), true);
    const int deleted = deletion.KayitSilButClick();
    if (deleted < 0)
        return 1;
    run.out << deleted << '\n' << deletion.lastBackup() << '\n';
    return 0;
}

const CommandRegistration reg("items delete", kUsage, itemsDelete);

} // namespace

} // namespace velkor::cli
