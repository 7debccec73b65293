#pragma once

#include "base/Prompt.h"
#include "base/ui/DialogPrompt.h"

#include <QApplication>

namespace velkor {

/// The application object of the desktop program: the last safety net of the event loop.
/// Every handler is meant to show its own errors through the general error display; an
/// exception that still leaves one (an edit's key press, a timer, a menu, a grid) is shown
/// the same way here and the program goes on with what the user typed, instead of ending.
class GuardedApplication : public QApplication {
    Q_OBJECT

public:
    GuardedApplication(int& argc, char** argv);

    /// Where caught errors are shown; the program's message boxes unless set (the tests script it).
    void setErrorPrompt(Prompt* prompt);
    /// How many errors the net has caught since start.
    int caughtErrors() const { return m_caught; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    DialogPrompt m_dialogs;
    Prompt* m_prompt = &m_dialogs;
    int m_caught = 0;
};

} // namespace velkor
