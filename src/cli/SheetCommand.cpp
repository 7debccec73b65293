#include "base/NumberFormat.h"
#include "base/TextHelpers.h"
#include "cli/CliCommand.h"
#include "cli/StepPause.h"
#include "engine/EquitySheet.h"
#include "engine/EquitySheetControls.h"
#include "engine/FixedAssetSheet.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheet.h"
#include "engine/StockSheetControls.h"
#include "engine/WorkspaceStateControls.h"
#include "workspace/Workspace.h"

namespace velkor::cli {

namespace {

const char* const kUsage =
    "sheet fixed|stock|equity --company KOD [--load ID] (--set AD=METİN | --click AD | "
    "--leave AD | --type AD=TUŞLAR)... | sheet fixed|stock|equity --controls";

QString keysOf(const QString& text) {
    QString keys;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar next = text.at(++i);
            if (next == QLatin1Char('b'))
                keys += kBackspaceKey;
            else if (next == QLatin1Char('r') || next == QLatin1Char('n'))
                keys += kEnterKey;
            else
                keys += next;
        } else {
            keys += c;
        }
    }
    return keys;
}

// A text that is no date at all is a usage error; a date outside the control's range is
// refused by the form model, as in the window.
void checkDate(const FormModel& form, const FormStep& step) {
    if (form.kind(step.name) == FieldKind::Date && !ParseDate(step.value).isValid())
        throw UsageError(step.name + QStringLiteral(" gg.aa.yyyy biçiminde bir tarih ister: ") + step.value);
}

QString controlNote(const FormModel& form, const QString& name) {
    if (const auto range = form.dateRange(name))
        return QStringLiteral("%1 - %2").arg(FormatDate(range->first), FormatDate(range->second));
    switch (form.keyRule(name)) {
    case KeyRule::Amount:
        return QStringLiteral("tutar (mutlak değerce en fazla %1)").arg(kAmountLimitText);
    case KeyRule::Digits:
        return QStringLiteral("rakamlar");
    case KeyRule::Free:
        break;
    }
    return {};
}

void typeKeys(CliRun& run, FormModel& form, const FormStep& step) {
    stopIfRefused(run, form.userSetRefusal(step.name, form.text(step.name)));
    const KeyRule rule = form.keyRule(step.name);
    for (QChar key : keysOf(step.value)) {
        const QString text = form.text(step.name);
        const KeyOutcome outcome = applyKey(rule, text, static_cast<int>(text.size()), key);
        if (outcome.accepted && outcome.text != text)
            form.userSet(step.name, outcome.text);
    }
}

int sheet(CliRun& run) {
    if (run.args.isEmpty())
        throw UsageError(QString::fromUtf8(kUsage));
    const QString kind = run.args.takeFirst();
    const bool controls = takeFlag(run.args, QStringLiteral("--controls"));
    const QString code = takeOption(run.args, QStringLiteral("--company"));
    const bool loading = run.args.contains(QStringLiteral("--load"));
    const QString load = takeOption(run.args, QStringLiteral("--load"));
    const std::vector<FormStep> steps = takeFormSteps(run.args);
    if (loading && load.isEmpty())
        throw UsageError(QStringLiteral("--load bir kayıt numarası ister"));
    if ((code.isEmpty() && !controls) || !run.args.isEmpty())
        throw UsageError(QString::fromUtf8(kUsage));
    if (kind != QLatin1String("fixed") && kind != QLatin1String("stock") && kind != QLatin1String("equity"))
        throw UsageError(QString::fromUtf8(kUsage));
    if (controls && (!steps.empty() || loading))
        throw UsageError(QString::fromUtf8(kUsage));

    Workspace workspace(run.context);
    FormModel* sheetForm = &workspace.fixedAssets();
    QString rich = ctl::fixedasset::SBKRich;
    if (kind == QLatin1String("stock")) {
        sheetForm = &workspace.stocks();
        rich = ctl::stock::DigerRich;
    } else if (kind == QLatin1String("equity")) {
        sheetForm = &workspace.equity();
        rich = ctl::equity::OzkaynakRich;
    }
    if (controls) {
        printControls(run, *sheetForm, [&](const QString& name) { return controlNote(*sheetForm, name); });
        printControls(
            run, workspace.state(), [&](const QString& name) { return controlNote(workspace.state(), name); },
            sheetForm->fieldNames());
        return 0;
    }
    if (!openCompany(run, code))
        return 1;
    workspace.open();

    const size_t shownBefore = run.prompt.shown().size();
    if (!load.isEmpty()) {
        bool ok = false;
        const qint64 id = load.toLongLong(&ok);
        if (!ok)
            throw UsageError(QStringLiteral("--load bir kayıt numarası ister: ") + load);
        if (!workspace.openItem(id)) {
            run.prompt.showMessage(QStringLiteral("Kayıt bulunamadı: ") + load);
            return 1;
        }
        // The tests of two users on one item hold the run here, between loading and saving.
        if (const auto pause = stepPauseFromEnvironment())
            pause("yuklendi");
    }
    for (const FormStep& step : steps) {
        FormModel& form =
            sheetForm->has(step.name) || !workspace.state().has(step.name) ? *sheetForm : workspace.state();
        if (step.kind == FormStep::Kind::Type) {
            typeKeys(run, form, step);
            continue;
        }
        if (step.kind == FormStep::Kind::Set) {
            stopIfRefused(run, form.userActRefusal(step.name));
            checkDate(form, step);
        }
        applyStep(run, form, step);
    }

    for (const QString& name : sheetForm->fieldNames()) {
        if (sheetForm->kind(name) != FieldKind::Rich)
            run.out << name << '=' << sheetForm->text(name) << '\n';
    }
    run.out << ctl::workspace::HesapTarihiDate << '='
            << workspace.state().text(ctl::workspace::HesapTarihiDate) << '\n';
    run.out << QString(10, QLatin1Char('=')) << '\n';
    for (const QString& line : sheetForm->lines(rich))
        run.out << line << '\n';
    return run.prompt.shown().size() > shownBefore ? 1 : 0;
}

const CommandRegistration reg("sheet", kUsage, sheet);

} // namespace

} // namespace velkor::cli
