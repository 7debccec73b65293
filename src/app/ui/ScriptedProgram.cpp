#include "app/ui/ScriptedProgram.h"

#include "app/Program.h"
#include "app/ui/ApplicationWindows.h"
#include "storage/AppContext.h"
#include "storage/Installation.h"

#include <QDir>

namespace velkor {

ScriptedProgram::ScriptedProgram() {
    setInstallationFolder(m_dir.path());
    ensureInstallation(home());
    QDir::setCurrent(home());
    m_context = std::make_unique<AppContext>(home(), m_prompt);
    m_program = std::make_unique<Program>(*m_context);
    m_windows = std::make_unique<ApplicationWindows>(*m_program);
    m_program->start();
}

ScriptedProgram::~ScriptedProgram() = default;

} // namespace velkor
