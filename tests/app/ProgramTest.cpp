#include "support/TestSupport.h"

#include "app/CompaniesWindow.h"
#include "app/CompaniesWindowControls.h"
#include "app/EntryWindow.h"
#include "app/EntryWindowControls.h"
#include "app/MainMenu.h"
#include "app/MainMenuControls.h"
#include "app/Program.h"
#include "base/WindowNames.h"
#include "engine/WorkspaceStateControls.h"
#include "registry/CompanyRegistry.h"
#include "registry/RegistrationFormControls.h"
#include "storage/Database.h"
#include "storage/FileCompanyLocks.h"
#include "storage/IniFile.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>

using namespace velkor;

namespace {

/// Records which automatic backups the close sequence ran, in order.
class RecordingBackup : public AutoBackup {
public:
    void TumunuYedekleOto() override { calls << QStringLiteral("TumunuYedekleOto"); }
    void OtoYedekle() override { calls << QStringLiteral("OtoYedekle"); }
    QStringList calls;
};

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() : program(home.context()) {
        program.setAutoBackup(&backup);
        program.start();
    }

    FormModel& panel() { return program.companies().form(); }
    /// Answers Yes to the close question and closes the entry window.
    void closeConfirmed() {
        home.prompt().addAnswer(Yes);
        ASSERT_TRUE(program.entry().close());
    }

    test::TempHome home;
    RecordingBackup backup;
    Program program;
};

TEST_F(ProgramTest, FormModelsAreRegisteredUnderTheirWindowNames) {
    for (const QString& name :
         {velkor::windows::kEntry, velkor::windows::kMainMenu, velkor::windows::kCompanies,
          velkor::windows::kReferenceData, velkor::windows::kWorkspace, velkor::windows::kLegislation,
          velkor::windows::kRegistration, velkor::windows::kExcelImport, velkor::windows::kProgress,
          velkor::windows::kUpdate, velkor::windows::kUpdateProgress, velkor::windows::kPasswords})
        EXPECT_NE(home.context().form(name), nullptr) << name.toStdString();
    EXPECT_EQ(program.windows().visibleWindows(), QStringList{windows::kEntry});
}

// An installation of files has one place for its companies: the move between a file and the
// office server is offered only where the office has a server, as the command line refuses it.
TEST_F(ProgramTest, TheMoveToTheServerIsOfferedOnlyByAnOfficeOnAServer) {
    EXPECT_FALSE(panel().isEnabled(ctl::companies::FirmaTasiBut));
    EXPECT_FALSE(panel().userActRefusal(ctl::companies::FirmaTasiBut).isEmpty());
    test::TempHome officeHome;
    IniFile(officeHome.context().home() + QStringLiteral("Ayarlar.ini"))
        .setValue(QStringLiteral("Sunucu"), QStringLiteral("Servis"), QStringLiteral("buro"));
    Program office(officeHome.context());
    EXPECT_TRUE(office.companies().form().isEnabled(ctl::companies::FirmaTasiBut));
}

