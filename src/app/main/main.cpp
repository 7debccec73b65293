#include "app/Program.h"
#include "app/ui/ApplicationWindows.h"
#include "backup/ArchiveRestore.h"
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
        ensureInstallation(home);
        // A restore cut off by a crash is completed (or forgotten) before any database opens.
        ArchiveRestore::recover(home);
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
