#include "app/ui/ProgramRun.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    // Answered before any window system is touched: the update checks a new program with it.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("velkor %s\n", VELKOR_VERSION);
        return 0;
    }
    QApplication app(argc, argv);
    return velkor::runProgram(app);
}
