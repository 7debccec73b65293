#include "storage/OfficeConnection.h"

#include "storage/IniFile.h"
#include "storage/OfficeLayout.h"
#include "storage/ServerPassword.h"
#include "storage/ServerTarget.h"

#include <QDir>

namespace velkor {

namespace {

// The SQLSTATE class of connections refused before they were made.
const QString kRefusedState = QStringLiteral("08004");

} // namespace

QString officeService(const QString& home) {
    return IniFile(QDir(home).filePath(QStringLiteral("Ayarlar.ini")))
        .value(kServerSection, kServerServiceKey)
        .trimmed();
}

std::unique_ptr<PgConnection> connectToOffice(const QString& conninfo, const QProcessEnvironment& environment,
                                              LayoutCheck layout) {
    const QString refusal = serverTargetRefusal(resolveServerTarget(conninfo, environment));
    if (!refusal.isEmpty())
        throw PgError(refusal, kRefusedState);
    auto connection = connectAskingPassword(conninfo);
    // The target was read as libpq reads it; should the two ever disagree, the connection
    // that was made decides.
    if (!isThisComputer(connection->host()) && !connection->usesTls())
        throw PgError(serverTargetRefusal(ServerTarget{{connection->host()}, {}, {}, {}, true}),
                      kRefusedState);
    if (layout == LayoutCheck::Required)
        requireOfficeLayout(*connection);
    return connection;
}

} // namespace velkor
