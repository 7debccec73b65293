#include "cli/CliCommand.h"
#include "cli/ServerService.h"
#include "storage/OfficeServer.h"

namespace velkor::cli {
namespace {

const char* const kUsage = "server init [--service AD]   (boş bir veritabanına büro sunucusunu kurar)";

int serverInit(CliRun& run) {
    const auto connection = connectToNamedOffice(run, kUsage);
    initOffice(*connection);
    const QString database = connection->scalar(QStringLiteral("SELECT current_database()")).toString();
    const OfficeRoles roles = officeRoles(database);
    run.prompt.showMessage(QStringLiteral("Büro sunucusu kuruldu: %1 veritabanı. Roller: %2 (yönetici), %3 "
                                          "(okuma-yazma), %4 (yalnızca okuma).")
                               .arg(database, roles.owner, roles.writer, roles.reader));
    return 0;
}

const CommandRegistration reg("server init", kUsage, serverInit);

} // namespace
} // namespace velkor::cli
