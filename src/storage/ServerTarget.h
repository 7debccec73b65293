#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace velkor {

/// Where a libpq connection string leads and how it protects the way there, resolved the
/// way libpq resolves it (the string, then its service's entry in the user's or the
/// system's pg_service.conf, then the PG* environment variables), without connecting.
struct ServerTarget {
    QStringList hosts;     ///< host names or socket folders; empty means the default socket
    QStringList hostAddrs; ///< numeric addresses given beside (or instead of) the names
    QString sslMode;       ///< empty means libpq's default ("prefer")
    QString service;       ///< the service named, if any
    bool serviceFound = true;
};

/// Resolves a connection string ("host=... sslmode=...", a URI, or "service=buro").
/// `environment` stands for the process's environment (PGSERVICEFILE, PGHOST, HOME...).
ServerTarget
resolveServerTarget(const QString& conninfo,
                    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

/// Whether a host is this computer: a unix socket folder, "localhost" or a loopback address.
bool isThisComputer(const QString& host);

/// Why the program will not connect to that target, in Turkish, or empty. A server on
/// another computer is reached only over TLS with its certificate checked against its
/// name (sslmode=verify-full), so that neither passwords nor the companies' figures cross
/// a network readable or redirectable by others.
QString serverTargetRefusal(const ServerTarget& target);

} // namespace velkor
