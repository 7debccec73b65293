#pragma once

#include <QString>
#include <gtest/gtest.h>
#include <memory>

namespace velkor::test {

/// A real PostgreSQL 15 server for the tests of one executable: a cluster of its own in a
/// temporary folder, listening on a free port of 127.0.0.1 (and a socket in that folder),
/// started at first use and stopped with everything it wrote when the executable ends, or
/// when it dies (a watcher process stops the server once the executable is gone).
/// The server programs run as an unprivileged user: as root, as "nobody".
class PostgresServer {
public:
    ~PostgresServer();
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    /// The executable's server, started on the first call; null when the server programs
    /// are not installed (skipReason() says why). A server that is installed but does not
    /// start fails the test instead.
    static PostgresServer* shared();
    /// Why shared() gave no server.
    static QString skipReason();

    /// The superuser role of the cluster and its password.
    static QString superuser();
    static QString password();

    /// The address and port clients connect to.
    QString host() const { return QStringLiteral("127.0.0.1"); }
    int port() const { return m_port; }
    /// The folder holding the server's unix socket.
    QString socketFolder() const;
    /// The server's own folder (cluster, socket, log).
    QString folder() const;
    /// A libpq connection string to `database` over TCP on 127.0.0.1 as `user` (the superuser
    /// when empty) with `password`.
    QString conninfo(const QString& database = QStringLiteral("postgres"), const QString& user = {},
                     const QString& userPassword = {}) const;
    /// Creates a new, empty database with a name unique in the run and returns its name.
    QString createDatabase(const QString& prefix = QStringLiteral("t"));
    /// Runs SQL as the superuser in `database` (setting up roles and the like for a test).
    void superuserExec(const QString& sql, const QString& database = QStringLiteral("postgres"));

private:
    class Impl;
    explicit PostgresServer(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
    int m_port = 0;
};

} // namespace velkor::test

/// Gives the test the shared server in `name`, or skips it when PostgreSQL is not installed.
#define VELKOR_REQUIRE_POSTGRES(name)                                                                        \
    ::velkor::test::PostgresServer* name = ::velkor::test::PostgresServer::shared();                         \
    if (!name)                                                                                               \
    GTEST_SKIP() << ::velkor::test::PostgresServer::skipReason().toStdString()
