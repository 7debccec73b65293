#include "app/Program.h"
#include "app/ui/ApplicationWindows.h"
#include "base/ui/DialogPrompt.h"
#include "storage/Installation.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include <cstdio>
#include <cstring>

using namespace velkor;

int main(int argc, char* argv[]) {
    // Answered before any window system is touched: the update checks a new program with it.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("velkor %s\n", VELKOR_VERSION);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velkor"));
    QApplication::setApplicationDisplayName(kApplicationTitle);
    // The windows are only hidden, never closed; the close sequence ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString home = GetPathPath();
    try {
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
    QObject::connect(&program, &Program::ended, &app, &QApplication::quit, Qt::QueuedConnection);
    ApplicationWindows windows(program);
    program.start();
    return QApplication::exec();
}
