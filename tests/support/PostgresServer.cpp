#include "support/PostgresServer.h"

#include "storage/PgConnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace velkor::test {

namespace {

const char* const kSuperuser = "velkor_test";
const char* const kPassword = "velkor-test-parola";
// The account the server programs run as when the tests run as root: the server refuses
// to run as root, and a throwaway account keeps it away from the tests' own files.
const char* const kServerAccount = "nobody";

QString binFolder() {
    const QString configured = qEnvironmentVariable("VELKOR_PG_BIN");
    return configured.isEmpty() ? QStringLiteral("/usr/lib/postgresql/15/bin") : configured;
}

QString binary(const QString& name) {
    return binFolder() + QLatin1Char('/') + name;
}

bool asRoot() {
    return geteuid() == 0;
}

// Runs a program and waits for it; its output goes to `logPath` (appended). Spawned rather
// than started through QProcess, so that it also works while the executable's statics are
// being destroyed.
int run(QStringList argv, const QString& logPath, const QString& workFolder, bool asServerAccount) {
    if (asServerAccount && asRoot())
        argv = QStringList{QStringLiteral("runuser"), QStringLiteral("-u"),
                           QString::fromLatin1(kServerAccount), QStringLiteral("--")} +
               argv;
    std::vector<QByteArray> storage;
    for (const QString& a : argv)
        storage.push_back(a.toLocal8Bit());
    std::vector<char*> args;
    for (QByteArray& a : storage)
        args.push_back(a.data());
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray log = logPath.toLocal8Bit();
    const QByteArray work = workFolder.toLocal8Bit();
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, log.constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    posix_spawn_file_actions_addchdir_np(&actions, work.constData());
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return -1;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Hands a folder to the server account (when the tests run as root), readable by it alone.
void handOver(const QString& path) {
    if (!asRoot())
        return;
    if (const passwd* account = getpwnam(kServerAccount)) {
        if (chown(path.toLocal8Bit().constData(), account->pw_uid, account->pw_gid) != 0)
            ADD_FAILURE() << "chown " << path.toStdString() << " failed";
    }
}

QString makeFolder(const QString& pattern) {
    QByteArray name =
        (QDir::tempPath() + QLatin1Char('/') + pattern + QStringLiteral("XXXXXX")).toLocal8Bit();
    if (!mkdtemp(name.data()))
        return {};
    handOver(QString::fromLocal8Bit(name));
    return QString::fromLocal8Bit(name);
}

int freePort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    close(fd);
    return port;
}

QString readLog(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

// initdb costs seconds and every test of an executable runs in a process of its own under
// ctest, so the cluster is made once a machine and user and copied for each server.
QString clusterTemplate(QString& failure) {
    const QString path = QDir::tempPath() + QStringLiteral("/velkor-pg15-sablon-%1").arg(geteuid());
    const QByteArray lockPath = (path + QStringLiteral(".lock")).toLocal8Bit();
    const int lock = open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock >= 0)
        flock(lock, LOCK_EX);
    if (!QFileInfo::exists(path + QStringLiteral("/hazir"))) {
        const QString staging = makeFolder(QStringLiteral("velkor-pg15-yapiliyor-"));
        const QString passwordFile = staging + QStringLiteral("/parola");
        QFile pw(passwordFile);
        pw.open(QIODevice::WriteOnly);
        pw.write(kPassword);
        pw.close();
        handOver(passwordFile);
        const QString log = staging + QStringLiteral("/initdb.log");
        const int rc =
            run({binary(QStringLiteral("initdb")), QStringLiteral("-D"), staging + QStringLiteral("/data"),
                 QStringLiteral("-U"), QString::fromLatin1(kSuperuser), QStringLiteral("-A"),
                 QStringLiteral("scram-sha-256"), QStringLiteral("--pwfile=") + passwordFile,
                 QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--no-locale"),
                 QStringLiteral("-N")},
                log, staging, true);
        if (rc != 0) {
            failure = QStringLiteral("initdb failed:\n") + readLog(log);
            QDir(staging).removeRecursively();
        } else {
            QFile(passwordFile).remove();
            QDir(path).removeRecursively();
            QFile ready(staging + QStringLiteral("/hazir"));
            ready.open(QIODevice::WriteOnly);
            ready.close();
            rename(staging.toLocal8Bit().constData(), path.toLocal8Bit().constData());
        }
    }
    if (lock >= 0)
        close(lock);
    return failure.isEmpty() ? path + QStringLiteral("/data") : QString();
}

std::unique_ptr<PostgresServer>& sharedServer() {
    static std::unique_ptr<PostgresServer> server;
    return server;
}

// Stops the server when the tests end, before the executable's statics go.
class ServerEnvironment : public ::testing::Environment {
public:
    void TearDown() override { sharedServer().reset(); }
};

} // namespace

class PostgresServer::Impl {
public:
    QString folder;
    QString data;
    QString log;
    pid_t watcher = -1;
    int watcherPipe = -1;
    bool started = false;

