#pragma once

#include "base/ScriptedPrompt.h"
#include "storage/AppContext.h"
#include "storage/Database.h"

#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <memory>

namespace velkor::test {

/// A fresh installation folder in a temporary directory, with a context whose three
/// connections are open and a scripted prompt. The folder goes away with the object.
class TempHome {
public:
    TempHome();
    ~TempHome();

    /// The installation folder with a trailing separator.
    QString home() const;
    AppContext& context() { return *m_context; }
    ScriptedPrompt& prompt() { return m_prompt; }
    /// Registers a company (database file copied from the template, registry row) and
    /// points the company connection at it.
    void addCompany(const QString& code, const QString& name);
    /// Replaces the monthly index table with the given (key, value) rows.
    void setIndexValues(const std::vector<std::pair<int, double>>& rows);

private:
    QTemporaryDir m_dir;
    ScriptedPrompt m_prompt;
    std::unique_ptr<AppContext> m_context;
};

/// Turns a reference database into one made by an earlier release: the earlier edition of
/// the index (2003 included, December 2004 115,87) and of the depreciation list (86 rows),
/// and no version or history tables.
void makeEarlierReferenceData(Database& rates);

/// Runs velkor-cli with the arguments in the test's own environment (the suite runs under
/// LANG=tr_TR.UTF-8); returns the exit code and fills standard output and error.
int runCli(const QStringList& args, QString* out = nullptr, QString* err = nullptr);
/// The test's environment as a desktop with that locale has it: LANG set, no LC_* variables.
QProcessEnvironment desktopEnvironment(const QString& locale);
/// Runs velkor-cli as on a desktop with the locale ("tr_TR.UTF-8", "de_DE.UTF-8", "C", ...).
int runCliIn(const QString& locale, const QStringList& args, QString* out = nullptr, QString* err = nullptr);
/// Runs velkor-cli with the environment.
int runCliWith(const QProcessEnvironment& env, const QStringList& args, QString* out = nullptr,
               QString* err = nullptr);

} // namespace velkor::test
