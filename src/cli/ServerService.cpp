#include "cli/ServerService.h"

#include "storage/OfficeConnection.h"

namespace velkor::cli {

std::unique_ptr<PgConnection> connectToNamedOffice(CliRun& run, const char* usage) {
    QString service = takeOption(run.args, QStringLiteral("--service"));
    if (!run.args.isEmpty())
        throw UsageError(QString::fromUtf8(usage));
    if (service.isEmpty())
        service = officeService(run.context.home());
    if (service.isEmpty())
        throw UsageError(
            QStringLiteral("Sunucu belirtilmedi: --service AD verin ya da Ayarlar.ini dosyasının "
                           "[Sunucu] bölümüne Servis=AD yazın (AD, pg_service.conf dosyasındaki "
                           "bağlantının adıdır)."));
    // The server commands report or upgrade an office of another layout.
    return connectToOffice(PgConnection::serviceConnInfo(service), QProcessEnvironment::systemEnvironment(),
                           LayoutCheck::Skipped);
}

} // namespace velkor::cli
