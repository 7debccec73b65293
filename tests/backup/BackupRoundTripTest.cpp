#include "BackupFixture.h"

#include "backup/ArchiveRestore.h"
#include "backup/BackupNames.h"
#include "backup/BackupSettings.h"
#include "storage/IniFile.h"

#include <sys/wait.h>
#include <unistd.h>

namespace velkor::test {
namespace {

TEST(BackupNamesTest, NamesOfTheArchives) {
    EXPECT_EQ(manualArchiveName(QDate(2024, 3, 5)), QStringLiteral("VelkorTumu_2024_03_05"));
    EXPECT_EQ(companionPath(QStringLiteral("/y/VelkorTumu_2024_03_05.zip")),
              QStringLiteral("/y/VelkorTumu_2024_03_05.zipGen"));
    EXPECT_EQ(automaticArchivePath(QStringLiteral("/y/"), QDate(2024, 3, 5)),
              QStringLiteral("/y/VelkorENF_2024_03_05.zip"));
    EXPECT_EQ(
        companyArchivePath(QStringLiteral("/h/"), QStringLiteral("ABC"), QDateTime({2024, 3, 5}, {9, 7, 3})),
        QStringLiteral("/h/Yedek/ABC_2024_3_5_9_7_3.zip"));
    EXPECT_EQ(dailyArchivePath(QStringLiteral("/h/"), 4), QStringLiteral("/h/Yedek/OtoYedek4.zip"));
}

TEST(BackupDueTest, IntervalOfZeroAndThreeDays) {
    const QDate last(2024, 3, 5);
    EXPECT_TRUE(automaticBackupDue(last, QStringLiteral("0"), QDateTime(last, QTime(0, 0))));
    EXPECT_TRUE(automaticBackupDue(last, QString(), QDateTime(last, QTime(18, 0))));
    EXPECT_FALSE(automaticBackupDue(last, QStringLiteral("3"), QDateTime(last.addDays(2), QTime(23, 59))));
    EXPECT_TRUE(automaticBackupDue(last, QStringLiteral("3"), QDateTime(last.addDays(3), QTime(0, 0))));
    EXPECT_TRUE(automaticBackupDue(QDate(2012, 1, 1), QStringLiteral("1"), QDateTime::currentDateTime()));
}

TEST_F(BackupTest, AllCompaniesRoundTripRestoresEveryRowAndTheRegistry) {
    const QMap<QString, QStringList> before = everything();
    const QString archive = home.home() + QStringLiteral("Yedek/VelkorTumu_2024_03_05.zip");
    backups.backupAll(archive);
    ASSERT_TRUE(QFileInfo::exists(archive));
    ASSERT_TRUE(QFileInfo::exists(companionPath(archive)));
    {
        const ZipArchive zip(archive, ZipArchive::Mode::Read);
        QStringList names;
        for (const ZipEntry& e : archiveEntries(zip))
            names << e.name;
        EXPECT_EQ(names, (QStringList{QStringLiteral("AAA.mdb"), QStringLiteral("BBB.mdb")}));
    }

    Database& db = home.context().company().database(); // BBB, the company last created
    db.exec(QStringLiteral("DELETE FROM sabit_kiymet"));
    addItem(QStringLiteral("AAA"), QStringLiteral("254"), QStringLiteral("Araç"));
    home.context().general().database().exec(QStringLiteral("DELETE FROM firmalar WHERE kodu='AAA'"));
    ASSERT_NE(everything(), before);

    const RestoreOutcome outcome = backups.restoreAll(archive, QDateTime({2024, 3, 6}, {10, 0, 0}));
    EXPECT_EQ(everything(), before);
    EXPECT_TRUE(home.context().company().isOpen());
    EXPECT_TRUE(home.context().general().isOpen());
    EXPECT_TRUE(home.context().rates().isOpen());
    EXPECT_EQ(home.context().company().database().scalar(QStringLiteral("SELECT count(*) FROM sabit_kiymet")),
              1);

    // What the restore replaced is kept, and the message names the safety archive.
    const QString safety = home.home() + QStringLiteral("Yedek/GeriYuklemeOncesi_2024_3_6_10_0_0.zip");
    EXPECT_EQ(outcome.kept, (QStringList{safety, companionPath(safety)}));
    EXPECT_TRUE(Backups::restoreMessage(outcome).contains(QDir::toNativeSeparators(safety)));
    backups.restoreAll(safety, QDateTime({2024, 3, 6}, {10, 0, 1}));
    EXPECT_EQ(Database(data(QStringLiteral("AAA")), kDatabasePassword)
                  .scalar(QStringLiteral("SELECT count(*) FROM sabit_kiymet")),
              3);
    EXPECT_FALSE(QFileInfo::exists(ArchiveRestore::stagingFolder(home.home())));
}

TEST_F(BackupTest, OneCompanyRestoreWhileItsConnectionIsOpenAcceptsZipAndYdk) {
    const QStringList before = dump(data(QStringLiteral("BBB")));
    const QString archive = backups.backupCompany(QStringLiteral("BBB"), QDateTime({2024, 3, 5}, {9, 7, 3}));
    EXPECT_EQ(archive, home.home() + QStringLiteral("Yedek/BBB_2024_3_5_9_7_3.zip"));
    EXPECT_EQ(backups.backupCompany(QStringLiteral("BBB"), QDateTime({2024, 3, 5}, {9, 7, 3})),
              home.home() + QStringLiteral("Yedek/BBB_2024_3_5_9_7_3_2.zip"));
    const QString ydk = home.home() + QStringLiteral("Yedek/BBB.ydk");
    ASSERT_TRUE(QFile::copy(archive, ydk));

    for (const QString& source : {archive, ydk}) {
        ASSERT_EQ(home.context().company().filePath(), data(QStringLiteral("BBB")));
        home.context().company().database().exec(QStringLiteral("DELETE FROM sabit_kiymet"));
        backups.restoreCompany(source, QDateTime::currentDateTime());
        EXPECT_EQ(dump(data(QStringLiteral("BBB"))), before);
        ASSERT_TRUE(home.context().company().isOpen());
        EXPECT_EQ(
            home.context().company().database().scalar(QStringLiteral("SELECT count(*) FROM sabit_kiymet")),
            1);
    }
    // An all-companies archive is not a one-company backup.
    const QString all = home.home() + QStringLiteral("Yedek/all.zip");
    backups.writeDatabaseArchive(all, backups.companyDatabases());
    EXPECT_THROW(backups.restoreCompany(all, QDateTime::currentDateTime()), ZipError);
}

TEST_F(BackupTest, DailyRotationOverSixDays) {
    const QDate first(2024, 3, 1);
    EXPECT_TRUE(backups.OtoYedekle(first));
    EXPECT_FALSE(backups.OtoYedekle(first));
    EXPECT_FALSE(backups.OtoYedekle(first));
    const auto exists = [&](int n) { return QFileInfo::exists(dailyArchivePath(home.home(), n)); };
    EXPECT_TRUE(exists(2));
    EXPECT_FALSE(exists(1) || exists(3));
    for (int d = 1; d < 5; ++d)
        EXPECT_TRUE(backups.OtoYedekle(first.addDays(d)));
    for (int n = 1; n <= 5; ++n)
        EXPECT_TRUE(exists(n)) << n;
    EXPECT_EQ(IniFile(dailyStatePath(home.home())).value(QStringLiteral("Kacta"), QStringLiteral("kac")),
              "1");

    // The sixth day overwrites OtoYedek2 with what the companies hold now.
    home.context().company().database().exec(QStringLiteral("DELETE FROM sabit_kiymet"));
    const QByteArray third = fileHash(dailyArchivePath(home.home(), 3));
    EXPECT_TRUE(backups.OtoYedekle(first.addDays(5)));
    EXPECT_EQ(fileHash(dailyArchivePath(home.home(), 3)), third);
    const QMap<QString, QStringList> now = everything();
    addItem(QStringLiteral("BBB"), QStringLiteral("500"), QStringLiteral("Yeni"));
    backups.restoreDaily(dailyArchivePath(home.home(), 2), QDateTime::currentDateTime());
    EXPECT_EQ(everything(), now);
}

TEST_F(BackupTest, AutomaticBackupNeedsItsFolderAndStoresTheDay) {
    IniFile settings(backupSettingsPath(home.home()));
    settings.setValue(QStringLiteral("OtoYedekler"), QStringLiteral("SonOtoYedek"), home.home() + "yok/");
    EXPECT_FALSE(backups.TumunuYedekleOto(QDate(2024, 3, 5)));
    EXPECT_EQ(home.prompt().texts(), QStringList{Backups::missingFolderMessage()});
    EXPECT_EQ(BackupSettings::load(home.home()).lastAutomatic, QDate(2012, 1, 1));

    QDir().mkpath(home.home() + "oto");
    settings.setValue(QStringLiteral("OtoYedekler"), QStringLiteral("SonOtoYedek"), home.home() + "oto/");
    EXPECT_TRUE(backups.TumunuYedekleOto(QDate(2024, 3, 5)));
    EXPECT_TRUE(QFileInfo::exists(home.home() + "oto/VelkorENF_2024_03_05.zip"));
    EXPECT_TRUE(QFileInfo::exists(home.home() + "oto/VelkorENF_2024_03_05.zipGen"));
    EXPECT_EQ(BackupSettings::load(home.home()).lastAutomatic, QDate(2024, 3, 5));
    EXPECT_EQ(settings.value(QStringLiteral("OtoYedekler"), QStringLiteral("TarihOtoAy")), "3");
}

TEST_F(BackupTest, SnapshotOfADatabaseInTheMiddleOfAWriteHoldsNoHalfTransaction) {
    const QString archive = home.home() + QStringLiteral("Yedek/mid.zip");
    {
        Database writer(data(QStringLiteral("AAA")), kDatabasePassword);
        writer.exec(QStringLiteral("BEGIN IMMEDIATE"));
        writer.exec(QStringLiteral("DELETE FROM sabit_kiymet"));
        backups.writeDatabaseArchive(archive, {data(QStringLiteral("AAA"))});
        writer.exec(QStringLiteral("COMMIT"));
    }
    backups.restoreCompany(archive, QDateTime::currentDateTime());
    Database db(data(QStringLiteral("AAA")), kDatabasePassword);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM sabit_kiymet")), 2);
}

// An archive holds each company's file as it lies on the disk, read through the engine's
// own handle: a writer of this program that holds the file meanwhile keeps its lock (a
// second handle of the file, once closed, would have dropped every lock of the process).
TEST_F(BackupTest, ABackupHoldsTheFileByteForByteAndLeavesTheWritersLockInPlace) {
    const QString archive = home.home() + QStringLiteral("Yedek/bayt.zip");
    Database writer(data(QStringLiteral("AAA")), kDatabasePassword);
    writer.exec(QStringLiteral("BEGIN IMMEDIATE"));
    writer.exec(QStringLiteral("DELETE FROM sabit_kiymet"));
    backups.writeDatabaseArchive(archive, {data(QStringLiteral("AAA"))});

    // Another process finds the file still held for writing.
    const pid_t child = fork();
    if (child == 0) {
        try {
            Database other(data(QStringLiteral("AAA")), kDatabasePassword);
            other.exec(QStringLiteral("PRAGMA busy_timeout = 0"));
            other.exec(QStringLiteral("BEGIN IMMEDIATE"));
        } catch (const DatabaseError&) {
            _exit(0);
        }
        _exit(1);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the writer's lock was lost";
    writer.exec(QStringLiteral("ROLLBACK"));

    QFile file(data(QStringLiteral("AAA")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const ZipArchive zip(archive, ZipArchive::Mode::Read);
    EXPECT_EQ(zip.read(zip.find(QStringLiteral("AAA.mdb"))), file.readAll());
}

} // namespace
} // namespace velkor::test
