#include "GuiFixture.h"
#include "app/CompaniesWindowControls.h"
#include "app/EntryWindowControls.h"
#include "app/MainMenuControls.h"

#include "app/MainMenu.h"
#include "base/WindowNames.h"
#include "storage/IniFile.h"

#include <QLabel>
#include <QSignalSpy>

using namespace velkor;
using velkor::test::GuiProgram;

namespace {
const QString kEntry = velkor::windows::kEntry;
const QString kMenu = velkor::windows::kMainMenu;
const QString kWrongPassword =
    QStringLiteral("Şifreyi yalnış girdiniz!\n\rŞifre belirlemediyseniz boş geçin!");
const QString kCloseQuestion = QStringLiteral("Programı kapatmak istediğinize eminmisiniz?");
} // namespace

class EntryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startShowsOnlyTheEntryWindow();
    void enteringShowsTheMainMenuAndRemembersTheCompany();
    void passwordOutcomes_data();
    void passwordOutcomes();
    void unknownCodeDoesNothing();
    void fourthWrongEntryAsksToClose();
    void decliningTheCloseQuestionKeepsTheProgram();
    void kapatOnTheMainMenuAsksToClose();
    void firmaDegistirShowsTheCompaniesWindow();
    void enterMovesFromTheCodeToThePasswordWhichEnters();
};

void EntryTest::startShowsOnlyTheEntryWindow() {
    GuiProgram gui;
    QCOMPARE(gui.program().windows().visibleWindows(), QStringList{kEntry});
    QVERIFY(gui.shown(kEntry));
    QCOMPARE(gui.windows().all().size(), size_t(12));
    QStringList order;
    for (const auto& w : gui.windows().all())
        order << w->objectName();
    QCOMPARE(order,
             (QStringList{velkor::windows::kEntry, velkor::windows::kMainMenu, velkor::windows::kCompanies,
                          velkor::windows::kReferenceData, velkor::windows::kWorkspace,
                          velkor::windows::kLegislation, velkor::windows::kRegistration,
                          velkor::windows::kExcelImport, velkor::windows::kProgress, velkor::windows::kUpdate,
                          velkor::windows::kUpdateProgress, velkor::windows::kPasswords}));
    QCOMPARE(gui.windows().window(kEntry)->windowTitle(),
             QStringLiteral("Velkor Enflasyon Düzeltmesi Programı"));
    QVERIFY(gui.widget(kEntry, ctl::entry::DuzeltmeBut)->isEnabled());
}

