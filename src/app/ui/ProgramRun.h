#pragma once

#include <functional>

class QApplication;

namespace velkor {

class ApplicationWindows;
class Program;

/// The desktop program from start-up to its end: Qt's Turkish translations, the
/// installation folder, the program with its twelve windows and the event loop, which
/// the close sequence ends with status 0. `started` runs once the windows exist (the
/// tests drive the program from there). Returns the exit status.
int runProgram(QApplication& app, const std::function<void(Program&, ApplicationWindows&)>& started = {});

/// Loads Qt's own Turkish texts (file dialogs, standard buttons) when they are installed, and
/// the program's own Turkish for the few texts that catalogue lacks.
void installTurkishTranslations(QApplication& app);

} // namespace velkor
