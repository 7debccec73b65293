#include "cli/CliCommand.h"

#include "base/NumberFormat.h"
#include "base/WindowNames.h"

#include "cli/CommandTable.h"
#include "reports/CompanyLookup.h"

namespace velkor::cli {

std::map<QString, CommandEntry>& commandTable() {
    static std::map<QString, CommandEntry> table;
    return table;
}

CommandRegistration::CommandRegistration(const char* word, const char* usage, CommandFunction function) {
    commandTable()[QString::fromUtf8(word)] = {QString::fromUtf8(usage), std::move(function)};
}

std::vector<FormStep> takeFormSteps(QStringList& args) {
    std::vector<FormStep> steps;
    QStringList rest;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        FormStep::Kind kind;
        if (a == QLatin1String("--set"))
            kind = FormStep::Kind::Set;
        else if (a == QLatin1String("--click"))
            kind = FormStep::Kind::Click;
        else if (a == QLatin1String("--leave"))
            kind = FormStep::Kind::Leave;
        else if (a == QLatin1String("--type"))
            kind = FormStep::Kind::Type;
        else {
            rest << a;
            continue;
        }
        if (i + 1 >= args.size())
            throw UsageError(a + QStringLiteral(" bir değer ister"));
        const QString value = args.at(++i);
        if (kind == FormStep::Kind::Set || kind == FormStep::Kind::Type) {
            const int eq = value.indexOf(QLatin1Char('='));
            if (eq <= 0)
                throw UsageError(a + QStringLiteral(" AD=METİN biçiminde olmalı: ") + value);
            steps.push_back({kind, value.left(eq), value.mid(eq + 1)});
        } else {
            steps.push_back({kind, value, {}});
        }
    }
    args = rest;
    return steps;
}

QString takeOption(QStringList& args, const QString& option) {
    return takeOptionIfGiven(args, option).value_or(QString());
}

std::optional<QString> takeOptionIfGiven(QStringList& args, const QString& option) {
    const int i = args.indexOf(option);
    if (i < 0)
        return std::nullopt;
    if (i + 1 >= args.size())
        throw UsageError(option + QStringLiteral(" bir değer ister"));
    const QString value = args.at(i + 1);
    args.remove(i, 2);
    return value;
}

std::optional<QString> openCompany(CliRun& run, const QString& code) {
    const std::optional<QString> name = registeredCompanyName(run.context.general(), code);
    if (!name) {
        run.prompt.showMessage(QStringLiteral("Firma bulunamadı: ") + code);
        return std::nullopt;
    }
    run.context.PointCompanyConnection(code);
    return name;
}

bool listTabControlsIfAsked(CliRun& run, void (*addControls)(FormModel&), const char* usage) {
    if (!takeFlag(run.args, QStringLiteral("--controls")))
        return false;
    if (!run.args.isEmpty())
        throw UsageError(QString::fromUtf8(usage));
    FormModel form(windows::kWorkspace);
    addControls(form);
    printControls(run, form);
    return true;
}

bool takeFlag(QStringList& args, const QString& flag) {
    return args.removeAll(flag) > 0;
}

namespace {

QString kindName(FieldKind kind) {
    switch (kind) {
    case FieldKind::Edit:
        return QStringLiteral("metin");
    case FieldKind::Label:
        return QStringLiteral("etiket");
    case FieldKind::Check:
        return QStringLiteral("onay kutusu");
    case FieldKind::Radio:
        return QStringLiteral("seçenek düğmesi");
    case FieldKind::RadioGroup:
        return QStringLiteral("seçenek grubu");
    case FieldKind::Combo:
        return QStringLiteral("liste");
    case FieldKind::Date:
        return QStringLiteral("tarih");
    case FieldKind::Rich:
        return QStringLiteral("açıklama metni");
    case FieldKind::Button:
        return QStringLiteral("düğme");
    }
    return {};
}

QString stateName(const FormModel& form, const QString& name) {
    if (!form.isVisible(name))
        return QStringLiteral("gizli");
    if (!form.isEnabled(name))
        return QStringLiteral("devre dışı");
    if (form.kind(name) == FieldKind::Button)
        return QStringLiteral("basılabilir");
    return form.isUserEditable(name) ? QStringLiteral("değiştirilebilir") : QStringLiteral("salt okunur");
}

QString allowedValues(const FormModel& form, const QString& name) {
    switch (form.kind(name)) {
    case FieldKind::Check:
        return QStringLiteral("0|1");
    case FieldKind::Radio: {
        QStringList others;
        for (const QString& other : form.fieldNames()) {
            if (other != name && form.kind(other) == FieldKind::Radio &&
                form.radioGroup(other) == form.radioGroup(name))
                others << other;
        }
        return QStringLiteral("1 (seçer; aynı gruptakiler: %1)").arg(others.join(QLatin1Char(',')));
    }
    case FieldKind::RadioGroup: {
        QStringList items;
        const QStringList captions = form.items(name);
        for (int i = 0; i < captions.size(); ++i)
            items << QString::number(i) + QLatin1Char('=') + captions.at(i);
        return items.join(QLatin1Char('|'));
    }
    case FieldKind::Combo:
        return form.items(name).join(QLatin1Char('|'));
    case FieldKind::Date:
        return QStringLiteral("gg.aa.yyyy");
    default:
        return {};
    }
}

QString oneLine(QString text) {
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

void printControls(CliRun& run, const FormModel& form, const ControlNote& note, const QStringList& skip) {
    for (const QString& name : form.fieldNames()) {
        if (skip.contains(name))
            continue;
        QString values = allowedValues(form, name);
        if (note && form.isUserEditable(name)) {
            const QString extra = note(name);
            if (!extra.isEmpty())
                values = values.isEmpty() ? extra : values + QLatin1Char(' ') + extra;
        }
        run.out << name << '\t' << kindName(form.kind(name)) << '\t' << oneLine(form.label(name)) << '\t'
                << stateName(form, name) << '\t' << oneLine(values) << '\n';
    }
}

void stopIfRefused(CliRun& run, const QString& refusal) {
    if (refusal.isEmpty())
        return;
    run.prompt.showMessage(refusal);
    throw Stopped();
}

void applyStep(CliRun& run, FormModel& form, const FormStep& step) {
    switch (step.kind) {
    case FormStep::Kind::Set: {
        QString value = step.value;
        // A date picker always holds a whole dd.mm.yyyy date.
        if (form.kind(step.name) == FieldKind::Date) {
            if (const QDate date = ParseDate(value); date.isValid())
                value = FormatDate(date);
        }
        stopIfRefused(run, form.userSetRefusal(step.name, value));
        form.userSet(step.name, value);
        break;
    }
    case FormStep::Kind::Click:
        stopIfRefused(run, form.userActRefusal(step.name));
        form.click(step.name);
        break;
    case FormStep::Kind::Leave:
        stopIfRefused(run, form.userActRefusal(step.name));
        form.leave(step.name);
        break;
    case FormStep::Kind::Type:
        throw UsageError(QStringLiteral("--type bu komutta kullanılamaz: ") + step.name);
    }
}

} // namespace velkor::cli
