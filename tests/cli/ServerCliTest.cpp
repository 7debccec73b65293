#include "engine/FixedAssetSheetControls.h"
#include "registry/RegistrationFormControls.h"
#include "storage/IniFile.h"
#include "storage/OfficeConnection.h"
#include "storage/OfficeServer.h"
#include "storage/ZipArchive.h"
#include "support/PostgresServer.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
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
                           QStringLiteral("Veritabanı düzeni sürümü: 2 (program: 2)"),
                           QStringLiteral("Firmalar (0): yok")}));

    // A second init finds the office at the layout and leaves it as it is.
    EXPECT_EQ(cli({QStringLiteral("server"), QStringLiteral("init")}, &out, &err), 0) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("MESAJ: Büro sunucusu zaten güncel (düzen sürümü 2); hiçbir şey "
                                            "değiştirilmedi.")))
        << err.toStdString();
}

// An office of an earlier layout: the work is refused with what to do, check says so, init
// upgrades it and says what it did, and the work goes on.
TEST_F(ServerCliTest, InitUpgradesAnOfficeOfAnEarlierLayoutThatTheWorkRefuses) {
    IniFile(home.filePath(QStringLiteral("Ayarlar.ini")))
        .setValue(kServerSection, kServerServiceKey, QStringLiteral("buro"));
    QString out;
    QString err;
    ASSERT_EQ(cli({QStringLiteral("server"), QStringLiteral("init")}, &out, &err), 0) << err.toStdString();
    server->superuserExec(QStringLiteral("UPDATE genel.ofis SET deger = '1'"), database);

    const QStringList list{QStringLiteral("company"), QStringLiteral("list")};
    EXPECT_EQ(cli(list, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("Yöneticiniz veritabanını \"velkor-cli server init\" ile "
                                            "güncellemelidir")))
        << err.toStdString();
    EXPECT_EQ(cli({QStringLiteral("server"), QStringLiteral("check")}, &out, &err), 1);
    EXPECT_TRUE(
        out.contains(QStringLiteral("Veritabanı düzeni sürümü: 1 (program: 2)\nBüro veritabanının düzeni")))
        << out.toStdString();

    ASSERT_EQ(cli({QStringLiteral("server"), QStringLiteral("init")}, &out, &err), 0) << err.toStdString();
    EXPECT_TRUE(
        err.contains(QStringLiteral("MESAJ: Büro veritabanının düzeni 1. sürümden 2. sürüme güncellendi.")))
        << err.toStdString();
    EXPECT_EQ(cli(list, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(cli({QStringLiteral("server"), QStringLiteral("check")}, &out, &err), 0) << out.toStdString();
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

TEST_F(ServerCliTest, ANewCompanyOfTheOfficeLivesOnTheServerAndWorksAsAFileCompany) {
    IniFile(home.filePath(QStringLiteral("Ayarlar.ini")))
        .setValue(kServerSection, kServerServiceKey, QStringLiteral("buro"));
    QString out;
    QString err;
    ASSERT_EQ(cli({QStringLiteral("server"), QStringLiteral("init")}, &out, &err), 0) << err.toStdString();
    ASSERT_EQ(cli({QStringLiteral("company"), QStringLiteral("add"), QStringLiteral("ABC"),
                   QStringLiteral("Deneme A.Ş.")},
                  &out, &err),
              0)
        << err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(home.filePath(QStringLiteral("Data/ABC.mdb"))));
    ASSERT_EQ(cli({QStringLiteral("server"), QStringLiteral("check")}, &out, &err), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Firmalar (1): ABC\n"))) << out.toStdString();
    // The registry finds the company where it lives: no row without its data.
    EXPECT_EQ(cli({QStringLiteral("company"), QStringLiteral("list"), QStringLiteral("--check")}, &out, &err),
              0)
        << out.toStdString() << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("\tABC\tDeneme A.Ş.\n"))) << out.toStdString();

    // The company's work, the later periods included, is stored on the server.
    ASSERT_EQ(cli({QStringLiteral("period"), QStringLiteral("add"), QStringLiteral("--company"),
                   QStringLiteral("ABC"), QStringLiteral("--end"), QStringLiteral("31.12.2024")},
                  &out, &err),
              0)
        << err.toStdString();
    ASSERT_EQ(cli({QStringLiteral("period"), QStringLiteral("list"), QStringLiteral("--company"),
                   QStringLiteral("ABC")},
                  &out, &err),
              0)
        << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("\n31.12.2024\tYasal\tAçık\t"))) << out.toStdString();
    EXPECT_EQ(cli({QStringLiteral("report"), QStringLiteral("--company"), QStringLiteral("ABC")}, &out, &err),
              0)
        << err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(home.filePath(QStringLiteral("Data/ABC.mdb"))));

    // The code is taken, in any letter case.
    EXPECT_NE(cli({QStringLiteral("company"), QStringLiteral("add"), QStringLiteral("ABC"),
                   QStringLiteral("İkinci")},
                  &out, &err),
              0);
    EXPECT_TRUE((out + err).contains(QStringLiteral("Bu isimde kayıtlı firma mevcut")))
        << (out + err).toStdString();

    // Deleting the company drops its schema with its registration.
    ASSERT_EQ(cli({QStringLiteral("company"), QStringLiteral("delete"), QStringLiteral("ABC"),
                   QStringLiteral("--answer"), QStringLiteral("Evet"), QStringLiteral("--answer"),
                   QStringLiteral("Hayir"), QStringLiteral("--answer"), QStringLiteral("Evet")},
                  &out, &err),
              0)
        << err.toStdString();
    ASSERT_EQ(cli({QStringLiteral("server"), QStringLiteral("check")}, &out, &err), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Firmalar (0): yok\n"))) << out.toStdString();
}

