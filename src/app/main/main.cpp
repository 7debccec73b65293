#include "app/ui/ProgramRun.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return velkor::runProgram(app);
}