TEST_F(ProgramTest, ANewCompanyIsShownInTheMenuAndWorkspaceCaptions) {
    FormModel& registration = program.registry().form();
    registration.click(ctl::registration::yeniButton);
    registration.userSet(ctl::registration::KoduEdit, "ABC");
    registration.userSet(ctl::registration::FirmaAdiEdit, "Deneme A.Ş.");
    registration.click(ctl::registration::kaydetBut);
    FormModel& menu = program.mainMenu().form();
    EXPECT_EQ(menu.text(ctl::mainmenu::Label2), QStringLiteral("ABC"));
    EXPECT_EQ(menu.text(ctl::mainmenu::Label4), QStringLiteral("Deneme A.Ş."));
    EXPECT_EQ(menu.caption(),
              QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Ana Menü - Deneme A.Ş."));
    EXPECT_EQ(program.workspace().text(ctl::workspace::Label4), QStringLiteral("Deneme A.Ş."));
    EXPECT_EQ(program.workspace().caption(),
              QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Sabit Kıymet Düzeltmesi - Deneme A.Ş."));
}

TEST_F(ProgramTest, AMissingHelpDocumentIsSaidAndNothingIsOpened) {
    QStringList opened;
    program.setDocumentOpener([&](const QString& path) { opened << path; });
    program.mainMenu().form().click(ctl::mainmenu::YardimBarItems3);
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_FALSE(home.prompt().texts().isEmpty());
    EXPECT_TRUE(home.prompt().texts().last().startsWith(QStringLiteral("Belge bulunamadı: ")));
    QFile pdf(home.home() + "vukteblig555.pdf");
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    pdf.close();
    program.mainMenu().form().click(ctl::mainmenu::YardimBarItems3);
    EXPECT_EQ(opened, QStringList{home.home() + "vukteblig555.pdf"});
}

TEST_F(ProgramTest, NoBackupRunsWhenBothAreOff) {
    closeConfirmed();
    EXPECT_TRUE(backup.calls.isEmpty());
    EXPECT_TRUE(program.hasEnded());
}

TEST_F(ProgramTest, IntervalBackupRunsFirstWhenDueThenTheDailyOne) {
    panel().setChecked(ctl::companies::OtoYedekCheck, true);
    panel().setChecked(ctl::companies::OtomatikGunlukCheck, true);
    panel().setText(ctl::companies::yedekgunEdit, "3");
    panel().setDate(ctl::companies::DateTimePicker1, QDate::currentDate().addDays(-3));
    closeConfirmed();
    EXPECT_EQ(backup.calls, (QStringList{"TumunuYedekleOto", "OtoYedekle"}));
}

TEST_F(ProgramTest, IntervalBackupWaitsUntilItsDay) {
    panel().setChecked(ctl::companies::OtoYedekCheck, true);
    panel().setText(ctl::companies::yedekgunEdit, "3");
    panel().setDate(ctl::companies::DateTimePicker1, QDate::currentDate().addDays(-2));
    closeConfirmed();
    EXPECT_TRUE(backup.calls.isEmpty());
}

TEST_F(ProgramTest, ZeroOrUnreadableIntervalRunsAtEveryEnd) {
    panel().setChecked(ctl::companies::OtoYedekCheck, true);
    panel().setText(ctl::companies::yedekgunEdit, "");
    panel().setDate(ctl::companies::DateTimePicker1, QDate::currentDate());
    closeConfirmed();
    EXPECT_EQ(backup.calls, QStringList{"TumunuYedekleOto"});
}

TEST_F(ProgramTest, DecliningTheCloseRunsNoBackup) {
    panel().setChecked(ctl::companies::OtomatikGunlukCheck, true);
    home.prompt().addAnswer(No);
    EXPECT_FALSE(program.entry().close());
    EXPECT_TRUE(backup.calls.isEmpty());
    EXPECT_TRUE(home.context().general().isOpen());
}

TEST_F(ProgramTest, AFailingBackupIsReportedAndTheProgramStillEnds) {
    class FailingBackup : public AutoBackup {
    public:
        void OtoYedekle() override { throw DatabaseError(QStringLiteral("Yedek yazılamadı")); }
    } failing;
    program.setAutoBackup(&failing);
    panel().setChecked(ctl::companies::OtomatikGunlukCheck, true);
    closeConfirmed();
    EXPECT_TRUE(program.hasEnded());
    EXPECT_EQ(home.prompt().texts().last(), QStringLiteral("Yedek yazılamadı"));
}

TEST_F(ProgramTest, LastEnteredCompanyIsShownAtTheNextStart) {
    home.addCompany("K7", "Yedinci");
    FormModel& entry = program.entry().form();
    entry.setText(ctl::entry::firmaedit, "K7");
    entry.click(ctl::entry::DuzeltmeBut);
    ASSERT_TRUE(program.windows().isVisible(windows::kMainMenu));

    ScriptedPrompt prompt;
    AppContext context(home.home(), prompt);
    Program next(context);
    next.start();
    EXPECT_EQ(next.entry().form().text(ctl::entry::firmaedit), QStringLiteral("K7"));
    EXPECT_EQ(next.entry().form().text(ctl::entry::Label1), QStringLiteral("Yedinci"));
}

TEST_F(ProgramTest, EnteringTwiceReopensTheCompanyConnection) {
    home.addCompany("K1", "Bir");
    FormModel& entry = program.entry().form();
    entry.setText(ctl::entry::firmaedit, "K1");
    entry.click(ctl::entry::DuzeltmeBut);
    program.mainMenu().form().click(ctl::mainmenu::EkIslemBarItems2);
    ASSERT_TRUE(program.windows().isVisible(windows::kCompanies));
    program.companies().form().click(ctl::companies::KapatBut);
    home.context().company().close();
    entry.click(ctl::entry::DuzeltmeBut);
    EXPECT_TRUE(home.context().company().isOpen());
    EXPECT_EQ(program.entry().MenuHideMode(), 1);
}

TEST_F(ProgramTest, HidingTheMenuBeforeAnyEntryShowsTheEntryWindow) {
    program.windows().show(windows::kMainMenu);
    program.windows().hide(windows::kEntry);
    program.windows().setSize(windows::kEntry, WindowSize::Minimized);
    program.windows().hide(windows::kMainMenu);
    EXPECT_TRUE(program.windows().isVisible(windows::kEntry));
    EXPECT_EQ(program.windows().size(windows::kEntry), WindowSize::Maximized);
    EXPECT_TRUE(home.prompt().shown().empty());
}

TEST_F(ProgramTest, TheWorkspaceOpensOnItsFirstTabWithTheListOfTheCompanyJustEntered) {
    home.addCompany("K1", "Bir");
    home.addCompany("K2", "İki");
    auto enter = [this](const char* code) {
        program.entry().form().setText(ctl::entry::firmaedit, QString::fromLatin1(code));
        program.entry().form().click(ctl::entry::DuzeltmeBut);
        program.mainMenu().form().click(ctl::mainmenu::GeneIslemBarItems0);
    };
    enter("K1");
    Workspace& workspace = program.adjustmentWorkspace();
    workspace.state().userSet(ctl::workspace::DuzeltmePage, QStringLiteral("6"));
    home.context().company().database().execute(QStringLiteral(
        "INSERT INTO sabit_kiymet (anahesapkodu, sbk_kodu, sbk_adi) VALUES ('253', '1', 'x')"));
    program.windows().hide(windows::kWorkspace);
    program.mainMenu().form().click(ctl::mainmenu::EkIslemBarItems2);
    enter("K2");
    EXPECT_EQ(workspace.state().text(ctl::workspace::DuzeltmePage), QStringLiteral("0"));
    EXPECT_TRUE(workspace.SBKQuery().isOpen());
    EXPECT_EQ(workspace.SBKQuery().recordCount(), 0);
    program.windows().hide(windows::kWorkspace);
    enter("K1");
    EXPECT_TRUE(workspace.SBKQuery().isOpen());
    EXPECT_EQ(workspace.SBKQuery().recordCount(), 1);
}

TEST_F(ProgramTest, WorkspaceHiddenReturnsToTheMainMenu) {
    home.addCompany("K1", "Bir");
    program.entry().form().setText(ctl::entry::firmaedit, "K1");
    program.entry().form().click(ctl::entry::DuzeltmeBut);
    program.mainMenu().form().click(ctl::mainmenu::GeneIslemBarItems0);
    EXPECT_TRUE(program.windows().isVisible(windows::kWorkspace));
    program.windows().hide(windows::kWorkspace);
    EXPECT_TRUE(program.windows().isVisible(windows::kMainMenu));
}

} // namespace

namespace {

// The program's own saves go into the company it entered; while another program compacts,
// restores or empties that company, entering it waits a while and then says why, rather
// than work on a file about to be replaced.
TEST_F(ProgramTest, ACompanyAnotherProgramCompactsIsNotEnteredAndTheUserIsTold) {
    using namespace std::chrono_literals;
    home.addCompany("K2", "İki");
    home.context().setCompanyLocks(
        std::make_unique<FileCompanyLocks>(home.home(), FileCompanyLocks::Waits{30ms, 30ms}));
    FileCompanyLocks other(home.home());
    auto compaction = other.exclusive(QStringLiteral("K2"), operations::kCompaction);
    home.prompt().clearShown();
    FormModel& entry = program.entry().form();
    entry.setText(ctl::entry::firmaedit, "K2");
    entry.click(ctl::entry::DuzeltmeBut);
    EXPECT_FALSE(program.windows().isVisible(windows::kMainMenu));
    EXPECT_EQ(home.prompt().texts(),
              QStringList{QStringLiteral(
                  "K2 şirketinde şu anda \"Sıkıştırma\" işlemi sürüyor; işlem bitince tekrar deneyiniz.")});
    compaction.reset();
    entry.click(ctl::entry::DuzeltmeBut);
    EXPECT_TRUE(program.windows().isVisible(windows::kMainMenu));
}

} // namespace