TEST_F(ServerCliTest, ACompanyMovesToTheServerAndBackWithEveryRowAndFigure) {
    QString out;
    QString err;
    const QStringList move{QStringLiteral("company"), QStringLiteral("move"), QStringLiteral("ESK"),
                           QStringLiteral("--to")};
    // A file installation has one place for its companies.
    EXPECT_EQ(cli(move + QStringList{QStringLiteral("sunucu")}, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("Servis belirtilmemiş"))) << err.toStdString();

    IniFile(home.filePath(QStringLiteral("Ayarlar.ini")))
        .setValue(kServerSection, kServerServiceKey, QStringLiteral("buro"));
    ASSERT_EQ(cli({QStringLiteral("server"), QStringLiteral("init")}, &out, &err), 0) << err.toStdString();
    // A company file with its 31.12.2023 work joins the office as a file first.
    const QString file = home.filePath(QStringLiteral("Data/ESK.mdb"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELKOR_TEST_SOURCE_DIR "/periods/data/ESK.mdb"), file));
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_EQ(cli({QStringLiteral("company"), QStringLiteral("adopt"), QStringLiteral("ESK"),
                   QStringLiteral("Eski Dosya A.Ş.")},
                  &out, &err),
              0)
        << err.toStdString();
    const QList<QStringList> outputs{
        {QStringLiteral("report"), QStringLiteral("--company"), QStringLiteral("ESK")},
        {QStringLiteral("journal"), QStringLiteral("--company"), QStringLiteral("ESK")},
        {QStringLiteral("items"), QStringLiteral("--company"), QStringLiteral("ESK")}};
    QStringList fileOutputs;
    for (const QStringList& command : outputs) {
        ASSERT_EQ(cli(command, &out, &err), 0) << err.toStdString();
        fileOutputs << out;
    }
    EXPECT_EQ(cli(move + QStringList{QStringLiteral("dosya")}, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("ESK firması zaten bu bilgisayardaki firma dosyasında.")))
        << err.toStdString();
    EXPECT_EQ(cli(move + QStringList{QStringLiteral("bulut")}, &out, &err), 2);

    ASSERT_EQ(cli(move + QStringList{QStringLiteral("sunucu")}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("ESK firması büro sunucusuna taşındı.\n"));
    EXPECT_FALSE(QFileInfo::exists(file));
    ASSERT_EQ(cli({QStringLiteral("server"), QStringLiteral("check")}, &out, &err), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Firmalar (1): ESK\n"))) << out.toStdString();
    // Every figure and every item number is what the file gave.
    for (int i = 0; i < outputs.size(); ++i) {
        ASSERT_EQ(cli(outputs[i], &out, &err), 0) << err.toStdString();
        EXPECT_EQ(out, fileOutputs[i]) << outputs[i].join(QLatin1Char(' ')).toStdString();
    }
    // A period worked on the server goes with the company back into a file.
    const QStringList period{QStringLiteral("--company"), QStringLiteral("ESK"), QStringLiteral("--end"),
                             QStringLiteral("31.12.2024")};
    ASSERT_EQ(cli(QStringList{QStringLiteral("period"), QStringLiteral("add")} + period, &out, &err), 0)
        << err.toStdString();
    QString serverPeriod;
    ASSERT_EQ(
        cli(QStringList{QStringLiteral("period"), QStringLiteral("report")} + period, &serverPeriod, &err), 0)
        << err.toStdString();

    ASSERT_EQ(cli(move + QStringList{QStringLiteral("dosya")}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("ESK firması bu bilgisayardaki firma dosyasına taşındı.\n"));
    EXPECT_TRUE(QFileInfo::exists(file));
    ASSERT_EQ(cli({QStringLiteral("server"), QStringLiteral("check")}, &out, &err), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Firmalar (0): yok\n"))) << out.toStdString();
    for (int i = 0; i < outputs.size(); ++i) {
        ASSERT_EQ(cli(outputs[i], &out, &err), 0) << err.toStdString();
        EXPECT_EQ(out, fileOutputs[i]) << outputs[i].join(QLatin1Char(' ')).toStdString();
    }
    ASSERT_EQ(cli(QStringList{QStringLiteral("period"), QStringLiteral("report")} + period, &out, &err), 0)
        << err.toStdString();
    EXPECT_EQ(out, serverPeriod);
    EXPECT_EQ(cli({QStringLiteral("company"), QStringLiteral("list"), QStringLiteral("--check")}, &out, &err),
              0)
        << out.toStdString() << err.toStdString();
}

TEST_F(ServerCliTest, AServerCompanysBackupRestoresAllOrNothingOnTheServerAndIntoAFile) {
    QString out;
    QString err;
    IniFile(home.filePath(QStringLiteral("Ayarlar.ini")))
        .setValue(kServerSection, kServerServiceKey, QStringLiteral("buro"));
    ASSERT_EQ(cli({QStringLiteral("server"), QStringLiteral("init")}, &out, &err), 0) << err.toStdString();
    const QString file = home.filePath(QStringLiteral("Data/ESK.mdb"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELKOR_TEST_SOURCE_DIR "/periods/data/ESK.mdb"), file));
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_EQ(cli({QStringLiteral("company"), QStringLiteral("adopt"), QStringLiteral("ESK"),
                   QStringLiteral("Eski Dosya A.Ş.")},
                  &out, &err),
              0)
        << err.toStdString();
    ASSERT_EQ(cli({QStringLiteral("company"), QStringLiteral("move"), QStringLiteral("ESK"),
                   QStringLiteral("--to"), QStringLiteral("sunucu")},
                  &out, &err),
              0)
        << err.toStdString();
    const QStringList report{QStringLiteral("report"), QStringLiteral("--company"), QStringLiteral("ESK")};
    QString full;
    ASSERT_EQ(cli(report, &full, &err), 0) << err.toStdString();

    // The backup of a company on the server is the encrypted company file of every installation.
    ASSERT_EQ(cli({QStringLiteral("backup"), QStringLiteral("company"), QStringLiteral("ESK")}, &out, &err),
              0)
        << err.toStdString();
    const QString archive = out.trimmed();
    ASSERT_TRUE(QFileInfo::exists(archive)) << archive.toStdString();
    ASSERT_EQ(cli({QStringLiteral("reset"), QStringLiteral("--company"), QStringLiteral("ESK"),
                   QStringLiteral("--answer"), QStringLiteral("Evet"), QStringLiteral("--answer"),
                   QStringLiteral("Hayir")},
                  &out, &err),
              0)
        << err.toStdString();
    QString emptied;
    ASSERT_EQ(cli(report, &emptied, &err), 0) << err.toStdString();
    ASSERT_NE(emptied, full);

    // A restore killed while the server holds the new company's rows uncommitted leaves the
    // old company, whole.
    const QString pause = files.filePath(QStringLiteral("duraklat"));
    QProcessEnvironment paused = environment;
    paused.insert(QStringLiteral("VELKOR_TEST_DURAKLAT"), QStringLiteral("sunucu-yazildi:") + pause);
    QProcess restore;
    restore.setProcessEnvironment(paused);
    restore.start(QStringLiteral(VELKOR_CLI_PATH),
                  {QStringLiteral("--home"), home.path(), QStringLiteral("restore"),
                   QStringLiteral("company"), QStringLiteral("--from"), archive});
    for (int i = 0; i < 6000 && !QFileInfo::exists(pause); ++i)
        QThread::msleep(5);
    ASSERT_TRUE(QFileInfo::exists(pause)) << restore.readAllStandardError().toStdString();
    restore.kill();
    ASSERT_TRUE(restore.waitForFinished(10000));
    QFile::remove(pause);
    ASSERT_EQ(cli(report, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, emptied);

    // The restore run to its end gives the backed-up company, and keeps the one it replaced.
    ASSERT_EQ(cli({QStringLiteral("restore"), QStringLiteral("company"), QStringLiteral("--from"), archive},
                  &out, &err),
              0)
        << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("GeriYuklemeOncesi_"))) << err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(file));
    ASSERT_EQ(cli(report, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, full);

    // The same archive restores into an installation of files, with the same figures.
    QTemporaryDir plain;
    const auto plainCli = [&plain](const QStringList& args, QString* o, QString* e) {
        return runCli(QStringList{QStringLiteral("--home"), plain.path()} + args, o, e);
    };
    ASSERT_EQ(plainCli({QStringLiteral("init")}, &out, &err), 0);
    ASSERT_EQ(
        plainCli({QStringLiteral("restore"), QStringLiteral("company"), QStringLiteral("--from"), archive},
                 &out, &err),
        0)
        << err.toStdString();
    ASSERT_EQ(plainCli({QStringLiteral("company"), QStringLiteral("adopt"), QStringLiteral("ESK"),
                        QStringLiteral("Eski Dosya A.Ş.")},
                       &out, &err),
              0)
        << err.toStdString();
    ASSERT_EQ(plainCli(report, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, full);

    // The automatic backups of the close take the companies on the server too.
    ASSERT_EQ(cli({QStringLiteral("backup"), QStringLiteral("all"), QStringLiteral("--out"),
                   files.filePath(QStringLiteral("hepsi.zip"))},
                  &out, &err),
              0)
        << err.toStdString();
    ZipArchive all(files.filePath(QStringLiteral("hepsi.zip")), ZipArchive::Mode::Read);
    ASSERT_EQ(all.entryCount(), 1);
    EXPECT_EQ(all.entryName(0), QStringLiteral("ESK.mdb"));
    ZipArchive general(files.filePath(QStringLiteral("hepsi.zipGen")), ZipArchive::Mode::Read);
    ASSERT_EQ(general.entryCount(), 1);
    EXPECT_EQ(general.entryName(0), QStringLiteral("Genel.mdb"));
}

TEST_F(ServerCliTest, ALoginThatMayOnlyReadIsRefusedEveryCommandThatWrites) {
    QString out;
    QString err;
    IniFile ini(home.filePath(QStringLiteral("Ayarlar.ini")));
    ini.setValue(kServerSection, kServerServiceKey, QStringLiteral("buro"));
    ASSERT_EQ(cli({QStringLiteral("server"), QStringLiteral("init")}, &out, &err), 0) << err.toStdString();
    ASSERT_EQ(cli({QStringLiteral("company"), QStringLiteral("add"), QStringLiteral("ABC"),
                   QStringLiteral("Deneme A.Ş.")},
                  &out, &err),
              0)
        << err.toStdString();
    // An auditor: a login of the office's reading role, with a service of its own.
    const QString auditor = database + QStringLiteral("_denetci");
    server->superuserExec(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD 'parola' IN ROLE %2")
                              .arg(auditor, officeRoles(database).reader),
                          database);
    writeFile(QStringLiteral("pg_service.conf"),
              QStringLiteral("[denetci]\nhost=%1\nport=%2\ndbname=%3\nuser=%4\nsslmode=disable\n")
                  .arg(server->host())
                  .arg(server->port())
                  .arg(database, auditor));
    writeFile(QStringLiteral("pgpass"),
              QStringLiteral("%1:%2:*:%3:parola\n").arg(server->host()).arg(server->port()).arg(auditor));
    ini.setValue(kServerSection, kServerServiceKey, QStringLiteral("denetci"));

    const QStringList items{QStringLiteral("items"), QStringLiteral("--company"), QStringLiteral("ABC")};
    QString before;
    ASSERT_EQ(cli(items, &before, &err), 0) << err.toStdString();
    QString companies;
    ASSERT_EQ(cli({QStringLiteral("company"), QStringLiteral("list")}, &companies, &err), 0)
        << err.toStdString();
    // What the auditor may do: the lists and the server's state.
    for (const QStringList& reading : {QStringList{QStringLiteral("period"), QStringLiteral("list"),
                                                   QStringLiteral("--company"), QStringLiteral("ABC")},
                                       QStringList{QStringLiteral("server"), QStringLiteral("check")}})
        EXPECT_EQ(cli(reading, &out, &err), 0)
            << reading.join(QLatin1Char(' ')).toStdString() << err.toStdString();

    const QString archive = files.filePath(QStringLiteral("yok.zip"));
    const QList<QStringList> writing{
        {QStringLiteral("company"), QStringLiteral("add"), QStringLiteral("XYZ"), QStringLiteral("Yeni")},
        {QStringLiteral("company"), QStringLiteral("update"), QStringLiteral("ABC"), QStringLiteral("--set"),
         ctl::registration::AdresiEdit + QStringLiteral("=x")},
        {QStringLiteral("company"), QStringLiteral("delete"), QStringLiteral("ABC"),
         QStringLiteral("--answer"), QStringLiteral("Evet")},
        {QStringLiteral("company"), QStringLiteral("adopt"), QStringLiteral("XYZ"), QStringLiteral("Yeni")},
        {QStringLiteral("company"), QStringLiteral("discard"), QStringLiteral("XYZ")},
        {QStringLiteral("company"), QStringLiteral("move"), QStringLiteral("ABC"), QStringLiteral("--to"),
         QStringLiteral("dosya")},
        {QStringLiteral("items"), QStringLiteral("delete"), QStringLiteral("--company"),
         QStringLiteral("ABC"), QStringLiteral("--group"), QStringLiteral("tumu")},
        {QStringLiteral("reset"), QStringLiteral("--company"), QStringLiteral("ABC")},
        {QStringLiteral("compact"), QStringLiteral("--company"), QStringLiteral("ABC")},
        {QStringLiteral("import"), QStringLiteral("--company"), QStringLiteral("ABC"),
         QStringLiteral("--file"), archive},
        {QStringLiteral("restore"), QStringLiteral("company"), QStringLiteral("--from"), archive},
        {QStringLiteral("restore"), QStringLiteral("all"), QStringLiteral("--from"), archive},
        {QStringLiteral("period"), QStringLiteral("add"), QStringLiteral("--company"), QStringLiteral("ABC"),
         QStringLiteral("--end"), QStringLiteral("31.12.2024")},
        {QStringLiteral("period"), QStringLiteral("close"), QStringLiteral("--company"),
         QStringLiteral("ABC"), QStringLiteral("--end"), QStringLiteral("31.12.2024")},
        {QStringLiteral("rates"), QStringLiteral("add"), QStringLiteral("yi-ufe")},
        {QStringLiteral("rates"), QStringLiteral("rebuild"), QStringLiteral("yi-ufe")},
        {QStringLiteral("docs"), QStringLiteral("save"), QStringLiteral("kullanim"), QStringLiteral("x")},
        {QStringLiteral("update"), QStringLiteral("x")},
        {QStringLiteral("init")},
        {QStringLiteral("server"), QStringLiteral("init")}};
    for (const QStringList& command : writing) {
        EXPECT_EQ(cli(command, &out, &err), 1) << command.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("yalnızca okuma yetkiniz var"))) << err.toStdString();
    }
    // A sheet is the window's model: what would save is held there and refused as in the window.
    const QStringList sheet{QStringLiteral("sheet"), QStringLiteral("fixed"), QStringLiteral("--company"),
                            QStringLiteral("ABC")};
    EXPECT_EQ(cli(sheet + QStringList{QStringLiteral("--click"), ctl::fixedasset::KaydetButton}, &out, &err),
              1);
    EXPECT_TRUE(err.contains(QStringLiteral("MESAJ: KaydetButton alanı şu anda kullanılamaz (devre dışı).")))
        << err.toStdString();
    EXPECT_EQ(
        cli(sheet + QStringList{QStringLiteral("--set"), ctl::fixedasset::AdiEdit + QStringLiteral("=BİNA")},
            &out, &err),
        1);
    EXPECT_TRUE(err.contains(QStringLiteral("MESAJ: AdiEdit alanı salt okunur; değiştirilemez.")))
        << err.toStdString();
    // The list of controls says so before anything is tried.
    ASSERT_EQ(cli(sheet + QStringList{QStringLiteral("--controls")}, &out, &err), 0) << err.toStdString();
    for (const QString& line : out.split(QLatin1Char('\n'))) {
        const QStringList columns = line.split(QLatin1Char('\t'));
        if (columns.value(0) == ctl::fixedasset::KaydetButton) {
            EXPECT_EQ(columns.value(3), QStringLiteral("devre dışı"));
        }
        if (columns.value(0) == ctl::fixedasset::DuzeltBut) {
            EXPECT_EQ(columns.value(3), QStringLiteral("basılabilir"));
        }
    }
    ASSERT_EQ(cli(items, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, before);
    ASSERT_EQ(cli({QStringLiteral("company"), QStringLiteral("list")}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, companies);
    EXPECT_FALSE(QFileInfo::exists(home.filePath(QStringLiteral("Data/ABC.mdb"))));
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
