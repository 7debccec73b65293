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

/// Whether a connection to the office checks the layout's version (requireOfficeLayout):
/// every connection of the program's work does; the setup commands, which report an office
/// of another layout or bring it to this program's, do not.
enum class LayoutCheck { Required, Skipped };

/// Connects to an office server after checking that the target is this computer or is
/// reached with a verified certificate (see serverTargetRefusal); throws PgError with the
/// refusal before any connection is made, or with libpq's reason when it fails, and
/// ShownError when the office's layout is not this program's. A password libpq finds
/// nowhere is asked of the program's password source (connectAskingPassword).
std::unique_ptr<PgConnection>
connectToOffice(const QString& conninfo,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                LayoutCheck layout = LayoutCheck::Required);

} // namespace velkor
