#include "support/TestSupport.h"

#include "app/BackupPanel.h"
#include "app/CompaniesWindow.h"
#include "app/CompaniesWindowControls.h"
#include "app/EntryWindow.h"
#include "app/MainMenu.h"
#include "app/MainMenuControls.h"
#include "app/Program.h"
#include "backup/BackupSettings.h"
#include "registry/CompanyRegistry.h"
#include "storage/ConnectionStrings.h"
#include "storage/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace velkor;

namespace {

/// The program with the real backups behind the companies window and the main menu.
class BackupPanelTest : public ::testing::Test {
protected:
    BackupPanelTest() : program(home.context()) {
        program.start();
        program.companies().backups().setClock([] { return QDateTime({2024, 3, 5}, {9, 7, 3}); });
        home.addCompany(QStringLiteral("ABC"), QStringLiteral("Deneme A.Ş."));
        program.mainMenu().showCompany(QStringLiteral("ABC"), QStringLiteral("Deneme A.Ş."));
        addItem();
    }

    void addItem() {
        home.context().company().database().execute(
            QStringLiteral("INSERT INTO sabit_kiymet (anahesapkodu, sbk_adi) VALUES ('253', 'Tezgah')"));
    }
    qint64 items() {
        home.context().company().ensureOpen();
        return home.context()
            .company()
            .database()
            .scalar(QStringLiteral("SELECT count(*) FROM sabit_kiymet"))
            .toLongLong();
    }
    FormModel& panel() { return program.companies().form(); }
    QString yedek() const { return home.home() + QStringLiteral("Yedek/"); }

    test::TempHome home;
    Program program;
};

TEST_F(BackupPanelTest, ManualBackupThenRestoreOfAllCompanies) {
    const QString archive = yedek() + QStringLiteral("VelkorTumu_2024_03_05.zip");
    home.prompt().addFile(archive);
    panel().click(ctl::companies::TumFirmaYedekAlBut);
    EXPECT_TRUE(QFileInfo::exists(archive));
    EXPECT_TRUE(QFileInfo::exists(archive + "Gen"));
    EXPECT_EQ(home.prompt().texts().last(),
              QStringLiteral("Tüm firmaların yedekleme işlemi\n\rbaşarılı bir şekilde gerçekleştirildi."));
    EXPECT_EQ(QDir::fromNativeSeparators(BackupSettings::load(home.home()).lastManualFolder), yedek());

    addItem();
    home.prompt().addAnswer(No);
    panel().click(ctl::companies::TumFirmaGeriYukleBut);
    EXPECT_EQ(items(), 2);
    home.prompt().addAnswer(Yes);
    home.prompt().addFile(archive);
    panel().click(ctl::companies::TumFirmaGeriYukleBut);
    EXPECT_EQ(items(), 1);
    EXPECT_TRUE(
        home.prompt().texts().last().contains(QStringLiteral("GeriYuklemeOncesi_2024_3_5_9_7_3.zip")));
    EXPECT_TRUE(program.registry().listQuery().isOpen());
    EXPECT_TRUE(home.context().general().isOpen());
}

TEST_F(BackupPanelTest, OneCompanyAndDailyRestores) {
    program.companies().backups().OtoYedekle();
    const QString daily = yedek() + QStringLiteral("OtoYedek2.zip");
    ASSERT_TRUE(QFileInfo::exists(daily));
    addItem();
    home.prompt().addAnswer(Yes);
    home.prompt().addFile(daily);
    panel().click(ctl::companies::OtomatikYedekGeriYukleBut);
    EXPECT_EQ(items(), 1);

    home.prompt().addAnswer(Yes);
    home.prompt().addAnswer(No);
    program.mainMenu().form().click(ctl::mainmenu::AyarlarBarItems0); // backs up, then deletes every item
    EXPECT_EQ(items(), 0);
    const QStringList written = QDir(yedek()).entryList({QStringLiteral("ABC_*.zip")});
    ASSERT_EQ(written.size(), 1);
    const QString one = yedek() + written.first();
    home.prompt().addFile(one);
    panel().click(ctl::companies::TekFirmaGeriYukleBut);
    EXPECT_EQ(items(), 1);
    EXPECT_TRUE(home.context().company().isOpen());
}

TEST_F(BackupPanelTest, CompactionReportsItsOutcome) {
    program.mainMenu().form().click(ctl::mainmenu::AyarlarBarItems1);
    EXPECT_EQ(home.prompt().texts().last(), QStringLiteral("Firma veritabanı bakım işlemi yapıldı!"));
    EXPECT_EQ(items(), 1);
    EXPECT_TRUE(home.context().company().isOpen());

    program.mainMenu().showCompany(QStringLiteral("../AnaData/Genel"), QString());
    program.mainMenu().form().click(ctl::mainmenu::AyarlarBarItems1);
    EXPECT_NE(home.prompt().texts().last(), QStringLiteral("Firma veritabanı bakım işlemi yapıldı!"));
}

TEST_F(BackupPanelTest, TheCloseSequenceWritesTheAutomaticBackups) {
    const QString folder = home.home() + QStringLiteral("oto/");
    QDir().mkpath(folder);
    panel().setChecked(ctl::companies::OtoYedekCheck, true);
    panel().setChecked(ctl::companies::OtomatikGunlukCheck, true);
    panel().setText(ctl::companies::OtoYedekEdit, folder);
    panel().click(ctl::companies::OtoYedekAdresSaklaBut);
    home.prompt().addAnswer(Yes);
    ASSERT_TRUE(program.entry().close());
    EXPECT_TRUE(QFileInfo::exists(folder + "VelkorENF_2024_03_05.zip"));
    EXPECT_TRUE(QFileInfo::exists(folder + "VelkorENF_2024_03_05.zipGen"));
    EXPECT_TRUE(QFileInfo::exists(yedek() + "OtoYedek2.zip"));
    EXPECT_EQ(BackupSettings::load(home.home()).lastAutomatic, QDate(2024, 3, 5));
}

} // namespace
