#pragma once

#include "app/EntryWindow.h"
#include "app/EntryWindowControls.h"
#include "app/PasswordWindow.h"
#include "app/Program.h"
#include "app/ui/ApplicationWindows.h"
#include "app/ui/ScriptedProgram.h"
#include "base/ScriptedPrompt.h"
#include "base/WindowNames.h"
#include "registry/RegistrationFormControls.h"
#include "storage/AppContext.h"
#include "storage/Installation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace velkor::test {

/// The scripted program, worked with the mouse and the keyboard as a user would.
class GuiProgram : public ScriptedProgram {
public:
    GuiProgram() {
        QApplication::setQuitOnLastWindowClosed(false);
        QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.*=false"));
    }

    /// The widget of a control in a window.
    template <typename W = QWidget> W* widget(const QString& window, const QString& control) {
        QWidget* top = windows().window(window);
        return top ? top->findChild<W*>(control) : nullptr;
    }
    /// Clicks a button of a window with the mouse.
    void click(const QString& window, const QString& button) {
        auto* b = widget<QAbstractButton>(window, button);
        QVERIFY2(b, qPrintable(window + "." + button));
        QTest::mouseClick(b, Qt::LeftButton);
    }
    /// Replaces the text of an edit by typing.
    void type(const QString& window, const QString& edit, const QString& text) {
        auto* e = widget<QLineEdit>(window, edit);
        QVERIFY2(e, qPrintable(window + "." + edit));
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        typeText(e, text);
    }
    /// Types a text key by key; letters beyond ASCII go as key events carrying their text.
    static void typeText(QWidget* w, const QString& text) {
        for (const QChar c : text) {
            if (c.unicode() < 128) {
                QTest::keyClick(w, c.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
            }
        }
    }
    /// Whether a window is on screen (the widget, not only the model).
    bool shown(const QString& window) { return windows().window(window)->isVisible(); }

    /// Registers a company through the registration window ("YENİ FİRMA EKLE", "SAKLA"),
    /// declining the offer to enter it (tests enter with enter()).
    void addCompany(const QString& code, const QString& name) {
        click(velkor::windows::kEntry, ctl::entry::YeniFirmaBut);
        type(velkor::windows::kRegistration, ctl::registration::KoduEdit, code);
        type(velkor::windows::kRegistration, ctl::registration::FirmaAdiEdit, name);
        prompt().addAnswer(No);
        click(velkor::windows::kRegistration, ctl::registration::kaydetBut);
        QVERIFY(!prompt().shown().empty() && prompt().shown().back().question);
        QCOMPARE(widget<QLineEdit>(velkor::windows::kEntry, ctl::entry::firmaedit)->text(), code);
        click(velkor::windows::kRegistration, ctl::registration::kapatBut);
    }
    /// Stores the entry password (a row of `sifreli`), or none when `password` is null.
    void setEntryPassword(const QString& password) {
        Database& db = context().general().database();
        db.execute(QStringLiteral("DELETE FROM sifreli"));
        if (!password.isNull())
            db.execute(QStringLiteral("INSERT INTO sifreli (sifre) VALUES (?)"), {password});
        program().passwords().entryPasswords().close();
    }
    /// Types the code and password into the entry window and presses "DÜZELTME İŞLEMLERİNE GİR".
    void enter(const QString& code, const QString& password = {}) {
        type(velkor::windows::kEntry, ctl::entry::firmaedit, code);
        type(velkor::windows::kEntry, ctl::entry::sifreEdit, password);
        click(velkor::windows::kEntry, ctl::entry::DuzeltmeBut);
    }
};

} // namespace velkor::test
