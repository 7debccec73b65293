#include "support/OfficeInstallation.h"

#include "storage/IniFile.h"
#include "storage/OfficeConnection.h"
#include "storage/OfficeServer.h"
#include "storage/PgConnection.h"
#include "support/PostgresServer.h"

#include <QFile>
#include <QProcess>

namespace velkor::test {

OfficeInstallation::OfficeInstallation(PostgresServer& server, const QString& cliPath) : m_cli(cliPath) {
    m_database = server.createDatabase(QStringLiteral("buro"));
    m_host = server.host();
    m_port = server.port();
    QString out;
    QString err;
    if (cli({QStringLiteral("init")}, &out, &err) != 0) {
        m_error = QStringLiteral("init: ") + out + err;
        return;
    }
    if (!addLogin(QStringLiteral("buro"), PostgresServer::superuser(), PostgresServer::password())) {
        m_error = QStringLiteral("the service files cannot be written");
        return;
    }
    m_environment.insert(QStringLiteral("PGSERVICEFILE"),
                         m_files.filePath(QStringLiteral("pg_service.conf")));
    m_environment.insert(QStringLiteral("PGPASSFILE"), m_files.filePath(QStringLiteral("pgpass")));
    IniFile(m_home.filePath(QStringLiteral("Ayarlar.ini")))
        .setValue(kServerSection, kServerServiceKey, QStringLiteral("buro"));
    if (cli({QStringLiteral("server"), QStringLiteral("init")}, &out, &err) != 0)
        m_error = QStringLiteral("server init: ") + out + err;
}

int OfficeInstallation::run(const QString& program, const QStringList& args, QString* out, QString* err,
                            int timeoutMs) const {
    QProcess process;
    process.setProcessEnvironment(m_environment);
    process.start(program, args);
    const bool ended = process.waitForFinished(timeoutMs);
    if (!ended) {
        process.kill();
        process.waitForFinished();
    }
    if (out)
        *out = QString::fromUtf8(process.readAllStandardOutput());
    if (err)
        *err = QString::fromUtf8(process.readAllStandardError());
    return ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

int OfficeInstallation::cli(const QStringList& args, QString* out, QString* err) const {
    return run(m_cli, QStringList{QStringLiteral("--home"), m_home.path()} + args, out, err);
}

bool OfficeInstallation::addCompany(const QString& code) {
    QString out;
    QString err;
    if (cli({QStringLiteral("company"), QStringLiteral("add"), code, QStringLiteral("Firma ") + code}, &out,
            &err) == 0)
        return true;
    m_error = QStringLiteral("company add: ") + out + err;
    return false;
}

bool OfficeInstallation::addLogin(const QString& service, const QString& user, const QString& password) {
    return appendToFile(QStringLiteral("pg_service.conf"),
                        QStringLiteral("[%1]\nhost=%2\nport=%3\ndbname=%4\nuser=%5\nsslmode=disable\n\n")
                            .arg(service, m_host)
                            .arg(m_port)
                            .arg(m_database, user)) &&
           appendToFile(QStringLiteral("pgpass"),
                        QStringLiteral("%1:%2:*:%3:%4\n").arg(m_host).arg(m_port).arg(user, password));
}

bool OfficeInstallation::appendToFile(const QString& name, const QString& text) {
    QFile file(m_files.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    file.write(text.toUtf8());
    file.close();
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace velkor::test
