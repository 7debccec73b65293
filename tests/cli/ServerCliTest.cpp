#include "storage/IniFile.h"
#include "storage/OfficeConnection.h"
#include "support/PostgresServer.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace velkor::test {
namespace {

/// An installation whose Ayarlar.ini names the service "buro", which the user's service
/// file points at an empty database of the test server, with the password in ~/.pgpass form.
class ServerCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        VELKOR_REQUIRE_POSTGRES(found);
        server = found;
        database = server->createDatabase(QStringLiteral("cli"));
        ASSERT_EQ(runCli({QStringLiteral("--home"), home.path(), QStringLiteral("init")}), 0);
        writeFile(QStringLiteral("pg_service.conf"),
                  QStringLiteral("[buro]\nhost=%1\nport=%2\ndbname=%3\nuser=%4\nsslmode=disable\n\n"
                                 "[uzak]\nhost=192.0.2.1\ndbname=buro\nsslmode=require\n")
                      .arg(server->host())
                      .arg(server->port())
                      .arg(database, PostgresServer::superuser()));
        writeFile(QStringLiteral("pgpass"),
                  QStringLiteral("%1:%2:*:%3:%4\n")
                      .arg(server->host())
                      .arg(server->port())
                      .arg(PostgresServer::superuser(), PostgresServer::password()));
        environment.insert(QStringLiteral("PGSERVICEFILE"),
                           files.filePath(QStringLiteral("pg_service.conf")));
        environment.insert(QStringLiteral("PGPASSFILE"), files.filePath(QStringLiteral("pgpass")));
    }

    void writeFile(const QString& name, const QString& text) {
        QFile file(files.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }

    int cli(const QStringList& args, QString* out = nullptr, QString* err = nullptr) {
        return runCliWith(environment, QStringList{QStringLiteral("--home"), home.path()} + args, out, err);
    }

    PostgresServer* server = nullptr;
    QString database;
    QTemporaryDir home;
    QTemporaryDir files;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(ServerCliTest, InitSetsUpAnEmptyDatabaseOnceAndCheckReportsIt) {
    QString out;
    QString err;
    EXPECT_EQ(cli({QStringLiteral("server"), QStringLiteral("check")}, &out, &err), 2) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("Sunucu belirtilmedi"))) << err.toStdString();

    EXPECT_EQ(cli({QStringLiteral("server"), QStringLiteral("check"), QStringLiteral("--service"),
                   QStringLiteral("buro")},
                  &out, &err),
              1);
    EXPECT_TRUE(out.contains(QStringLiteral("Büro veritabanı kurulmamış"))) << out.toStdString();

    IniFile(home.filePath(QStringLiteral("Ayarlar.ini")))
        .setValue(kServerSection, kServerServiceKey, QStringLiteral("buro"));
    ASSERT_EQ(cli({QStringLiteral("server"), QStringLiteral("init")}, &out, &err), 0) << err.toStdString();
    EXPECT_TRUE((out + err).contains(QStringLiteral("Büro sunucusu kuruldu: %1 veritabanı.").arg(database)))
        << out.toStdString() << err.toStdString();

    ASSERT_EQ(cli({QStringLiteral("server"), QStringLiteral("check")}, &out, &err), 0) << err.toStdString();
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << out.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Sunucu sürümü: 15.")));
    EXPECT_EQ(lines.mid(1),
              (QStringList{QStringLiteral("Bağlantı: şifresiz (yalnızca bu bilgisayardaki sunucu için)"),
                           QStringLiteral("Veritabanı düzeni sürümü: 1 (program: 1)"),
                           QStringLiteral("Firmalar (0): yok")}));

    EXPECT_EQ(cli({QStringLiteral("server"), QStringLiteral("init")}, &out, &err), 1);
    EXPECT_TRUE((out + err).contains(QStringLiteral("Veritabanı boş değil"))) << (out + err).toStdString();
}

TEST_F(ServerCliTest, TheProgramWorksOnTheOfficeThatInitSetUp) {
    QString fileRates;
    QString err;
    const QStringList show{QStringLiteral("rates"), QStringLiteral("show"), QStringLiteral("yi-ufe"),
                           QStringLiteral("--year"), QStringLiteral("2023")};
    ASSERT_EQ(cli(show, &fileRates, &err), 0) << err.toStdString();

    IniFile(home.filePath(QStringLiteral("Ayarlar.ini")))
        .setValue(kServerSection, kServerServiceKey, QStringLiteral("buro"));
    QString out;
    ASSERT_EQ(cli({QStringLiteral("server"), QStringLiteral("init")}, &out, &err), 0) << err.toStdString();
    // The reference tables and the registry are read from the server, as from the files.
    QString serverRates;
    ASSERT_EQ(cli(show, &serverRates, &err), 0) << err.toStdString();
    EXPECT_EQ(serverRates, fileRates);
    EXPECT_EQ(cli({QStringLiteral("company"), QStringLiteral("list")}, &out, &err), 0) << err.toStdString();
}

TEST_F(ServerCliTest, AServerOnAnotherComputerWithoutAVerifiedCertificateIsRefused) {
    QString out;
    QString err;
    EXPECT_EQ(cli({QStringLiteral("server"), QStringLiteral("check"), QStringLiteral("--service"),
                   QStringLiteral("uzak")},
                  &out, &err),
              1);
    EXPECT_TRUE((out + err).contains(QStringLiteral("192.0.2.1 sunucusu bu bilgisayarda değil")))
        << (out + err).toStdString();
    EXPECT_TRUE((out + err).contains(QStringLiteral("\"require\""))) << (out + err).toStdString();
}

} // namespace
} // namespace velkor::test
