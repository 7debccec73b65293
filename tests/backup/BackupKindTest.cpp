#include "BackupFixture.h"

#include "backup/BackupKind.h"
#include "backup/BackupNames.h"

namespace velkor::test {
namespace {

TEST(BackupKindTest, TheNameTheCompanionAndTheEntryTellTheKind) {
    QTemporaryDir dir;
    const QString y = dir.path() + QLatin1Char('/');
    const QStringList one{QStringLiteral("ABC.mdb")};
    const QStringList two{QStringLiteral("ABC.mdb"), QStringLiteral("DEF.mdb")};
    EXPECT_EQ(backupKindOf(y + "ABC_2024_3_5_9_7_3.zip", one), BackupKind::Company);
    EXPECT_EQ(backupKindOf(y + "ABC_2024_3_5_9_7_3_2.zip", one), BackupKind::Company);
    EXPECT_EQ(backupKindOf(y + "A_B_2024_12_31_23_59_59.zip", {QStringLiteral("A_B.mdb")}),
              BackupKind::Company);
    EXPECT_EQ(backupKindOf(y + "ABC.ydk", one), BackupKind::Company);
    // A time stamp of another code, or more than one database, is no one-company backup.
    EXPECT_EQ(backupKindOf(y + "GeriYuklemeOncesi_2024_3_5_9_7_3.zip", one), BackupKind::Other);
    EXPECT_EQ(backupKindOf(y + "ABC_2024_3_5_9_7_3.zip", two), BackupKind::Other);
    EXPECT_EQ(backupKindOf(y + "OtoYedek3.zip", two), BackupKind::Daily);
    EXPECT_EQ(backupKindOf(y + "OtoYedek6.zip", two), BackupKind::Other);

    // The "Gen" companion makes any name an all-companies backup, even of one company.
    const QString all = y + "VelkorTumu_2024_03_05.zip";
    EXPECT_EQ(backupKindOf(all, one), BackupKind::Other);
    QFile companion(companionPath(all));
    ASSERT_TRUE(companion.open(QIODevice::WriteOnly));
    companion.close();
    EXPECT_EQ(backupKindOf(all, one), BackupKind::AllCompanies);

    EXPECT_TRUE(wrongKindReason(BackupKind::AllCompanies, all, one).isEmpty());
    EXPECT_TRUE(wrongKindReason(BackupKind::Company, y + "elle.zip", one).isEmpty());
    EXPECT_EQ(
        wrongKindReason(BackupKind::AllCompanies, y + "ABC_2024_3_5_9_7_3.zip", one),
        QStringLiteral("Yanlış yedek türü: seçilen dosya tek firma yedeği (ABC), burada tüm firmaların "
                       "yedeği geri yüklenir.\n\rBu dosyayı \"Tek Firma Geri Yükle\" ile geri yükleyiniz."));
}

TEST_F(BackupTest, EachRestoreRefusesTheOtherKindsBeforeAnythingChanges) {
    const QString yedek = home.home() + QStringLiteral("Yedek/");
    const QString one = backups.backupCompany(QStringLiteral("AAA"), QDateTime({2024, 3, 5}, {9, 7, 3}));
    const QString all = yedek + QStringLiteral("VelkorTumu_2024_03_05.zip");
    backups.backupAll(all);
    // An all-companies backup of a single company holds one database, as a company backup does.
    const QString allOfOne = yedek + QStringLiteral("Tek.zip");
    backups.writeDatabaseArchive(allOfOne, {data(QStringLiteral("AAA"))});
    backups.writeDatabaseArchive(companionPath(allOfOne), {general()});
    ASSERT_TRUE(backups.OtoYedekle(QDate(2024, 3, 5)));
    const QString daily = dailyArchivePath(home.home(), 2);

    addItem(QStringLiteral("AAA"), QStringLiteral("254"), QStringLiteral("Araç"));
    const QMap<QString, QByteArray> before = files();
    const QStringList safetyBefore = QDir(yedek).entryList({QStringLiteral("GeriYuklemeOncesi_*")});
    const auto refused = [&](const std::function<void()>& restore, const QString& button) {
        try {
            restore();
            ADD_FAILURE() << "accepted; expected " << button.toStdString();
        } catch (const ZipError& e) {
            EXPECT_TRUE(e.message().startsWith(QStringLiteral("Yanlış yedek türü"))) << e.what();
            EXPECT_TRUE(e.message().contains(QStringLiteral("\"%1\"").arg(button))) << e.what();
            EXPECT_TRUE(e.message().endsWith(QStringLiteral("Hiçbir dosya geri yüklenmedi."))) << e.what();
        }
        EXPECT_EQ(files(), before);
        EXPECT_EQ(QDir(yedek).entryList({QStringLiteral("GeriYuklemeOncesi_*")}), safetyBefore);
        EXPECT_TRUE(home.context().company().isOpen());
        EXPECT_TRUE(home.context().general().isOpen());
    };
    const QDateTime at = QDateTime::currentDateTime();
    const QString company = QStringLiteral("Tek Firma Geri Yükle");
    const QString allCompanies = QStringLiteral("Tüm Firmaları Geri Yükle");
    const QString dailyButton = QStringLiteral("Otomatik Yedeklemeden Geri Yükle");
    refused([&] { backups.restoreAll(one, at); }, company);
    refused([&] { backups.restoreAll(daily, at); }, dailyButton);
    refused([&] { backups.restoreCompany(allOfOne, at); }, allCompanies);
    refused([&] { backups.restoreCompany(daily, at); }, dailyButton);
    refused([&] { backups.restoreDaily(one, at); }, company);
    refused([&] { backups.restoreDaily(all, at); }, allCompanies);

    // Each kind under its own restore goes through.
    backups.restoreCompany(one, at);
    backups.restoreAll(allOfOne, at.addSecs(1));
    backups.restoreDaily(daily, at.addSecs(2));
}

} // namespace
} // namespace velkor::test
