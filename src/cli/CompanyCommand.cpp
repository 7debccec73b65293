#include "base/TextHelpers.h"
#include "cli/CliCommand.h"
#include "registry/CompanyMove.h"
#include "registry/CompanyRegistry.h"
#include "registry/RegistrationFormControls.h"

namespace velkor::cli {
namespace {

const QString& kCode = ctl::registration::KoduEdit;
const QString& kName = ctl::registration::FirmaAdiEdit;
const QString& kRecord = ctl::registration::Sira_No_Edit;
const QString& kSave = ctl::registration::kaydetBut;

// A name an earlier release stored with a line break or another control character stays on
// its line: the control characters show as escapes.
QString listed(const QString& text) {
    if (!hasControlCharacter(text))
        return text;
    QString shown;
    for (const QChar c : text) {
        if (c == QLatin1Char('\t'))
            shown += QStringLiteral("\\t");
        else if (c == QLatin1Char('\n'))
            shown += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            shown += QStringLiteral("\\r");
        else if (hasControlCharacter(QString(c)))
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

// Codes that differ only in case are one file name to the restore, which refuses such a
// backup; one of each pair gets a new code with the commands that already exist.
QString caseTwinAdvice(const std::vector<std::pair<QString, QString>>& twins) {
    QStringList pairs;
    for (const auto& [first, second] : twins)
        pairs << first + QStringLiteral(" / ") + second;
    const QString code = twins.front().second;
    return QStringLiteral(
               "Yalnızca büyük/küçük harfle ayrılan firma kodları var: %1. Bu firmaların yedeği geri "
               "yüklenemez; her çiftten birine yeni bir kod verin. Örneğin %2 için: programı kapatın, "
               "Data/%2.mdb dosyasının adını Data/YENIKOD.mdb yapın, \"company adopt YENIKOD AD\" ile "
               "kaydedin ve eski kaydı \"company delete %2 --answer Evet\" ile silin (YENIKOD başka "
               "hiçbir kodla büyük/küçük harf dışında aynı olmamalıdır).")
        .arg(pairs.join(QStringLiteral(", ")), code);
}

void applySteps(CliRun& run, FormModel& form) {
    const std::vector<FormStep> steps = takeFormSteps(run.args);
    if (!run.args.isEmpty())
        throw UsageError(QStringLiteral("Fazla argüman: ") + run.args.join(QLatin1Char(' ')));
    for (const FormStep& step : steps)
        applyStep(run, form, step);
}

// The code and name are typed into the form for a new company, as in the window.
void fillNew(CompanyRegistry& registry, CliRun& run, const QString& usage) {
    if (run.args.size() < 2)
        throw UsageError(usage);
    RegistrationForm& form = registry.form();
    registry.yeniFirma();
    applyStep(run, form, {FormStep::Kind::Set, kCode, run.args.takeFirst()});
    applyStep(run, form, {FormStep::Kind::Set, kName, run.args.takeFirst()});
    applySteps(run, form);
}

int add(CompanyRegistry& registry, CliRun& run) {
    if (takeFlag(run.args, QStringLiteral("--controls"))) {
        registry.yeniFirma();
        printControls(run, registry.form());
        return 0;
    }
    fillNew(registry, run, QStringLiteral("company add KOD AD [--set AD=METİN]..."));
    RegistrationForm& form = registry.form();
    applyStep(run, form, {FormStep::Kind::Click, kSave, {}});
    if (form.text(kRecord).isEmpty())
        return 1;
    run.out << form.text(kRecord) << "\n";
    return 0;
}

int adopt(CompanyRegistry& registry, CliRun& run) {
    fillNew(registry, run, QStringLiteral("company adopt KOD AD [--set AD=METİN]..."));
    if (!registry.adoptFile())
        return 1;
    run.out << registry.form().text(kRecord) << "\n";
    return 0;
}

int discard(CompanyRegistry& registry, CliRun& run) {
    if (run.args.size() != 1)
        throw UsageError(QStringLiteral("company discard KOD"));
    return registry.discardFile(run.args.first()) ? 0 : 1;
}

int list(CompanyRegistry& registry, CliRun& run) {
    const bool check = takeFlag(run.args, QStringLiteral("--check"));
    if (!run.args.isEmpty())
        throw UsageError(QStringLiteral("company list [--check]"));
    Query& query = registry.listQuery();
    registry.reloadList();
    for (query.first(); !query.eof(); query.next()) {
        run.out << query.text(QStringLiteral("fid")) << '\t' << listed(query.text(QStringLiteral("kodu")))
                << '\t' << listed(query.text(QStringLiteral("firmaadi"))) << "\n";
    }
    if (!check)
        return 0;
    const QStringList unregistered = registry.filesWithoutRow();
    const QStringList missing = registry.rowsWithoutFile();
    for (const QString& code : unregistered)
        run.out << "KAYITSIZ DOSYA\t" << code << "\tData/" << code << ".mdb\n";
    for (const QString& code : missing)
        run.out << "DOSYASI YOK\t" << code << '\n';
    const std::vector<std::pair<QString, QString>> twins = registry.caseTwins();
    for (const auto& [first, second] : twins)
        run.out << "AYNI KOD\t" << first << '\t' << second << '\n';
    if (unregistered.isEmpty() && missing.isEmpty() && twins.empty())
        return 0;
    QStringList messages;
    if (!unregistered.isEmpty() || !missing.isEmpty()) {
        QString message =
            QStringLiteral("Kayıt ile dosyalar uyuşmuyor: %1 kayıtsız dosya, %2 dosyasız kayıt.")
                .arg(unregistered.size())
                .arg(missing.size());
        if (!unregistered.isEmpty())
            message += QStringLiteral(" Kayıtsız bir dosya \"company adopt KOD AD\" ile kaydedilir ya da "
                                      "\"company discard KOD\" ile silinir.");
        messages << message;
    }
    if (!twins.empty())
        messages << caseTwinAdvice(twins);
    run.prompt.showMessage(messages.join(QLatin1Char(' ')));
    return 1;
}

int update(CompanyRegistry& registry, CliRun& run) {
    const bool controls = takeFlag(run.args, QStringLiteral("--controls"));
    if (run.args.isEmpty())
        throw UsageError(QStringLiteral("company update KOD [--controls] [--set AD=METİN]..."));
    const QString code = run.args.takeFirst();
    Table& table = registry.registrationTable();
    table.ensureOpen();
    if (!table.locate(QStringLiteral("kodu"), code)) {
        run.prompt.showMessage(QStringLiteral("Firma bulunamadı: ") + code);
        return 1;
    }
    registry.fillForEditing();
    if (controls) {
        printControls(run, registry.form());
        return 0;
    }
    applySteps(run, registry.form());
    // "SAKLA" as the window presses it; a save that did nothing (a refusal shown, or the
    // steps emptied the form with "YENİ FİRMA") is no success.
    stopIfRefused(run, registry.form().userActRefusal(kSave));
    return registry.kaydetButClick() == CompanyRegistry::SaveResult::Nothing ? 1 : 0;
}

int remove(CompanyRegistry& registry, CliRun& run) {
    if (run.args.size() != 1)
        throw UsageError(QStringLiteral("company delete KOD"));
    registry.reloadList();
    if (!registry.listQuery().locate(QStringLiteral("kodu"), run.args.first())) {
        run.prompt.showMessage(QStringLiteral("Firma bulunamadı: ") + run.args.first());
        return 1;
    }
    return registry.FirmaSilButClick() ? 0 : 1;
}

int move(CliRun& run) {
    const QString usage = QStringLiteral("company move KOD --to sunucu|dosya");
    const QString to = takeOption(run.args, QStringLiteral("--to"));
    if (run.args.size() != 1)
        throw UsageError(usage);
    CompanyPlace place;
    if (to == QLatin1String("sunucu"))
        place = CompanyPlace::Server;
    else if (to == QLatin1String("dosya"))
        place = CompanyPlace::File;
    else
        throw UsageError(usage);
    const QString code = run.args.first();
    CompanyMove(run.context).move(code, place);
    run.out << CompanyMove::doneMessage(code, place) << "\n";
    return 0;
}

int company(CliRun& run) {
    if (run.args.isEmpty())
        throw UsageError(QStringLiteral("company add|list|update|delete|adopt|discard|move"));
    const QString verb = run.args.takeFirst();
    CompanyRegistry registry(run.context);
    if (verb == QLatin1String("add"))
        return add(registry, run);
    if (verb == QLatin1String("list"))
        return list(registry, run);
    if (verb == QLatin1String("update"))
        return update(registry, run);
    if (verb == QLatin1String("delete"))
        return remove(registry, run);
    if (verb == QLatin1String("adopt"))
        return adopt(registry, run);
    if (verb == QLatin1String("discard"))
        return discard(registry, run);
    if (verb == QLatin1String("move"))
        return move(run);
    throw UsageError(QStringLiteral("Bilinmeyen company işlemi: ") + verb);
}

const CommandRegistration registration(
    "company",
    "company add KOD AD [--set AD=METİN]... | company add --controls | company list [--check] | "
    "company update KOD [--controls] [--set ...] | company delete KOD | "
    "company adopt KOD AD [--set ...] | company discard KOD | company move KOD --to sunucu|dosya",
    company);

} // namespace
} // namespace velkor::cli
