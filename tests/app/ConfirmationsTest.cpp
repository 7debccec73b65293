// What the shell tells the user after an action that changes something, and what it leaves
// on the screen afterwards.
#include "support/TestSupport.h"

#include "app/BackupPanel.h"
#include "app/CompaniesWindow.h"
#include "app/CompaniesWindowControls.h"
#include "app/EntryWindow.h"
#include "app/EntryWindowControls.h"
#include "app/MainMenu.h"
#include "app/MainMenuControls.h"
#include "app/PasswordWindow.h"
#include "app/PasswordWindowControls.h"
#include "app/Program.h"
#include "base/WindowNames.h"
#include "legislation/LegislationForm.h"
#include "registry/CompanyRegistry.h"
#include "registry/RegistrationFormControls.h"
#include "storage/IniFile.h"
#include "storage/ZipArchive.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace velkor;

namespace {

const QString kEnterQuestion =
    QStringLiteral("\"%1\" kodlu firma oluşturuldu.\n\rFirmaya şimdi girmek ister misiniz?");

class ConfirmationsTest : public ::testing::Test {
protected:
    ConfirmationsTest() : program(home.context()) {
        program.start();
        program.companies().backups().setClock([] { return QDateTime({2024, 3, 5}, {9, 7, 3}); });
    }

    FormModel& entry() { return program.entry().form(); }
    FormModel& registration() { return program.registry().form(); }
    /// "YENİ FİRMA EKLE", the code and name typed, "SAKLA".
    void createCompany(const QString& code, const QString& name) {
        entry().click(ctl::entry::YeniFirmaBut);
        registration().userSet(ctl::registration::KoduEdit, code);
        registration().userSet(ctl::registration::FirmaAdiEdit, name);
        registration().click(ctl::registration::kaydetBut);
    }
    bool visible(const QString& window) { return program.windows().isVisible(window); }
    void setEntryPassword(const QString& password) {
        home.context().general().database().execute(QStringLiteral("INSERT INTO sifreli (sifre) VALUES (?)"),
                                                    {password});
        program.passwords().entryPasswords().close();
    }

