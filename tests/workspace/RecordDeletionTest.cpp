#include "workspace/RecordDeletion.h"
#include "backup/ArchiveRestore.h"
#include "engine/WorkspaceStateControls.h"
#include "storage/FileCompanyLocks.h"
#include "storage/Statement.h"
#include "support/TestSupport.h"
#include "workspace/RecordDeletionControls.h"
#include "workspace/Workspace.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace velkor::test {
namespace {

const QString kLastWarning = QStringLiteral(
    "DİKKAT!!! SON UYARI!!! \n\r\n\rTÜM KAYITLARI SİLMEK ÜZERESİNİZ!\n\r\n\rİŞLEMİ KESMEK İSTERMİSİNİZ?");

class RecordDeletionTest : public ::testing::Test {
protected:
    RecordDeletionTest() {
        home.addCompany(QStringLiteral("SIL"), QStringLiteral("Silme A.Ş."));
        for (const char* account :
             {"110", "153", "159", "240", "253", "257", "268", "270", "500", "599", "600"})
            addRow(QString::fromLatin1(account));
        workspace = std::make_unique<Workspace>(home.context());
        workspace->open();
        deletion().setClock([] { return QDateTime({2024, 3, 5}, {9, 7, 3}); });
    }

    RecordDeletion& deletion() { return workspace->deletion(); }

    void addRow(const QString& account) {
        home.context().company().database().execute(
            QStringLiteral(
                "INSERT INTO sabit_kiymet (anahesapkodu, sbk_kodu, sbk_adi) VALUES (?, '01', 'x')"),
            {account});
    }

    QStringList accounts() {
        QStringList result;
        Database& db = home.context().company().database();
        Statement rows(db, QStringLiteral("SELECT anahesapkodu FROM sabit_kiymet ORDER BY id"));
        while (rows.step())
            result << rows.value(0).toString();
        return result;
    }

    QString archive() const { return home.home() + QStringLiteral("Yedek/SIL_2024_3_5_9_7_3.zip"); }

    /// Answers the two questions of a bulk deletion: go on, and do not abort.
    void goOn() {
        home.prompt().addAnswer(Yes);
        home.prompt().addAnswer(No);
    }

