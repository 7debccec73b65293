#include "cli/CliCommand.h"
#include "storage/Installation.h"

namespace velkor::cli {
namespace {

int init(CliRun& run) {
    if (!run.args.isEmpty())
        throw UsageError(QStringLiteral("init argüman almaz"));
    ensureInstallation(run.context.home());
    run.out << run.context.home() << "\n";
    return 0;
}

const CommandRegistration registration("init", "init", init);

} // namespace
} // namespace velkor::cli