    test::TempHome home;
    Program program;
};

TEST_F(ConfirmationsTest, ANewCompanyIsPutIntoTheEntryWindowAndOfferedForEntering) {
    home.prompt().addAnswer(No);
    createCompany(QStringLiteral("ABC"), QStringLiteral("Abc Ticaret A.Ş."));
    ASSERT_EQ(home.prompt().texts(), QStringList{kEnterQuestion.arg("ABC")});
    EXPECT_TRUE(home.prompt().shown().back().question);
    EXPECT_EQ(entry().text(ctl::entry::firmaedit), QStringLiteral("ABC"));
    EXPECT_EQ(entry().text(ctl::entry::Label1), QStringLiteral("Abc Ticaret A.Ş."));
    EXPECT_FALSE(visible(windows::kMainMenu));
    EXPECT_TRUE(visible(windows::kRegistration));

    // Saving the details again says so, and asks nothing.
    home.prompt().clearShown();
    registration().userSet(ctl::registration::AdresiEdit, QStringLiteral("Atatürk Cad. 1"));
    registration().click(ctl::registration::kaydetBut);
    EXPECT_EQ(home.prompt().texts(), QStringList{QStringLiteral("Firma bilgileri saklandı.")});

    // A refused company says only why.
    home.prompt().clearShown();
    createCompany(QStringLiteral("ABC"), QStringLiteral("İkinci"));
    ASSERT_EQ(home.prompt().texts().size(), 1);
    EXPECT_TRUE(home.prompt().texts().first().startsWith(QStringLiteral("Bu isimde kayıtlı firma mevcut!")));
    EXPECT_EQ(entry().text(ctl::entry::firmaedit), QStringLiteral("ABC"));

    // "Evet" enters the new company as the entry button does.
    home.prompt().clearShown();
    home.prompt().addAnswer(Yes);
    createCompany(QStringLiteral("DEF"), QStringLiteral("Def Ltd."));
    EXPECT_EQ(home.prompt().texts(), QStringList{kEnterQuestion.arg("DEF")});
    EXPECT_TRUE(visible(windows::kMainMenu));
    EXPECT_FALSE(visible(windows::kEntry));
    EXPECT_FALSE(visible(windows::kRegistration));
    EXPECT_EQ(program.entry().MenuHideMode(), 1);
    EXPECT_EQ(program.mainMenu().form().text(ctl::mainmenu::Label2), QStringLiteral("DEF"));
    EXPECT_TRUE(home.context().company().filePath().endsWith(QStringLiteral("Data/DEF.mdb")));
    EXPECT_EQ(IniFile(home.home() + "Ayarlar.ini").value("Giris", "Kodu"), QStringLiteral("DEF"));
}

TEST_F(ConfirmationsTest, EnteringANewCompanyKeepsThePasswordGate) {
    setEntryPassword(QStringLiteral("gizli"));
    home.prompt().addAnswer(Yes);
    createCompany(QStringLiteral("ABC"), QStringLiteral("Abc"));
    // Nothing was typed, so nothing wrong was typed: no entry, no wrong entry counted.
    EXPECT_FALSE(visible(windows::kMainMenu));
    EXPECT_TRUE(visible(windows::kEntry));
    EXPECT_FALSE(visible(windows::kRegistration));
    EXPECT_EQ(program.entry().WrongPasswordCount(), 0);
    EXPECT_TRUE(home.prompt().texts().last().startsWith(QStringLiteral("Firmaya girmek için")));

    // With the password typed in the entry window first, "Evet" enters.
    entry().userSet(ctl::entry::sifreEdit, QStringLiteral("gizli"));
    home.prompt().addAnswer(Yes);
    createCompany(QStringLiteral("DEF"), QStringLiteral("Def"));
    EXPECT_TRUE(visible(windows::kMainMenu));
    EXPECT_EQ(program.mainMenu().form().text(ctl::mainmenu::Label2), QStringLiteral("DEF"));
}

TEST_F(ConfirmationsTest, ThePasswordsLeaveNoTypedTextBehind) {
    home.addCompany(QStringLiteral("K1"), QStringLiteral("Bir"));
    setEntryPassword(QStringLiteral("gizli"));
    entry().userSet(ctl::entry::firmaedit, QStringLiteral("K1"));
    entry().userSet(ctl::entry::sifreEdit, QStringLiteral("gizli"));
    entry().click(ctl::entry::DuzeltmeBut);
    ASSERT_TRUE(visible(windows::kMainMenu));
    EXPECT_EQ(entry().text(ctl::entry::sifreEdit), QString());

    // The master password, once it opened the password window, is gone from the entry window.
    entry().userSet(ctl::entry::sifreEdit, QStringLiteral("mirtan"));
    entry().click(ctl::entry::JvXPButton3);
    ASSERT_TRUE(visible(windows::kPasswords));
    EXPECT_EQ(entry().text(ctl::entry::sifreEdit), QString());

    // "SAKLA" stores, says what it stored, clears both edits and closes the window.
    FormModel& passwords = program.passwords().form();
    home.prompt().clearShown();
    passwords.userSet(ctl::passwords::Sifre, QStringLiteral("yeni"));
    passwords.click(ctl::passwords::JvXPButton7);
    EXPECT_EQ(home.prompt().texts(), QStringList{QStringLiteral("Program giriş şifresi saklandı.")});
    EXPECT_EQ(passwords.text(ctl::passwords::Sifre), QString());
    EXPECT_EQ(passwords.text(ctl::passwords::Master), QString());
    EXPECT_FALSE(visible(windows::kPasswords));
    EXPECT_TRUE(program.passwords().entryPasswordAccepts(QStringLiteral("yeni")));

    program.passwords().open();
    EXPECT_EQ(passwords.text(ctl::passwords::Master), QStringLiteral("mirtan"));
    home.prompt().clearShown();
    passwords.userSet(ctl::passwords::Sifre, QStringLiteral("iki"));
    passwords.userSet(ctl::passwords::Master, QStringLiteral("usta"));
    passwords.click(ctl::passwords::JvXPButton7);
    EXPECT_EQ(home.prompt().texts(),
              QStringList{QStringLiteral("Program giriş şifresi ve master şifre saklandı.")});
    EXPECT_TRUE(program.passwords().masterPasswordAccepts(QStringLiteral("usta")));

    program.passwords().open();
    home.prompt().clearShown();
    passwords.click(ctl::passwords::JvXPButton7);
    EXPECT_EQ(home.prompt().texts(), QStringList{QStringLiteral("Şifrelerde değişiklik yapılmadı.")});
    EXPECT_FALSE(visible(windows::kPasswords));
}

TEST_F(ConfirmationsTest, TheBackupSettingsAndTheCompanyBackupSayWhatTheyDid) {
    FormModel& panel = program.companies().form();
    panel.click(ctl::companies::OtoYedekAdresSaklaBut);
    EXPECT_EQ(home.prompt().texts(), QStringList{QStringLiteral("Otomatik yedekleme ayarları saklandı.")});
    // Choosing the folder stores the settings without a word: the dialog was the answer.
    home.prompt().clearShown();
    home.prompt().addFile(home.home() + QStringLiteral("Yedek"));
    panel.click(ctl::companies::OtoYedekAdresBulBut);
    EXPECT_TRUE(home.prompt().shown().empty());

    // Before any company is entered there is nothing to back up.
    panel.click(ctl::companies::FirmaYedekAlBut);
    ASSERT_EQ(home.prompt().texts().size(), 1);
    EXPECT_TRUE(home.prompt().texts().first().startsWith(QStringLiteral("Yedeği alınacak firma yok.")));
    EXPECT_TRUE(QDir(home.home() + "Yedek").entryList({QStringLiteral("*.zip")}).isEmpty());

    home.addCompany(QStringLiteral("ABC"), QStringLiteral("Abc"));
    entry().userSet(ctl::entry::firmaedit, QStringLiteral("ABC"));
    entry().click(ctl::entry::DuzeltmeBut);
    home.prompt().clearShown();
    panel.click(ctl::companies::FirmaYedekAlBut);
    const QString archive = home.home() + QStringLiteral("Yedek/ABC_2024_3_5_9_7_3.zip");
    EXPECT_TRUE(QFileInfo::exists(archive));
    EXPECT_EQ(
        home.prompt().texts(),
        QStringList{
            QStringLiteral("ABC firmasının yedeği alındı:\n\r%1").arg(QDir::toNativeSeparators(archive))});
}

TEST_F(ConfirmationsTest, TheLegislationNoteNamesOnlyWhatTheMainMenuOffers) {
    const FormModel& menu = program.mainMenu().form();
    QStringList offered;
    for (const QString& name : menu.fieldNames()) {
        if (menu.kind(name) == FieldKind::Button && menu.isVisible(name))
            offered << menu.label(name);
    }
    const bool opensPdf =
        menu.isVisible(ctl::mainmenu::YardimBarItems3) || menu.isVisible(ctl::mainmenu::YardimBarItems4);

    const DocumentLibrary legislation = program.legislation().library(LegislationForm::Legislation);
    static const QRegularExpression item(QStringLiteral("<i>(.*?)</i>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    for (const QString& document : legislation.names()) {
        const QString text = legislation.read(document);
        if (!opensPdf) {
            EXPECT_FALSE(text.contains(QStringLiteral("PDF"))) << document.toStdString();
        }
        for (const QRegularExpressionMatch& match : item.globalMatch(text)) {
            const QString named = match.captured(1).simplified();
            EXPECT_TRUE(offered.contains(named)) << named.toStdString();
        }
    }

    // An installation that holds an older note gets this one at its next start.
    const QString note = legislation.names().constFirst();
    const QString shipped = legislation.read(note);
    const QByteArray older("<p>Ana menüdeki PDF bağlantıları program klasöründeki PDF dosyalarını açar.</p>");
    legislation.save(note, QString::fromUtf8(older));
    {
        ZipArchive archive(legislation.path(), ZipArchive::Mode::Update, legislation.password());
        archive.write(QStringLiteral("surum/gonderilen"),
                      QCryptographicHash::hash(older, QCryptographicHash::Sha256).toHex() + ' ' +
                          note.toUtf8() + '\n');
        archive.commit();
    }
    program.legislation().FormCreate();
    EXPECT_EQ(legislation.read(note), shipped);
}

/// Keeps the filter of every open dialog.
class FilterRecordingPrompt : public ScriptedPrompt {
public:
    QString chooseOpenFile(const QString& title, const QString& folder, const QString& filter) override {
        filters << filter;
        return ScriptedPrompt::chooseOpenFile(title, folder, filter);
    }
    QStringList filters;
};

/// Whether the first filter of a dialog ("Label|*.a;*.b|...") takes the file name.
bool firstFilterTakes(const QString& filter, const QString& fileName) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (const QString& pattern : parts.value(1).split(QLatin1Char(';'))) {
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern));
        if (re.match(fileName).hasMatch())
            return true;
    }
    return false;
}

