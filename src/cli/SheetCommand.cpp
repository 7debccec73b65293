#include "base/NumberFormat.h"
#include "cli/CliCommand.h"
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
    "--leave AD | --type AD=TUŞLAR)...";

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

// The user cannot act on a disabled control nor pick a date outside a picker's range;
// the command refuses the same, with a message.
bool canSet(CliRun& run, FormModel& form, const FormStep& step) {
    if (!form.isEnabled(step.name)) {
        run.prompt.showMessage(step.name + QStringLiteral(" alanı şu anda değiştirilemez."));
        return false;
    }
    if (form.kind(step.name) != FieldKind::Date)
        return true;
    const QDate date = ParseDate(step.value);
    if (!date.isValid())
        throw UsageError(step.name + QStringLiteral(" gg.aa.yyyy biçiminde bir tarih ister: ") + step.value);
    if (const auto range = dateRangeOf(step.name); range && (date < range->first || date > range->second)) {
        run.prompt.showMessage(QStringLiteral("Tarih %1 ile %2 arasında olmalıdır.")
                                   .arg(FormatDate(range->first), FormatDate(range->second)));
        return false;
    }
    return true;
}

void typeKeys(FormModel& form, const FormStep& step) {
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
    const QString code = takeOption(run.args, QStringLiteral("--company"));
    const QString load = takeOption(run.args, QStringLiteral("--load"));
    const std::vector<FormStep> steps = takeFormSteps(run.args);
    if (code.isEmpty() || !run.args.isEmpty())
        throw UsageError(QString::fromUtf8(kUsage));
    if (kind != QLatin1String("fixed") && kind != QLatin1String("stock") && kind != QLatin1String("equity"))
        throw UsageError(QString::fromUtf8(kUsage));
    if (!openCompany(run, code))
        return 1;

    Workspace workspace(run.context);
    workspace.open();
    FormModel* sheetForm = &workspace.fixedAssets();
    QString rich = ctl::fixedasset::SBKRich;
    if (kind == QLatin1String("stock")) {
        sheetForm = &workspace.stocks();
        rich = ctl::stock::DigerRich;
    } else if (kind == QLatin1String("equity")) {
        sheetForm = &workspace.equity();
        rich = ctl::equity::OzkaynakRich;
    }

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
    }
    for (const FormStep& step : steps) {
        FormModel& form =
            sheetForm->has(step.name) || !workspace.state().has(step.name) ? *sheetForm : workspace.state();
        if (step.kind == FormStep::Kind::Type)
            typeKeys(form, step);
        else if (step.kind == FormStep::Kind::Set && !canSet(run, form, step))
            return 1;
        else
            applyStep(form, step);
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
