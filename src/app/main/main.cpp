#include "app/ui/ProgramRun.h"
#include "base/ClassicNumbers.h"
#include "base/ui/GuardedApplication.h"

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    // Answered before any window system is touched: the update checks a new program with it.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("velkor %s\n", VELKOR_VERSION);
        return 0;
    }
    velkor::GuardedApplication app(argc, argv);
    velkor::useClassicNumbers();
    return velkor::runProgram(app);
}
