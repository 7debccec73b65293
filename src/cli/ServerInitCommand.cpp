#include "cli/CliCommand.h"
#include "cli/ServerService.h"
#include "storage/OfficeLayout.h"
#include "storage/OfficeServer.h"

namespace velkor::cli {
namespace {

const char* const kUsage =
    "server init [--service AD]   (boş bir veritabanına büro sunucusunu kurar, kurulu büroyu günceller)";

int serverInit(CliRun& run) {
    const auto connection = connectToNamedOffice(run, kUsage);
    // On an office that exists, init brings it to this program's layout and says what it did.
    if (officeLayoutVersion(*connection) > 0) {
        const QStringList done = upgradeOffice(*connection);
        if (done.isEmpty())
            run.prompt.showMessage(QStringLiteral("Büro sunucusu zaten güncel (düzen sürümü %1); hiçbir şey "
                                                  "değiştirilmedi.")
                                       .arg(office::kSchemaVersion));
        for (const QString& line : done)
            run.prompt.showMessage(line);
        return 0;
    }
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