TEST(RestoreDialogTest, EachRestoreDialogNamesAndListsTheKindItTakes) {
    test::TempHome home;
    FilterRecordingPrompt prompt;
    AppContext context(home.home(), prompt);
    Program program(context);
    program.start();
    FormModel& panel = program.companies().form();
    prompt.addAnswer(Yes);
    panel.click(ctl::companies::TumFirmaGeriYukleBut);
    panel.click(ctl::companies::TekFirmaGeriYukleBut);
    prompt.addAnswer(Yes);
    panel.click(ctl::companies::OtomatikYedekGeriYukleBut);
    ASSERT_EQ(prompt.filters.size(), 3);
    const QString& all = prompt.filters[0];
    const QString& one = prompt.filters[1];
    const QString& daily = prompt.filters[2];
    EXPECT_TRUE(all.startsWith(QStringLiteral("Tüm firmaların yedeği"))) << all.toStdString();
    EXPECT_TRUE(one.startsWith(QStringLiteral("Tek firma yedeği"))) << one.toStdString();
    EXPECT_TRUE(daily.startsWith(QStringLiteral("Otomatik günlük yedek"))) << daily.toStdString();

    EXPECT_TRUE(firstFilterTakes(one, QStringLiteral("ABC_2024_3_5_9_7_3.zip")));
    EXPECT_TRUE(firstFilterTakes(one, QStringLiteral("ABC_2024_3_5_9_7_3_2.zip")));
    EXPECT_TRUE(firstFilterTakes(one, QStringLiteral("ABC.ydk")));
    EXPECT_FALSE(firstFilterTakes(one, QStringLiteral("VelkorTumu_2024_03_05.zip")));
    EXPECT_FALSE(firstFilterTakes(one, QStringLiteral("OtoYedek2.zip")));
    EXPECT_TRUE(firstFilterTakes(daily, QStringLiteral("OtoYedek2.zip")));
    EXPECT_FALSE(firstFilterTakes(daily, QStringLiteral("ABC_2024_3_5_9_7_3.zip")));
    EXPECT_TRUE(firstFilterTakes(all, QStringLiteral("VelkorTumu_2024_03_05.zip")));
}

} // namespace
