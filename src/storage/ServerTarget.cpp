#include "storage/ServerTarget.h"

#include <QFile>
#include <QHostAddress>
#include <libpq-fe.h>
#include <map>

namespace velkor {

namespace {

using Options = std::map<QString, QString>;

Options parseConnInfo(const QString& conninfo, QString& error) {
    Options options;
    char* message = nullptr;
    const QByteArray text = conninfo.toUtf8();
    PQconninfoOption* parsed = PQconninfoParse(text.constData(), &message);
    if (!parsed) {
        error = message ? QString::fromUtf8(message).trimmed() : QStringLiteral("bellek yetersiz");
        PQfreemem(message);
        return options;
    }
    for (PQconninfoOption* o = parsed; o->keyword; ++o) {
        if (o->val && *o->val)
            options[QString::fromUtf8(o->keyword)] = QString::fromUtf8(o->val);
    }
    PQconninfoFree(parsed);
    return options;
}

// One service's entries in a service file; false when the file has no such service. The
// format is libpq's: "[name]" lines open a service, "key=value" lines fill it, "#" comments.
bool readService(const QString& path, const QString& service, Options& options) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    bool inService = false;
    bool found = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            // libpq stops at the end of the first group of that name.
            if (inService)
                break;
            inService = line.mid(1, line.indexOf(QLatin1Char(']')) - 1) == service;
            found = found || inService;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inService && equals > 0) {
            const QString key = line.left(equals).trimmed();
            // Values of the connection string win over those of the service.
            if (!options.count(key))
                options[key] = line.mid(equals + 1).trimmed();
        }
    }
    return found;
}

QStringList listOf(const QString& value) {
    QStringList items;
    for (const QString& item : value.split(QLatin1Char(','))) {
        if (!item.trimmed().isEmpty())
            items << item.trimmed();
    }
    return items;
}

} // namespace

ServerTarget resolveServerTarget(const QString& conninfo, const QProcessEnvironment& environment) {
    ServerTarget target;
    QString error;
    Options options = parseConnInfo(conninfo, error);
    if (!error.isEmpty()) {
        // An unreadable string names no safe target: treat it as a remote one without TLS.
        target.hosts << QStringLiteral("?");
        return target;
    }
    target.service = options.count(QStringLiteral("service"))
                         ? options[QStringLiteral("service")]
                         : environment.value(QStringLiteral("PGSERVICE"));
    if (!target.service.isEmpty()) {
        QString userFile = environment.value(QStringLiteral("PGSERVICEFILE"));
        if (userFile.isEmpty() && environment.contains(QStringLiteral("HOME")))
            userFile = environment.value(QStringLiteral("HOME")) + QStringLiteral("/.pg_service.conf");
        // Debian's libpq looks for the system's file in /etc/postgresql-common.
        const QString systemFolder =
            environment.value(QStringLiteral("PGSYSCONFDIR"), QStringLiteral("/etc/postgresql-common"));
        target.serviceFound =
            readService(userFile, target.service, options) ||
            readService(systemFolder + QStringLiteral("/pg_service.conf"), target.service, options);
    }
    const auto pick = [&](const char* key, const char* variable) {
        const QString name = QString::fromLatin1(key);
        return options.count(name) ? options[name] : environment.value(QString::fromLatin1(variable));
    };
    target.hosts = listOf(pick("host", "PGHOST"));
    target.hostAddrs = listOf(pick("hostaddr", "PGHOSTADDR"));
    target.sslMode = pick("sslmode", "PGSSLMODE");
    return target;
}

bool isThisComputer(const QString& host) {
    if (host.isEmpty() || host.startsWith(QLatin1Char('/')) || host.startsWith(QLatin1Char('@')))
        return true;
    if (host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

QString serverTargetRefusal(const ServerTarget& target) {
    if (!target.serviceFound)
        return QStringLiteral("\"%1\" adlı sunucu bağlantısı pg_service.conf dosyasında bulunamadı.")
            .arg(target.service);
    QString remote;
    for (const QString& host : target.hosts + target.hostAddrs) {
        if (!isThisComputer(host)) {
            remote = host;
            break;
        }
    }
    if (remote.isEmpty() || target.sslMode == QStringLiteral("verify-full"))
        return {};
    return QStringLiteral("%1 sunucusu bu bilgisayarda değil; başka bir bilgisayardaki sunucuya yalnızca "
                          "sertifikası doğrulanan şifreli bağlantıyla (sslmode=verify-full) bağlanılır. "
                          "Bağlantı ayarında şu an \"%2\" yazıyor; pg_service.conf dosyasına "
                          "sslmode=verify-full ve sunucunun sertifikasını (sslrootcert) ekleyiniz.")
        .arg(remote, target.sslMode.isEmpty() ? QStringLiteral("prefer") : target.sslMode);
}

} // namespace velkor
