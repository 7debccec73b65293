#include "storage/ServerTarget.h"
#include "storage/IniFile.h"
#include "storage/OfficeConnection.h"
#include "support/PostgresServer.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace velkor::test {
namespace {

QProcessEnvironment environmentWith(std::initializer_list<std::pair<const char*, QString>> values) {
    QProcessEnvironment environment;
    for (const auto& [name, value] : values)
        environment.insert(QString::fromLatin1(name), value);
    return environment;
}

QString refusalOf(const QString& conninfo, const QProcessEnvironment& environment = {}) {
    return serverTargetRefusal(resolveServerTarget(conninfo, environment));
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

TEST(ServerTargetTest, ThisComputerNeedsNoCertificateAnotherOneAVerifiedOne) {
    for (const char* local :
         {"", "host=localhost sslmode=disable", "host=/var/run/postgresql", "host=127.0.0.1 sslmode=disable",
          "host=::1", "postgresql://localhost/buro", "hostaddr=127.0.0.1 sslmode=allow"})
        EXPECT_EQ(refusalOf(QString::fromLatin1(local)), QString()) << local;
    for (const char* weak : {"host=sunucu.buro.local", "host=10.0.0.5 sslmode=require",
                             "host=sunucu sslmode=verify-ca", "host=localhost,10.0.0.5 sslmode=require",
                             "host=localhost hostaddr=10.0.0.5", "postgresql://sunucu/buro?sslmode=prefer"})
        EXPECT_FALSE(refusalOf(QString::fromLatin1(weak)).isEmpty()) << weak;
    EXPECT_EQ(refusalOf(QStringLiteral("host=sunucu.buro.local sslmode=verify-full")), QString());
    EXPECT_EQ(
        refusalOf(QStringLiteral("host=10.0.0.5 sslmode=require")),
        QStringLiteral("10.0.0.5 sunucusu bu bilgisayarda değil; başka bir bilgisayardaki sunucuya "
                       "yalnızca sertifikası doğrulanan şifreli bağlantıyla (sslmode=verify-full) "
                       "bağlanılır. Bağlantı ayarında şu an \"require\" yazıyor; pg_service.conf "
                       "dosyasına sslmode=verify-full ve sunucunun sertifikasını (sslrootcert) ekleyiniz."));
    // A string libpq cannot read leads nowhere safe.
    EXPECT_FALSE(refusalOf(QStringLiteral("host='sunucu")).isEmpty());
}

TEST(ServerTargetTest, AServiceIsReadFromTheUsersFileThenTheEnvironment) {
    QTemporaryDir dir;
    const QString services = dir.filePath(QStringLiteral("services.conf"));
    writeFile(services,
              "# ofis\n[yerel]\nhost=localhost\n\n[buro]\nhost = sunucu.buro.local\nsslmode=require\n"
              "dbname=buro\n[guvenli]\nhost=sunucu.buro.local\nsslmode=verify-full\n");
    const QProcessEnvironment environment = environmentWith({{"PGSERVICEFILE", services}});
    EXPECT_EQ(refusalOf(QStringLiteral("service=yerel"), environment), QString());
    EXPECT_EQ(refusalOf(QStringLiteral("service=guvenli"), environment), QString());
    EXPECT_TRUE(
        refusalOf(QStringLiteral("service=buro"), environment).startsWith(QStringLiteral("sunucu.buro")));
    // The string's own values win over the service's.
    EXPECT_EQ(refusalOf(QStringLiteral("service=buro sslmode=verify-full"), environment), QString());
    EXPECT_EQ(refusalOf(PgConnection::serviceConnInfo(QStringLiteral("yerel")), environment), QString());
    // The user's file in the home folder when no file is named.
    writeFile(dir.filePath(QStringLiteral(".pg_service.conf")), "[buro]\nhost=10.1.1.1\n");
    EXPECT_FALSE(
        refusalOf(QStringLiteral("service=buro"), environmentWith({{"HOME", dir.path()}})).isEmpty());
    EXPECT_EQ(refusalOf(QStringLiteral("service=yok"), environment),
              QStringLiteral("\"yok\" adlı sunucu bağlantısı pg_service.conf dosyasında bulunamadı."));
    // The environment fills what neither names.
    EXPECT_FALSE(
        refusalOf(QStringLiteral("dbname=buro"), environmentWith({{"PGHOST", QStringLiteral("10.0.0.9")}}))
            .isEmpty());
    EXPECT_EQ(refusalOf(QStringLiteral("dbname=buro"),
                        environmentWith({{"PGHOST", QStringLiteral("10.0.0.9")},
                                         {"PGSSLMODE", QStringLiteral("verify-full")}})),
              QString());
}

TEST(ServerTargetTest, TheServiceIsNamedInTheSettingsFileAndNothingElseIsReadThere) {
    QTemporaryDir dir;
    EXPECT_EQ(officeService(dir.path()), QString());
    IniFile(dir.filePath(QStringLiteral("Ayarlar.ini")))
        .setValue(kServerSection, kServerServiceKey, QStringLiteral("buro"));
    EXPECT_EQ(officeService(dir.path()), QStringLiteral("buro"));
}

TEST(ServerTargetTest, AnUnencryptedConnectionToAnotherComputerIsRefusedBeforeConnecting) {
    // 192.0.2.1 is a documentation address that answers nobody: a connection attempt would
    // wait for the timeout instead of failing at once with the refusal.
    try {
        connectToOffice(QStringLiteral("host=192.0.2.1 dbname=buro sslmode=disable connect_timeout=30"));
        FAIL() << "connected";
    } catch (const PgError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("sslmode=verify-full"))) << e.message().toStdString();
        EXPECT_EQ(e.sqlState(), QStringLiteral("08004"));
    }
}

TEST(ServerTargetTest, TheOfficeIsReachedThroughTheUsersServiceAndPasswordFiles) {
    VELKOR_REQUIRE_POSTGRES(server);
    QTemporaryDir dir;
    const QString services = dir.filePath(QStringLiteral("pg_service.conf"));
    const QString passwords = dir.filePath(QStringLiteral("pgpass"));
    writeFile(services,
              QStringLiteral("[buro]\nhost=%1\nport=%2\ndbname=postgres\nuser=%3\nsslmode=disable\n")
                  .arg(server->host())
                  .arg(server->port())
                  .arg(PostgresServer::superuser())
                  .toUtf8());
    writeFile(passwords, QStringLiteral("%1:%2:*:%3:%4\n")
                             .arg(server->host())
                             .arg(server->port())
                             .arg(PostgresServer::superuser(), PostgresServer::password())
                             .toUtf8());
    qputenv("PGSERVICEFILE", services.toLocal8Bit());
    qputenv("PGPASSFILE", passwords.toLocal8Bit());
    const auto connection = connectToOffice(PgConnection::serviceConnInfo(QStringLiteral("buro")));
    qunsetenv("PGSERVICEFILE");
    qunsetenv("PGPASSFILE");
    EXPECT_EQ(connection->user(), PostgresServer::superuser());
    EXPECT_FALSE(connection->usesTls());
}

} // namespace
} // namespace velkor::test
