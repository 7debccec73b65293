#include "base/NumberFormat.h"
#include "base/WindowNames.h"
#include "cli/CliCommand.h"
#include "cli/PeriodOutputs.h"
#include "periods/PeriodNames.h"
#include "periods/PeriodSheetControls.h"

namespace velkor::cli {

namespace {

namespace c = ctl::period;

const char* const kUsage =
    "period add --company KOD --end GG.AA.YYYY [--set AYAR=DEĞER]...\n"
    "  period list --company KOD\n"
    "  period show --company KOD --end GG.AA.YYYY [--set AD=METİN | --click AD | --leave AD]... "
    "[--controls]\n"
    "  period item --company KOD --end GG.AA.YYYY (--id N | --new) [--set AD=METİN]...\n"
    "  period report|journal|close|reopen --company KOD --end GG.AA.YYYY";

QString usage() {
    return QString::fromUtf8(kUsage);
}

// A setting is named by its caption ("Dönem amortismanı") or by its control's name.
QString settingControl(const FormModel& sheet, const QString& name) {
    for (const QString& control :
         {c::DonemAmortismaniCombo, c::AmortismanKaydiCombo, c::Kapanis698Combo, c::BasitOrtalamaCombo,
          c::BitenKiymetCombo, c::Fark258Combo, c::BeyanCheck})
        if (name == control || name == sheet.label(control))
            return control;
    throw UsageError(QStringLiteral("Bilinmeyen dönem ayarı: ") + name);
}

void applySteps(CliRun& run, PeriodSheet& sheet, const std::vector<FormStep>& steps) {
    for (const FormStep& step : steps) {
        if (step.kind == FormStep::Kind::Type)
            throw UsageError(usage());
        applyStep(run, sheet, step);
    }
}

void printGrid(CliRun& run, const PeriodSheet& sheet) {
    run.out << (QStringList{QStringLiteral("Kalem")} + sheet.gridHeaders()).join(QLatin1Char('\t')) << '\n';
    for (int row = 0; row < sheet.rowCount(); ++row)
        run.out << QString::number(sheet.view().lines[static_cast<size_t>(row)].id) << '\t'
                << sheet.rowCells(row).join(QLatin1Char('\t')) << '\n';
}

void printFields(CliRun& run, const PeriodSheet& sheet, const QStringList& names) {
    for (const QString& name : names)
        if (sheet.kind(name) != FieldKind::Rich && sheet.kind(name) != FieldKind::Button)
            run.out << name << '=' << sheet.text(name) << '\n';
}

int add(CliRun& run, const QDate& end, const std::vector<FormStep>& steps) {
    // Every setting is named right before anything is added.
    FormModel names(windows::kWorkspace);
    PeriodSheet::addControls(names);
    for (const FormStep& step : steps) {
        if (step.kind != FormStep::Kind::Set)
            throw UsageError(usage());
        settingControl(names, step.name);
    }
    PeriodWork work(run.context);
    const std::optional<Period> added = work.add(end, run.prompt);
    if (!added)
        return 1;
    PeriodSession session(run.context);
    PeriodSheet& sheet = session.sheet;
    sheet.openPeriod(end);
    const size_t shownBefore = run.prompt.shown().size();
    for (const FormStep& step : steps)
        applyStep(run, sheet, {FormStep::Kind::Set, settingControl(sheet, step.name), step.value});
    // The carried lines are stored at once, so that `show` and `item` name them by number.
    if (sheet.isEnabled(c::KaydetBut))
        sheet.click(c::KaydetBut);
    if (run.prompt.shown().size() > shownBefore)
        return 1;
    const Period& period = sheet.view().period;
    run.out << FormatDate(period.end) << '\t' << periodKindName(period.kind) << '\t'
            << periodStateName(period.state) << '\n';
    return 0;
}

int list(CliRun& run) {
    PeriodWork work(run.context);
    run.out << "Dönem\tTür\tDurum\tÖnceki Dönem\tTaşıma Katsayısı\n";
    for (const Period& period : work.periods()) {
        run.out << FormatDate(period.end) << '\t' << periodKindName(period.kind) << '\t'
                << periodStateName(period.state) << '\t' << FormatDate(period.previousEnd) << '\t'
                << (period.carryCoefficient ? FormatFloat(patterns::kCoefficient, *period.carryCoefficient)
                                            : QString())
                << '\n';
    }
    return 0;
}

int show(CliRun& run, const QDate& end, const std::vector<FormStep>& steps, bool controls) {
    PeriodSession session(run.context);
    PeriodSheet& sheet = session.sheet;
    sheet.openPeriod(end);
    if (controls) {
        if (!steps.empty())
            throw UsageError(usage());
        printControls(run, sheet);
        return 0;
    }
    const size_t shownBefore = run.prompt.shown().size();
    applySteps(run, sheet, steps);
    printFields(run, sheet, sheet.fieldNames());
    run.out << QString(10, QLatin1Char('=')) << '\n';
    printGrid(run, sheet);
    run.out << QString(10, QLatin1Char('=')) << '\n';
    for (const QString& line : sheet.lines(c::DonemRich))
        run.out << line << '\n';
    return run.prompt.shown().size() > shownBefore ? 1 : 0;
}

int item(CliRun& run, const QDate& end, const std::vector<FormStep>& steps) {
    const std::optional<QString> id = takeOptionIfGiven(run.args, QStringLiteral("--id"));
    const bool fresh = takeFlag(run.args, QStringLiteral("--new"));
    if (id.has_value() == fresh || !run.args.isEmpty())
        throw UsageError(usage());
    PeriodSession session(run.context);
    PeriodSheet& sheet = session.sheet;
    sheet.openPeriod(end);
    const size_t shownBefore = run.prompt.shown().size();
    if (fresh) {
        sheet.click(c::YeniKalemBut);
    } else {
        bool ok = false;
        const qint64 lineId = id->toLongLong(&ok);
        if (!ok)
            throw UsageError(QStringLiteral("--id bir kalem numarası ister: ") + *id);
        const int row = sheet.rowOfLine(lineId);
        if (row < 0) {
            run.prompt.showMessage(QStringLiteral("Kalem bulunamadı: ") + *id);
            return 1;
        }
        sheet.selectLine(row);
    }
    for (const FormStep& step : steps) {
        if (step.kind != FormStep::Kind::Set)
            throw UsageError(usage());
        applyStep(run, sheet, step);
    }
    if (fresh)
        sheet.click(c::KalemEkleBut);
    if (run.prompt.shown().size() > shownBefore)
        return 1;
    sheet.click(c::KaydetBut);
    if (run.prompt.shown().size() > shownBefore)
        return 1;
    printFields(run, sheet,
                {c::KalemNoEdit, c::KalemHesapEdit, c::KalemAltHesapEdit, c::KalemAdiEdit,
                 c::KalemGirisTarihiEdit, c::KalemDefterDegeriEdit, c::KalemDonemAmortEdit,
                 c::KalemEskiAylikEdit, c::KalemStokYontemiCombo, c::KalemCikisTarihiEdit,
                 c::KalemKalanOranEdit, c::KalemKalanTutarEdit, c::KalemOmurEdit, c::KalemAmortYontemiCombo,
                 c::KalemAmortHesabiEdit, c::KalemGiderHesabiEdit, c::KalemDuzeltilmezCheck,
                 c::KalemAktarimEdit});
    if (sheet.selectedRow() >= 0) {
        run.out << QString(10, QLatin1Char('=')) << '\n';
        run.out << sheet.gridHeaders().join(QLatin1Char('\t')) << '\n';
        run.out << sheet.rowCells(sheet.selectedRow()).join(QLatin1Char('\t')) << '\n';
    }
    return 0;
}

int period(CliRun& run) {
    if (run.args.isEmpty())
        throw UsageError(usage());
    const QString word = run.args.takeFirst();
    static const QStringList words{"add", "list", "show", "item", "report", "journal", "close", "reopen"};
    if (!words.contains(word))
        throw UsageError(usage());
    const bool controls = takeFlag(run.args, QStringLiteral("--controls"));
    if (controls && word != QLatin1String("show"))
        throw UsageError(usage());
    const QString code = takeOption(run.args, QStringLiteral("--company"));
    const std::vector<FormStep> steps = takeFormSteps(run.args);
    if (controls && code.isEmpty() && run.args.isEmpty() && steps.empty()) {
        FormModel form(windows::kWorkspace);
        PeriodSheet::addControls(form);
        printControls(run, form);
        return 0;
    }
    if (code.isEmpty())
        throw UsageError(usage());
    const QDate end = word == QLatin1String("list") ? QDate() : takeEndOption(run.args, kUsage);
    const bool takesSteps =
        word == QLatin1String("add") || word == QLatin1String("show") || word == QLatin1String("item");
    if ((!steps.empty() && !takesSteps) || (word != QLatin1String("item") && !run.args.isEmpty()))
        throw UsageError(usage());
    if (!openCompany(run, code))
        return 1;

    if (word == QLatin1String("add"))
        return add(run, end, steps);
    if (word == QLatin1String("list"))
        return list(run);
    if (word == QLatin1String("show"))
        return show(run, end, steps, controls);
    if (word == QLatin1String("item"))
        return item(run, end, steps);
    if (word == QLatin1String("close") || word == QLatin1String("reopen")) {
        PeriodWork work(run.context);
        if (word == QLatin1String("reopen")) {
            work.reopen(end);
        } else {
            // The command names the decision the window asks for; the open points are listed.
            for (const QString& point : work.closingPoints(end))
                run.out << "- " << point << '\n';
            work.close(end);
        }
        for (const Period& period : work.periods())
            if (period.end == end)
                run.out << FormatDate(period.end) << '\t' << periodStateName(period.state) << '\n';
        return 0;
    }
    PeriodSession session(run.context);
    openForOutput(session, end);
    const PeriodView& view = session.sheet.view();
    const QStringList lines =
        word == QLatin1String("journal")
            ? session.sheet.journalLines()
            : tabSeparated(periodReport(view, closingEntries(view.period, view.totals)));
    for (const QString& line : lines)
        run.out << line << '\n';
    return 0;
}

const CommandRegistration reg("period", kUsage, period);

} // namespace

} // namespace velkor::cli
