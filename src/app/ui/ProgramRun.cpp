#include "app/ui/ProgramRun.h"

#include "app/Program.h"
#include "app/ui/ApplicationWindows.h"
#include "app/ui/MissingTurkishTexts.h"
#include "backup/Leftovers.h"
#include "base/ui/DialogPrompt.h"
#include "base/ui/FormWindow.h"
#include "base/ui/WindowMemory.h"
#include "storage/DataFolder.h"
#include "storage/Installation.h"
#include "storage/ProgramLayout.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

namespace velkor {

void installTurkishTranslations(QApplication& app) {
    // The translator installed last is asked first; the catalogue's gaps are filled by the
    // program's own texts, which answer nothing else.
    QApplication::installTranslator(new MissingTurkishTexts(&app));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& name : {QStringLiteral("qtbase_tr"), QStringLiteral("qt_tr")}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(name, folder) && !translator->isEmpty()) {
            QApplication::installTranslator(translator);
            return;
        }
        delete translator;
    }
}

int runProgram(QApplication& app, const std::function<void(Program&, ApplicationWindows&)>& started) {
    QApplication::setApplicationName(QStringLiteral("velkor"));
    // No application display name: the platform would append it to every caption, and
    // the captions already carry the program's name.
    // The windows are only hidden, never closed; the close sequence ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    installTurkishTranslations(app);
    // An installed program behaves as a desktop program: its windows open where the user left them.
    if (programLayout().installed()) {
        rememberWindowsIn(userSettingsFile());
        QObject::connect(&app, &QCoreApplication::aboutToQuit, [] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* window = qobject_cast<FormWindow*>(widget); window && window->isVisible())
                    window->rememberPlace();
            }
        });
    }

    const QString home = GetPathPath();
    try {
        // A restore cut off by a crash is completed (or forgotten) before any database opens,
        // with whatever else a killed run left behind.
        clearLeftovers(home);
        // A first start sets the folder up; later a missing database is an error, not a blank one.
        if (isNewInstallation(home))
            ensureInstallation(home);
        else
            requireInstallation(home);
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, kApplicationTitle,
                              QStringLiteral("Program klasörü hazırlanamadı:\n") +
                                  QString::fromStdString(e.what()));
        return 1;
    }
    QDir::setCurrent(home);

    DialogPrompt prompt;
    AppContext context(home, prompt);
    Program program(context);
    // exit() rather than quit(): quit() first asks every window to close, and the windows
    // refuse closing (they only hide), which would cancel the end of the program.
    QObject::connect(
        &program, &Program::ended, &app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    ApplicationWindows windows(program);
    program.start();
    if (started)
        started(program, windows);
    return QApplication::exec();
}

} // namespace velkor
