#include "GuiFixture.h"
#include "app/EntryWindowControls.h"
#include "app/PasswordWindowControls.h"

#include "app/PasswordWindow.h"
#include "base/WindowNames.h"

using namespace velkor;
using velkor::test::GuiProgram;

namespace {
const QString kEntry = velkor::windows::kEntry;
const QString kPasswords = velkor::windows::kPasswords;

void openPasswordWindow(GuiProgram& gui, const QString& master = QStringLiteral("mirtan")) {
    gui.type(kEntry, ctl::entry::sifreEdit, master);
    gui.click(kEntry, ctl::entry::JvXPButton3);
}

QString storedEntryPassword(GuiProgram& gui) {
    return gui.context()
        .general()
        .database()
        .scalar("SELECT sifre FROM sifreli ORDER BY sid LIMIT 1")
        .toString();
}
} // namespace

class PasswordsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void masterPasswordOpensTheWindow();
    void savedPasswordIsAskedAtTheNextEntry();
    void unsavedEditsAreDroppedWhenLeavingTheWindow();
    void emptyMasterTableOpensWithoutCheck();
};

void PasswordsTest::masterPasswordOpensTheWindow() {
    GuiProgram gui;
    openPasswordWindow(gui, "yanlis");
    QVERIFY(!gui.shown(kPasswords));
    QCOMPARE(gui.program().entry().WrongPasswordCount(), 1);
    QCOMPARE(gui.prompt().shown().back().title, QStringLiteral("Velkor Enflasyon Düzeltme Programı"));
    QCOMPARE(gui.prompt().shown().back().icon, PromptIcon::Error);

    openPasswordWindow(gui);
    QVERIFY(gui.shown(kPasswords));
    QCOMPARE(gui.windows().window(kPasswords)->windowTitle(),
             QStringLiteral("Velkor Enflasyon Düzeltmesi Programı Şifre Girişi"));
    QCOMPARE(gui.widget<QLineEdit>(kPasswords, ctl::passwords::Master)->text(), QStringLiteral("mirtan"));
    QCOMPARE(gui.widget<QLineEdit>(kPasswords, ctl::passwords::Master)->maxLength(), 16);
    // Nobody looking over the shoulder reads them.
    QCOMPARE(gui.widget<QLineEdit>(kPasswords, ctl::passwords::Sifre)->echoMode(), QLineEdit::Password);
    QCOMPARE(gui.widget<QLineEdit>(kPasswords, ctl::passwords::Master)->echoMode(), QLineEdit::Password);
    // The master password that opened the window is not left in the entry window.
    QCOMPARE(gui.widget<QLineEdit>(kEntry, ctl::entry::sifreEdit)->text(), QString());
}

void PasswordsTest::savedPasswordIsAskedAtTheNextEntry() {
    GuiProgram gui;
    gui.addCompany("K1", "Birinci");
    openPasswordWindow(gui);
    gui.type(kPasswords, ctl::passwords::Sifre, "Yeni-Şifre");
    gui.prompt().clearShown();
    gui.click(kPasswords, ctl::passwords::JvXPButton7);
    QCOMPARE(storedEntryPassword(gui), QStringLiteral("Yeni-Şifre"));
    // "SAKLA" says so, and closes the window with its edits emptied.
    QCOMPARE(gui.prompt().texts(), QStringList{QStringLiteral("Program giriş şifresi saklandı.")});
    QVERIFY(!gui.shown(kPasswords));
    QCOMPARE(gui.widget<QLineEdit>(kPasswords, ctl::passwords::Sifre)->text(), QString());
    QCOMPARE(gui.widget<QLineEdit>(kPasswords, ctl::passwords::Master)->text(), QString());

    gui.enter("K1", "yeni-şifre");
    QVERIFY(!gui.shown(velkor::windows::kMainMenu));
    gui.enter("K1", "Yeni-Şifre");
    QVERIFY(gui.shown(velkor::windows::kMainMenu));
    QCOMPARE(gui.widget<QLineEdit>(kEntry, ctl::entry::sifreEdit)->text(), QString());
}

void PasswordsTest::unsavedEditsAreDroppedWhenLeavingTheWindow() {
    GuiProgram gui;
    openPasswordWindow(gui);
    gui.type(kPasswords, ctl::passwords::Sifre, "kaydedilmedi");
    gui.type(kPasswords, ctl::passwords::Master, "degisti");
    // Another window becomes active before "SAKLA".
    gui.program().windows().deactivate(kPasswords);
    QCOMPARE(gui.widget<QLineEdit>(kPasswords, ctl::passwords::Sifre)->text(), QString());
    QCOMPARE(gui.widget<QLineEdit>(kPasswords, ctl::passwords::Master)->text(), QStringLiteral("mirtan"));
    gui.click(kPasswords, ctl::passwords::JvXPButton7);
    QVERIFY(gui.context().general().database().scalar("SELECT COUNT(*) FROM sifreli").toInt() == 0);
    QCOMPARE(gui.context().general().database().scalar("SELECT mids FROM mast").toString(),
             QStringLiteral("mirtan"));
    QVERIFY(!gui.shown(kPasswords));

    // Hiding the window drops them too.
    openPasswordWindow(gui);
    gui.type(kPasswords, ctl::passwords::Master, "baska");
    gui.windows().window(kPasswords)->close();
    QVERIFY(!gui.shown(kPasswords));
    QCOMPARE(gui.context().general().database().scalar("SELECT mids FROM mast").toString(),
             QStringLiteral("mirtan"));
    QCOMPARE(gui.program().passwords().form().text(ctl::passwords::Master), QStringLiteral("mirtan"));
}

void PasswordsTest::emptyMasterTableOpensWithoutCheck() {
    GuiProgram gui;
    gui.context().general().database().execute("DELETE FROM mast");
    gui.program().passwords().masterPasswords().close();
    openPasswordWindow(gui, "herhangi");
    QVERIFY(gui.shown(kPasswords));
    gui.type(kPasswords, ctl::passwords::Master, "yeni");
    gui.click(kPasswords, ctl::passwords::JvXPButton7);
    QCOMPARE(gui.context().general().database().scalar("SELECT mids FROM mast").toString(),
             QStringLiteral("yeni"));
    QCOMPARE(gui.program().entry().WrongPasswordCount(), 0);
}

QTEST_MAIN(PasswordsTest)
#include "test_passwords.moc"
