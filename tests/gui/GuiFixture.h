#pragma once

#include "app/EntryWindow.h"
#include "app/EntryWindowControls.h"
#include "app/PasswordWindow.h"
#include "app/Program.h"
#include "app/ui/ApplicationWindows.h"
#include "base/ScriptedPrompt.h"
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

/// The whole program with its windows on a fresh installation folder, questions answered
/// by a script.
class GuiProgram {
public:
    GuiProgram() {
        QApplication::setQuitOnLastWindowClosed(false);
        QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.*=false"));
        setInstallationFolder(m_dir.path());
        ensureInstallation(home());
        QDir::setCurrent(home());
        m_context = std::make_unique<AppContext>(home(), m_prompt);
        m_program = std::make_unique<Program>(*m_context);
        m_windows = std::make_unique<ApplicationWindows>(*m_program);
        m_program->start();
    }

    QString home() const { return m_dir.path() + QLatin1Char('/'); }
    ScriptedPrompt& prompt() { return m_prompt; }
    AppContext& context() { return *m_context; }
    Program& program() { return *m_program; }
    ApplicationWindows& windows() { return *m_windows; }

    /// The widget of a control in a window.
    template <typename W = QWidget> W* widget(const QString& window, const QString& control) {
        QWidget* top = m_windows->window(window);
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
    bool shown(const QString& window) { return m_windows->window(window)->isVisible(); }

    /// Registers a company through the registration window ("YENİ FİRMA EKLE", "SAKLA").
    void addCompany(const QString& code, const QString& name) {
        click(QStringLiteral("TGirisF"), ctl::entry::YeniFirmaBut);
        type(QStringLiteral("TFirmaKayitF"), ctl::registration::KoduEdit, code);
        type(QStringLiteral("TFirmaKayitF"), ctl::registration::FirmaAdiEdit, name);
        click(QStringLiteral("TFirmaKayitF"), ctl::registration::kaydetBut);
        click(QStringLiteral("TFirmaKayitF"), ctl::registration::kapatBut);
    }
    /// Stores the entry password (a row of `sifreli`), or none when `password` is null.
    void setEntryPassword(const QString& password) {
        Database& db = m_context->general().database();
        db.execute(QStringLiteral("DELETE FROM sifreli"));
        if (!password.isNull())
            db.execute(QStringLiteral("INSERT INTO sifreli (sifre) VALUES (?)"), {password});
        m_program->passwords().entryPasswords().close();
    }
    /// Types the code and password into the entry window and presses "DÜZELTME İŞLEMLERİNE GİR".
    void enter(const QString& code, const QString& password = {}) {
        type(QStringLiteral("TGirisF"), ctl::entry::firmaedit, code);
        type(QStringLiteral("TGirisF"), ctl::entry::sifreEdit, password);
        click(QStringLiteral("TGirisF"), ctl::entry::DuzeltmeBut);
    }

private:
    QTemporaryDir m_dir;
    ScriptedPrompt m_prompt;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<Program> m_program;
    std::unique_ptr<ApplicationWindows> m_windows;
};

} // namespace velkor::test
