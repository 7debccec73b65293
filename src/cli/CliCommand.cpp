#include "cli/CliCommand.h"

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

void applyStep(FormModel& form, const FormStep& step) {
    switch (step.kind) {
    case FormStep::Kind::Set:
        form.userSet(step.name, step.value);
        break;
    case FormStep::Kind::Click:
        form.click(step.name);
        break;
    case FormStep::Kind::Leave:
        form.leave(step.name);
        break;
    case FormStep::Kind::Type:
        throw UsageError(QStringLiteral("--type bu komutta kullanılamaz: ") + step.name);
    }
}

} // namespace velkor::cli
