#include "cli/CliCommand.h"
#include "cli/ServerService.h"
#include "storage/OfficeServer.h"

namespace velkor::cli {
namespace {

const char* const kUsage = "server check [--service AD]   (sunucu sürümü, şifreleme, düzen sürümü, firmalar)";

int serverCheck(CliRun& run) {
    const auto connection = connectToNamedOffice(run, kUsage);
    const OfficeState state = inspectOffice(*connection);
    for (const QString& line : officeReport(state))
        run.out << line << "\n";
    // A database the program cannot work with is an error for scripts too.
    return state.schemaVersion == office::kSchemaVersion ? 0 : 1;
}

const CommandRegistration reg("server check", kUsage, serverCheck);

} // namespace
} // namespace velkor::cli