    // A process that outlives nothing but the executable: it waits for the end of a pipe
    // only the executable holds, then stops the server and removes its folder, so that a
    // crashed or killed test run leaves no server behind.
    void startWatcher(const QString& runAs) {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0)
            return;
        const QByteArray script =
            QStringLiteral("cat >/dev/null; %1 '%2' -D '%3' -m immediate stop >/dev/null 2>&1; rm -rf '%4'")
                .arg(runAs, binary(QStringLiteral("pg_ctl")), data, folder)
                .toLocal8Bit();
        const pid_t pid = fork();
        if (pid == 0) {
            setsid();
            dup2(ends[0], 0);
            execl("/bin/sh", "sh", "-c", script.constData(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ends[0]);
        watcher = pid;
        watcherPipe = ends[1];
    }

    void stop() {
        if (started)
            run({binary(QStringLiteral("pg_ctl")), QStringLiteral("-D"), data, QStringLiteral("-m"),
                 QStringLiteral("immediate"), QStringLiteral("stop")},
                QStringLiteral("/dev/null"), QStringLiteral("/"), true);
        started = false;
        if (!folder.isEmpty())
            QDir(folder).removeRecursively();
        if (watcherPipe >= 0)
            close(watcherPipe);
        if (watcher > 0)
            waitpid(watcher, nullptr, 0);
        watcherPipe = -1;
        watcher = -1;
    }
};

PostgresServer::PostgresServer(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

PostgresServer::~PostgresServer() {
    m_impl->stop();
}

QString PostgresServer::skipReason() {
    return QStringLiteral("PostgreSQL 15 server programs not found in %1 (install postgresql-15, "
                          "scripts/install-deps.sh; or set VELKOR_PG_BIN)")
        .arg(binFolder());
}

QString PostgresServer::superuser() {
    return QString::fromLatin1(kSuperuser);
}

QString PostgresServer::password() {
    return QString::fromLatin1(kPassword);
}

PostgresServer* PostgresServer::shared() {
    auto& server = sharedServer();
    if (server)
        return server.get();
    for (const char* program : {"initdb", "pg_ctl", "postgres"}) {
        if (!QFileInfo(binary(QString::fromLatin1(program))).isExecutable())
            return nullptr;
    }
    QString failure;
    const QString cluster = clusterTemplate(failure);
    if (cluster.isEmpty()) {
        ADD_FAILURE() << failure.toStdString();
        return nullptr;
    }
    auto impl = std::make_unique<Impl>();
    impl->folder = makeFolder(QStringLiteral("velkor-pg15-"));
    impl->data = impl->folder + QStringLiteral("/data");
    impl->log = impl->folder + QStringLiteral("/sunucu.log");
    const QString copyLog = impl->folder + QStringLiteral("/kopya.log");
    if (run({QStringLiteral("cp"), QStringLiteral("-a"), cluster, impl->data}, copyLog, impl->folder,
            false) != 0) {
        ADD_FAILURE() << "copying the cluster failed: " << readLog(copyLog).toStdString();
        QDir(impl->folder).removeRecursively();
        return nullptr;
    }
    const QString runAs =
        asRoot() ? QStringLiteral("runuser -u %1 --").arg(QString::fromLatin1(kServerAccount)) : QString();
    impl->startWatcher(runAs);
    int port = 0;
    // Another program may take the free port between the look and the start: try another.
    for (int attempt = 0; attempt < 5 && !impl->started; ++attempt) {
        port = freePort();
        const QString options = QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1 -c fsync=off "
                                               "-c synchronous_commit=off -c full_page_writes=off "
                                               "-c max_connections=100")
                                    .arg(port)
                                    .arg(impl->folder);
        impl->started = run({binary(QStringLiteral("pg_ctl")), QStringLiteral("-D"), impl->data,
                             QStringLiteral("-l"), impl->log, QStringLiteral("-w"), QStringLiteral("-t"),
                             QStringLiteral("60"), QStringLiteral("-o"), options, QStringLiteral("start")},
                            impl->folder + QStringLiteral("/pg_ctl.log"), impl->folder, true) == 0;
    }
    if (!impl->started) {
        ADD_FAILURE() << "the PostgreSQL server did not start:\n"
                      << readLog(impl->folder + QStringLiteral("/pg_ctl.log")).toStdString()
                      << readLog(impl->log).toStdString();
        impl->stop();
        return nullptr;
    }
    server.reset(new PostgresServer(std::move(impl)));
    server->m_port = port;
    ::testing::AddGlobalTestEnvironment(new ServerEnvironment);
    return server.get();
}

QString PostgresServer::socketFolder() const {
    return m_impl->folder;
}

QString PostgresServer::folder() const {
    return m_impl->folder;
}

QString PostgresServer::conninfo(const QString& database, const QString& user,
                                 const QString& userPassword) const {
    return QStringLiteral(
               "host=%1 port=%2 dbname=%3 user=%4 password='%5' sslmode=disable connect_timeout=10")
        .arg(host())
        .arg(m_port)
        .arg(database, user.isEmpty() ? superuser() : user, user.isEmpty() ? password() : userPassword);
}

QString PostgresServer::createDatabase(const QString& prefix) {
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("%1_%2_%3").arg(prefix).arg(getpid()).arg(++counter);
    PgConnection admin(conninfo());
    admin.exec(QStringLiteral("CREATE DATABASE ") + admin.quoteIdentifier(name));
    return name;
}

void PostgresServer::superuserExec(const QString& sql, const QString& database) {
    PgConnection admin(conninfo(database));
    admin.exec(sql);
}

} // namespace velkor::test
