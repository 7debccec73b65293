#pragma once

#include "storage/PgConnection.h"

#include <QProcessEnvironment>
#include <memory>

namespace velkor {

/// The settings file section and key naming the office server's libpq service
/// (`[Sunucu] Servis=buro` in Ayarlar.ini). Only the service's name lives there: the
/// address and the TLS settings are in the user's pg_service.conf, the password in
/// ~/.pgpass or the service file, where libpq and the office's other tools find them.
inline const QString kServerSection = QStringLiteral("Sunucu");
inline const QString kServerServiceKey = QStringLiteral("Servis");

/// The office server's service named in the installation's Ayarlar.ini, empty when the
/// installation keeps its companies in files.
QString officeService(const QString& home);

/// Connects to an office server after checking that the target is this computer or is
/// reached with a verified certificate (see serverTargetRefusal); throws PgError with the
/// refusal before any connection is made, or with libpq's reason when it fails. A password
/// libpq finds nowhere is asked of the program's password source (connectAskingPassword).
std::unique_ptr<PgConnection>
connectToOffice(const QString& conninfo,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

} // namespace velkor
