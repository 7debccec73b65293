#include "base/ui/GuardedApplication.h"

#include "base/ErrorReport.h"

namespace velkor {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void GuardedApplication::setErrorPrompt(Prompt* prompt) {
    m_prompt = prompt ? prompt : &m_dialogs;
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ++m_caught;
        // The box runs its own event loop; an error from within it is caught by this same net.
        reportError(*m_prompt, std::current_exception());
        return false;
    }
}

} // namespace velkor
