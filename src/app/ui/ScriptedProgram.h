#pragma once

#include "base/ScriptedPrompt.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace velkor {

class AppContext;
class ApplicationWindows;
class Program;

/// The whole program with its windows on a fresh installation in a temporary folder, which
/// becomes the current folder; every question is answered by a script. The GUI tests and
/// the tool that takes the user guide's pictures drive the program through it.
class ScriptedProgram {
public:
    ScriptedProgram();
    ~ScriptedProgram();
    ScriptedProgram(const ScriptedProgram&) = delete;
    ScriptedProgram& operator=(const ScriptedProgram&) = delete;

    /// The installation folder, with a trailing separator.
    QString home() const { return m_dir.path() + QLatin1Char('/'); }
    /// The answers to come and the messages shown so far.
    ScriptedPrompt& prompt() { return m_prompt; }
    AppContext& context() { return *m_context; }
    Program& program() { return *m_program; }
    ApplicationWindows& windows() { return *m_windows; }

private:
    QTemporaryDir m_dir;
    ScriptedPrompt m_prompt;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<Program> m_program;
    std::unique_ptr<ApplicationWindows> m_windows;
};

} // namespace velkor