void EntryTest::enteringShowsTheMainMenuAndRemembersTheCompany() {
    GuiProgram gui;
    gui.addCompany("ABC", "Abc Ticaret A.Ş.");
    gui.enter("ABC");
    QVERIFY(gui.shown(kMenu));
    QVERIFY(!gui.shown(kEntry));
    QCOMPARE(gui.program().entry().MenuHideMode(), 1);
    QCOMPARE(gui.windows().window(kMenu)->windowTitle(),
             QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Ana Menü - Abc Ticaret A.Ş."));
    QCOMPARE(gui.widget<QLabel>(kMenu, ctl::mainmenu::Label2)->text(), QStringLiteral("ABC"));
    QCOMPARE(gui.widget<QLabel>(kMenu, ctl::mainmenu::Label4)->text(), QStringLiteral("Abc Ticaret A.Ş."));
    QCOMPARE(
        gui.program().workspace().caption(),
        QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Sabit Kıymet Düzeltmesi - Abc Ticaret A.Ş."));
    QVERIFY(gui.context().company().filePath().endsWith("Data/ABC.mdb"));

    const IniFile ini(gui.home() + "Ayarlar.ini");
    QCOMPARE(ini.value("Giris", "Kodu"), QStringLiteral("ABC"));
    QCOMPARE(ini.value("Giris", "Adi"), QStringLiteral("Abc Ticaret A.Ş."));
}

void EntryTest::passwordOutcomes_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("no password, nothing typed") << QString() << "" << true;
    QTest::newRow("no password, something typed") << QString() << "xyz" << true;
    QTest::newRow("same text") << "Gizli1"
                               << "Gizli1" << true;
    QTest::newRow("other letter case") << "Gizli1"
                                       << "gizli1" << false;
    QTest::newRow("empty stored, empty typed") << ""
                                               << "" << true;
    QTest::newRow("empty stored, text typed") << ""
                                              << "a" << false;
    QTest::newRow("stored 1 lets anything in") << "1"
                                               << "whatever" << true;
}

void EntryTest::passwordOutcomes() {
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    GuiProgram gui;
    gui.addCompany("K1", "Birinci");
    gui.setEntryPassword(stored);
    gui.prompt().clearShown();
    gui.enter("K1", typed);
    QCOMPARE(gui.shown(kMenu), accepted);
    QCOMPARE(gui.shown(kEntry), !accepted);
    if (accepted) {
        QVERIFY(gui.prompt().shown().empty());
        QCOMPARE(gui.program().entry().WrongPasswordCount(), 0);
        // The typed password does not wait in the hidden entry window for the next user.
        QCOMPARE(gui.widget<QLineEdit>(kEntry, ctl::entry::sifreEdit)->text(), QString());
    } else {
        QCOMPARE(gui.prompt().texts(), QStringList{kWrongPassword});
        QCOMPARE(gui.prompt().shown().front().icon, PromptIcon::Error);
        QCOMPARE(gui.widget<QLineEdit>(kEntry, ctl::entry::sifreEdit)->text(), QString());
        QCOMPARE(gui.program().entry().WrongPasswordCount(), 1);
        // The company connection stays on the chosen company.
        QVERIFY(gui.context().company().filePath().endsWith("Data/K1.mdb"));
    }
}

void EntryTest::unknownCodeDoesNothing() {
    GuiProgram gui;
    gui.addCompany("K1", "Birinci");
    gui.prompt().clearShown();
    gui.enter("K2");
    QVERIFY(gui.shown(kEntry));
    QVERIFY(!gui.shown(kMenu));
    QVERIFY(gui.prompt().shown().empty());
}

void EntryTest::fourthWrongEntryAsksToClose() {
    GuiProgram gui;
    gui.addCompany("K1", "Birinci");
    gui.setEntryPassword("dogru");
    gui.prompt().clearShown();
    gui.enter("K1", "yanlis");
    gui.type(kEntry, ctl::entry::sifreEdit, "yanlis-master");
    gui.click(kEntry, ctl::entry::JvXPButton3);
    gui.enter("K1", "yanlis");
    QVERIFY(!gui.prompt().texts().contains(kCloseQuestion));
    QCOMPARE(gui.program().entry().WrongPasswordCount(), 3);

    gui.prompt().clearShown();
    gui.prompt().addAnswer(No);
    gui.enter("K1", "yanlis");
    QCOMPARE(gui.prompt().texts(), (QStringList{kCloseQuestion, kWrongPassword}));
    QVERIFY(!gui.program().hasEnded());
    QVERIFY(gui.shown(kEntry));

    // A right entry in between does not reset the count; the next wrong one asks again.
    gui.prompt().clearShown();
    gui.prompt().addAnswer(Yes);
    gui.type(kEntry, ctl::entry::sifreEdit, "hala-yanlis");
    gui.click(kEntry, ctl::entry::JvXPButton3);
    QCOMPARE(gui.prompt().shown().front().text, kCloseQuestion);
    QCOMPARE(gui.prompt().shown().front().title, QStringLiteral("Velkor Enflasyon Düzeltme Programı"));
    QCOMPARE(
        gui.prompt().shown().back().text,
        QStringLiteral(
            "Master şifreyi yalnış girdiniz!\n\rMaster şifre belirlemediyseniz şifreniz \"mirtan\" tur!"));
    QVERIFY(gui.program().hasEnded());
    QVERIFY(!gui.context().general().isOpen());
    QVERIFY(!gui.context().company().isOpen());
    QVERIFY(!gui.context().rates().isOpen());
}

void EntryTest::decliningTheCloseQuestionKeepsTheProgram() {
    GuiProgram gui;
    for (PromptButton answer : {No, Cancel}) {
        gui.prompt().clearShown();
        gui.prompt().addAnswer(answer);
        gui.windows().window(kEntry)->close();
        QCOMPARE(gui.prompt().texts(), QStringList{kCloseQuestion});
        QVERIFY(!gui.program().hasEnded());
        QVERIFY(gui.shown(kEntry));
        QVERIFY(gui.context().general().isOpen());
    }
    QSignalSpy ended(&gui.program(), &Program::ended);
    gui.prompt().addAnswer(Yes);
    gui.windows().window(kEntry)->close();
    QCOMPARE(ended.count(), 1);
    QVERIFY(!gui.context().general().isOpen());
}

void EntryTest::kapatOnTheMainMenuAsksToClose() {
    GuiProgram gui;
    gui.addCompany("K1", "Birinci");
    gui.enter("K1");
    gui.prompt().clearShown();
    gui.prompt().addAnswer(No);
    gui.click(kMenu, ctl::mainmenu::JvXPButton19);
    QCOMPARE(gui.prompt().texts(), QStringList{kCloseQuestion});
    QVERIFY(!gui.program().hasEnded());
    QVERIFY(gui.shown(kEntry));
    QVERIFY(!gui.shown(kMenu));

    // Entering again and closing the menu window itself asks the same; declining brings
    // the entry window back rather than leaving no window at all.
    gui.enter("K1");
    gui.prompt().clearShown();
    gui.prompt().addAnswer(No);
    gui.windows().window(kMenu)->close();
    QCOMPARE(gui.prompt().texts(), QStringList{kCloseQuestion});
    QVERIFY(gui.shown(kEntry));

    gui.enter("K1");
    gui.prompt().addAnswer(Yes);
    gui.click(kMenu, ctl::mainmenu::JvXPButton19);
    QVERIFY(gui.program().hasEnded());
}

void EntryTest::firmaDegistirShowsTheCompaniesWindow() {
    GuiProgram gui;
    gui.addCompany("K1", "Birinci");
    gui.enter("K1");
    gui.prompt().clearShown();
    gui.click(kMenu, ctl::mainmenu::EkIslemBarItems2);
    QCOMPARE(gui.program().entry().MenuHideMode(), 2);
    QVERIFY(gui.shown(velkor::windows::kCompanies));
    QVERIFY(!gui.shown(kMenu));
    QVERIFY(!gui.shown(kEntry));
    QVERIFY(gui.prompt().shown().empty());
    // Leaving the companies window returns to the entry window.
    gui.click(velkor::windows::kCompanies, ctl::companies::KapatBut);
    QVERIFY(gui.shown(kEntry));
    QVERIFY(!gui.shown(velkor::windows::kCompanies));
}

void EntryTest::enterMovesFromTheCodeToThePasswordWhichEnters() {
    GuiProgram gui;
    gui.addCompany("K1", "Birinci");
    QWidget* window = gui.windows().window(kEntry);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* code = gui.widget<QLineEdit>(kEntry, ctl::entry::firmaedit);
    code->setFocus();
    QTRY_VERIFY(code->hasFocus());
    code->selectAll();
    GuiProgram::typeText(code, QStringLiteral("K1"));
    QTest::keyClick(code, Qt::Key_Return);
    auto* password = gui.widget<QLineEdit>(kEntry, ctl::entry::sifreEdit);
    QCOMPARE(QApplication::focusWidget(), password);
    QVERIFY(gui.shown(kEntry));
    QTest::keyClick(password, Qt::Key_Return);
    QVERIFY(gui.shown(kMenu));
}

QTEST_MAIN(EntryTest)
#include "test_entry.moc"
