#pragma once

#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

namespace velkor::test {

class PostgresServer;

/// An installation on an office database of the test server, set up as an office does it:
/// `velkor-cli init`, the service "buro" in the user's service file, the password in a
/// pgpass file, [Sunucu] Servis=buro in Ayarlar.ini and `velkor-cli server init`.
class OfficeInstallation {
public:
    OfficeInstallation(PostgresServer& server, const QString& cliPath);

    /// What went wrong while setting up; empty when the installation is ready.
    const QString& error() const { return m_error; }
    QString home() const { return m_home.path(); }
    /// The office database on the test server.
    const QString& database() const { return m_database; }
    /// The environment the programs of the office run in (the service and password files).
    const QProcessEnvironment& environment() const { return m_environment; }

    /// Runs a program in the installation's environment: its exit code, or -1 when it
    /// crashed or did not end within `timeoutMs` (then it is killed).
    int run(const QString& program, const QStringList& args, QString* out = nullptr, QString* err = nullptr,
            int timeoutMs = 60000) const;
    /// Runs velkor-cli on the installation.
    int cli(const QStringList& args, QString* out = nullptr, QString* err = nullptr) const;
    /// Adds a company (on the server, as the installation's companies are).
    bool addCompany(const QString& code);
    /// Adds the service `service` for the login `user` to the installation's service file
    /// and the login's password to its password file, as an office gives a user's computer
    /// a login of its own. False when a file cannot be written.
    bool addLogin(const QString& service, const QString& user, const QString& password);

private:
    bool appendToFile(const QString& name, const QString& text);

    QString m_cli;
    QTemporaryDir m_home;
    QTemporaryDir m_files;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    QString m_database;
    /// Where the test server listens, for the service file's entries.
    QString m_host;
    int m_port = 0;
    QString m_error;
};

} // namespace velkor::test