    TempHome home;
    std::unique_ptr<Workspace> workspace;
};

TEST(DeletionGroupsTest, StrictBoundsOfTheThreeGroups) {
    const DeletionGroups stocks{false, true, false};
    EXPECT_TRUE(stocks.matches(150) && stocks.matches(159));
    EXPECT_FALSE(stocks.matches(149) || stocks.matches(160) || stocks.matches(110) || stocks.matches(240));
    const DeletionGroups fixed{true, false, false};
    EXPECT_TRUE(fixed.matches(250) && fixed.matches(257) && fixed.matches(268) && fixed.matches(269));
    EXPECT_FALSE(fixed.matches(249) || fixed.matches(270));
    const DeletionGroups equity{false, false, true};
    EXPECT_TRUE(equity.matches(500) && equity.matches(599));
    EXPECT_FALSE(equity.matches(600) || equity.matches(499));
    EXPECT_FALSE(DeletionGroups{}.any());
}

TEST_F(RecordDeletionTest, StocksOnlyDeletesItsGroupAfterTheBackup) {
    deletion().setChecked(ctl::deletion::StokSilCheck, true);
    goOn();
    EXPECT_EQ(deletion().KayitSilButClick(), 2);
    EXPECT_EQ(accounts(), (QStringList{"110", "240", "253", "257", "268", "270", "500", "599", "600"}));
    ASSERT_TRUE(QFileInfo::exists(archive()));
    const ZipArchive zip(archive(), ZipArchive::Mode::Read);
    ASSERT_EQ(archiveEntries(zip).size(), 1u);
    EXPECT_EQ(archiveEntries(zip).front().name, QStringLiteral("SIL.mdb"));
    EXPECT_TRUE(workspace->SBKQuery().isOpen());
    EXPECT_EQ(home.prompt().texts().size(), 2); // the two questions, no message after
    EXPECT_EQ(home.prompt().texts().at(1), kLastWarning);
}

TEST_F(RecordDeletionTest, FixedAssetsWithDepreciationAndEquityInOnePass) {
    deletion().setChecked(ctl::deletion::SabitSilCheck, true);
    deletion().setChecked(ctl::deletion::OzkaynakSilCheck, true);
    goOn();
    EXPECT_EQ(deletion().KayitSilButClick(), 5);
    EXPECT_EQ(accounts(), (QStringList{"110", "153", "159", "240", "270", "600"}));
}

TEST_F(RecordDeletionTest, TumunuSilDeletesEveryItemAndLeavesTheListClosed) {
    deletion().setChecked(ctl::deletion::TumunuSilCheck, true);
    deletion().setChecked(ctl::deletion::StokSilCheck, true);
    goOn();
    EXPECT_EQ(deletion().KayitSilButClick(), 11);
    EXPECT_TRUE(accounts().isEmpty());
    EXPECT_FALSE(workspace->SBKQuery().isOpen());
}

TEST_F(RecordDeletionTest, NoBoxWritesTheBackupAndDeletesNothing) {
    goOn();
    EXPECT_EQ(deletion().KayitSilButClick(), 0);
    EXPECT_EQ(accounts().size(), 11);
    EXPECT_TRUE(QFileInfo::exists(archive()));
}

TEST_F(RecordDeletionTest, AbortingOrAFailedBackupDeletesNothing) {
    deletion().setChecked(ctl::deletion::TumunuSilCheck, true);
    home.prompt().addAnswer(Yes);
    home.prompt().addAnswer(Yes); // "İŞLEMİ KESMEK İSTERMİSİNİZ?" Yes aborts
    EXPECT_EQ(deletion().KayitSilButClick(), -1);
    home.prompt().addAnswer(Cancel);
    EXPECT_EQ(deletion().EnflasyonDuzeltmeSil(), -1);
    EXPECT_FALSE(QFileInfo::exists(archive()));
    EXPECT_EQ(accounts().size(), 11);

    // A backup folder that cannot be written: the backup fails, nothing is deleted.
    QDir(home.home() + QStringLiteral("Yedek")).removeRecursively();
    QFile blocker(home.home() + QStringLiteral("Yedek"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    home.prompt().clearShown();
    goOn();
    EXPECT_EQ(deletion().KayitSilButClick(), -1);
    goOn();
    EXPECT_EQ(deletion().EnflasyonDuzeltmeSil(), -1);
    EXPECT_EQ(accounts().size(), 11);
    EXPECT_TRUE(home.prompt().texts().last().startsWith(
        QStringLiteral("Firma veritabanının yedeği alınamadığı için hiçbir kayıt silinmedi.")));
}

TEST_F(RecordDeletionTest, EnflasyonDuzeltmeSilBacksUpAndEmptiesTheCompany) {
    goOn();
    EXPECT_EQ(deletion().EnflasyonDuzeltmeSil(), 11);
    EXPECT_TRUE(accounts().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(archive()));
    EXPECT_TRUE(
        home.prompt().texts().first().startsWith(QStringLiteral("Bütün enflasyon düzeltme değerleri")));
}

TEST_F(RecordDeletionTest, OneItemFromTheListKeepsTheFilter) {
    workspace->state().userSet(ctl::workspace::SBK_Ana_Combo, QStringLiteral("Stoklar"));
    Query& list = workspace->SBKQuery();
    const QString sql = list.sql();
    const int shown = list.recordCount();
    list.first();
    const QVariant id = list.value(QStringLiteral("id"));
    home.prompt().addAnswer(Yes);
    home.prompt().addAnswer(Yes); // abort
    EXPECT_FALSE(deletion().KaytSil1Click());
    home.prompt().addAnswer(No);
    EXPECT_FALSE(deletion().KaytSil1Click());
    EXPECT_EQ(list.recordCount(), shown);
    home.prompt().addAnswer(Yes);
    home.prompt().addAnswer(No);
    EXPECT_TRUE(deletion().KaytSil1Click());
    EXPECT_EQ(list.sql(), sql);
    EXPECT_EQ(list.recordCount(), shown - 1);
    EXPECT_FALSE(list.locate(QStringLiteral("id"), id));
    EXPECT_EQ(accounts().size(), 10);
    EXPECT_EQ(home.prompt().texts().first(), QStringLiteral("Kayıt silinsin mi?"));
}

} // namespace
} // namespace velkor::test

namespace velkor::test {
namespace {

// A save of another program between the backup and the deletion would be in neither: the
// bulk deletions hold the company alone, and while another program has it open they say so
// and delete nothing.
TEST_F(RecordDeletionTest, BulkDeletionsWaitForAnotherProgramThatHasTheCompanyOpen) {
    using namespace std::chrono_literals;
    home.context().setCompanyLocks(
        std::make_unique<FileCompanyLocks>(home.home(), FileCompanyLocks::Waits{30ms, 30ms}));
    const QStringList before = accounts();
    {
        ScriptedPrompt otherPrompt;
        AppContext other(home.home(), otherPrompt);
        other.PointCompanyConnection(QStringLiteral("SIL"));
        const QString open =
            QStringLiteral("SIL şirketi şu anda başka bir pencerede ya da programda açık; \"%1\" "
                           "işlemi için şirketi orada kapatıp tekrar deneyiniz.");
        deletion().setChecked(ctl::deletion::StokSilCheck, true);
        goOn();
        home.prompt().clearShown();
        EXPECT_EQ(deletion().KayitSilButClick(), -1);
        EXPECT_EQ(home.prompt().texts().value(2), open.arg(QStringLiteral("Toplu Kayıt Silme")));
        goOn();
        home.prompt().clearShown();
        EXPECT_EQ(deletion().EnflasyonDuzeltmeSil(), -1);
        EXPECT_EQ(home.prompt().texts().value(2), open.arg(QStringLiteral("Enflasyon Düzeltme Silme")));
        EXPECT_EQ(accounts(), before);
        EXPECT_FALSE(QFileInfo::exists(archive()));
    }
    goOn();
    EXPECT_EQ(deletion().KayitSilButClick(), 2);
}

} // namespace
} // namespace velkor::test

#include "storage/PeriodGuard.h"
#include "storage/SchemaUpgrade.h"

namespace velkor::test {
namespace {

// The later periods rest on the 31.12.2023 rows: a closed one keeps them from being deleted,
// open ones lose their lines of the deleted rows.
class PeriodGuardedDeletionTest : public RecordDeletionTest {
protected:
    PeriodGuardedDeletionTest() { upgradeCompanySchema(db()); }
    Database& db() { return home.context().company().database(); }
    void addPeriod(const QString& state) {
        db().execute(QStringLiteral("INSERT INTO donem (bitis_tarihi, durum) VALUES (?, ?)"),
                     {QDate(2024, 6 + 3 * periods++, 30), state});
    }
    void addLineOf(qint64 itemId) {
        db().execute(QStringLiteral("INSERT INTO donem_kalem (donem_id, sabit_kiymet_id) VALUES (1, ?)"),
                     {itemId});
    }
    int periodLines() { return db().scalar(QStringLiteral("SELECT count(*) FROM donem_kalem")).toInt(); }
    int periods = 0;
};

TEST_F(PeriodGuardedDeletionTest, AClosedPeriodRefusesEveryDeletion) {
    addPeriod(QStringLiteral("Kapandı"));
    workspace->SBKQuery().first();
    EXPECT_FALSE(deletion().KaytSil1Click());
    deletion().setChecked(ctl::deletion::StokSilCheck, true);
    EXPECT_EQ(deletion().KayitSilButClick(), -1);
    deletion().setChecked(ctl::deletion::TumunuSilCheck, true);
    EXPECT_EQ(deletion().KayitSilButClick(), -1);
    EXPECT_EQ(deletion().EnflasyonDuzeltmeSil(), -1);
    EXPECT_EQ(accounts().size(), 11);
    EXPECT_FALSE(QFileInfo::exists(archive()));
    ASSERT_EQ(home.prompt().texts().size(), 4);
    for (const QString& text : home.prompt().texts())
        EXPECT_EQ(text,
                  QStringLiteral("Bu kayıt kapanmış bir düzeltme döneminde kullanılıyor; önce dönemleri "
                                 "açınız."));
}

TEST_F(PeriodGuardedDeletionTest, OpenPeriodsAskAndLoseTheLinesOfTheDeletedRows) {
    addPeriod(QStringLiteral("Açık"));
    Query& list = workspace->SBKQuery();
    list.first();
    const qint64 id = list.value(QStringLiteral("id")).toLongLong();
    addLineOf(id);
    addLineOf(id + 1);
    home.prompt().addAnswer(Yes);
    home.prompt().addAnswer(No);
    home.prompt().addAnswer(No); // the open periods
    EXPECT_FALSE(deletion().KaytSil1Click());
    EXPECT_EQ(home.prompt().texts().last(),
              QStringLiteral("Bu kalem açık dönemlerde de silinecek. Devam edilsin mi?"));
    EXPECT_EQ(periodLines(), 2);
    home.prompt().addAnswer(Yes);
    home.prompt().addAnswer(No);
    home.prompt().addAnswer(Yes);
    EXPECT_TRUE(deletion().KaytSil1Click());
    EXPECT_EQ(periodLines(), 1);

    deletion().setChecked(ctl::deletion::TumunuSilCheck, true);
    goOn();
    home.prompt().addAnswer(Yes);
    EXPECT_EQ(deletion().KayitSilButClick(), 10);
    EXPECT_EQ(periodLines(), 0);
}

TEST(PeriodGuardTest, AFileWithoutPeriodsHasNoneAndSkippedPeriodsCountAsOpen) {
    TempHome home;
    home.addCompany(QStringLiteral("YOK"), QStringLiteral("Yok A.Ş."));
    Database& db = home.context().company().database();
    EXPECT_FALSE(hasClosedPeriod(db));
    EXPECT_FALSE(hasOpenPeriod(db));
    upgradeCompanySchema(db);
    db.execute(QStringLiteral("INSERT INTO donem (bitis_tarihi, durum) VALUES (?, ?)"),
               {QDate(2024, 6, 30), QStringLiteral("Yapılmadı")});
    EXPECT_TRUE(hasOpenPeriod(db));
    EXPECT_FALSE(hasClosedPeriod(db));
    db.execute(QStringLiteral("UPDATE donem SET durum = ?"), {kClosedPeriodState});
    EXPECT_TRUE(hasClosedPeriod(db));
    EXPECT_FALSE(hasOpenPeriod(db));
}

} // namespace
} // namespace velkor::test
