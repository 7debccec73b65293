#pragma once

#include "base/ScriptedPrompt.h"
#include "storage/AppContext.h"

#include <QStringList>
#include <QTextStream>
#include <functional>
#include <optional>

namespace velkor::cli {

/// Raised for a command line that does not fit the command's usage (exit code 2).
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

/// Raised when the operation stopped with a message that was already shown (exit code 1).
class Stopped : public std::runtime_error {
public:
    Stopped() : std::runtime_error("stopped") {}
};

/// What a command gets: the context (installation folder, connections, prompt), the
/// scripted prompt, its arguments after the command word (the global options --home,
/// --answer and --file already taken out) and standard output.
struct CliRun {
    AppContext& context;
    ScriptedPrompt& prompt;
    QStringList args;
    QTextStream& out;
};

/// A command returns the exit code: 0 success, 1 the operation stopped with a message.
using CommandFunction = std::function<int(CliRun&)>;

/// Registers a command word at static initialisation; each command lives in its own
/// source file with one `static const CommandRegistration` in it.
struct CommandRegistration {
    CommandRegistration(const char* word, const char* usage, CommandFunction function);
};

/// One step of a form script, applied in the order given on the command line.
struct FormStep {
    enum class Kind { Set, Click, Leave, Type };
    Kind kind;
    QString name;
    QString value;
};

/// Takes the form steps (--set NAME=TEXT, --click NAME, --leave NAME, --type NAME=KEYS)
/// out of the arguments, in order; the other arguments stay.
std::vector<FormStep> takeFormSteps(QStringList& args);
/// Takes "--option VALUE" out of the arguments; empty when absent.
QString takeOption(QStringList& args, const QString& option);
/// The same, giving nothing when the option is absent, so that an empty value stays apart
/// from no option.
std::optional<QString> takeOptionIfGiven(QStringList& args, const QString& option);
/// Points the company connection at a registered company; the name when the code is in
/// the registry, else shows "Firma bulunamadı: " + code and gives nothing. Only codes the
/// registry knows reach the connection, never whatever name the command line carries.
std::optional<QString> openCompany(CliRun& run, const QString& code);
/// Applies a step to a form as the user would: Set runs userSet, Click click, Leave
/// leave. What the window would not let the user do (the form model's refusal) is shown
/// as a message and stops the command (Stopped). Type is the caller's (it needs the
/// field's key rules).
void applyStep(CliRun& run, FormModel& form, const FormStep& step);
/// What a command adds to a control's allowed values (a date range, a key rule).
using ControlNote = std::function<QString(const QString& name)>;
/// Lists the controls of a form for "--controls", one line each, tab-separated: name,
/// kind, caption, whether the user can act on it now, allowed values or range. Read from
/// the form model, the same that refuses what the window would not take.
void printControls(CliRun& run, const FormModel& form, const ControlNote& note = {},
                   const QStringList& skip = {});
/// "--controls" for a workspace tab: when the flag is the only argument, lists the controls
/// that `addControls` declares on a form and returns true; with other arguments it is a
/// usage error; without it, false.
bool listTabControlsIfAsked(CliRun& run, void (*addControls)(FormModel&), const char* usage);
/// Takes a flag ("--controls") out of the arguments; whether it was there.
bool takeFlag(QStringList& args, const QString& flag);
/// Shows the refusal and throws Stopped when it is not empty.
void stopIfRefused(CliRun& run, const QString& refusal);

} // namespace velkor::cli
