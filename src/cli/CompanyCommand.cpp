#include "cli/CliCommand.h"
#include "registry/CompanyRegistry.h"
#include "registry/RegistrationFormControls.h"

namespace velkor::cli {
namespace {

void applySteps(FormModel& form, QStringList& args) {
    const std::vector<FormStep> steps = takeFormSteps(args);
    if (!args.isEmpty())
        throw UsageError(QStringLiteral("Fazla argüman: ") + args.join(QLatin1Char(' ')));
    for (const FormStep& step : steps)
        applyStep(form, step);
}

int add(CompanyRegistry& registry, CliRun& run) {
    if (run.args.size() < 2)
        throw UsageError(QStringLiteral("company add KOD AD [--set AD=METİN]..."));
    const QString code = run.args.takeFirst();
    const QString name = run.args.takeFirst();
    RegistrationForm& form = registry.form();
    registry.yeniFirma();
    form.userSet(ctl::registration::KoduEdit, code);
    form.userSet(ctl::registration::FirmaAdiEdit, name);
    applySteps(form, run.args);
    form.click(ctl::registration::kaydetBut);
    if (form.text(ctl::registration::Sira_No_Edit).isEmpty())
        return 1;
    run.out << form.text(ctl::registration::Sira_No_Edit) << "\n";
    return 0;
}

int list(CompanyRegistry& registry, CliRun& run) {
    if (!run.args.isEmpty())
        throw UsageError(QStringLiteral("company list"));
    Query& query = registry.listQuery();
    registry.reloadList();
    for (query.first(); !query.eof(); query.next()) {
        run.out << query.text(QStringLiteral("fid")) << '\t' << query.text(QStringLiteral("kodu")) << '\t'
                << query.text(QStringLiteral("firmaadi")) << "\n";
    }
    return 0;
}

int update(CompanyRegistry& registry, CliRun& run) {
    if (run.args.isEmpty())
        throw UsageError(QStringLiteral("company update KOD [--set AD=METİN]..."));
    const QString code = run.args.takeFirst();
    Table& table = registry.registrationTable();
    table.ensureOpen();
    if (!table.locate(QStringLiteral("kodu"), code)) {
        run.prompt.showMessage(QStringLiteral("Firma bulunamadı: ") + code);
        return 1;
    }
    registry.fillForEditing();
    applySteps(registry.form(), run.args);
    registry.form().click(ctl::registration::kaydetBut);
    return 0;
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

int company(CliRun& run) {
    if (run.args.isEmpty())
        throw UsageError(QStringLiteral("company add|list|update|delete"));
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
    throw UsageError(QStringLiteral("Bilinmeyen company işlemi: ") + verb);
}

const CommandRegistration
    registration("company",
                 "company add KOD AD [--set AD=METİN]... | company list | company update KOD [--set ...] | "
                 "company delete KOD",
                 company);

} // namespace
} // namespace velkor::cli
