// The program of an office's auditor: a login of the server's reading role whose password
// is nowhere libpq looks, so that the program asks for it.
#include "app/EntryWindowControls.h"
#include "app/MainMenu.h"
#include "app/MainMenuControls.h"
#include "app/Program.h"
#include "app/ReadingLogin.h"
#include "app/ServerPasswordQuestion.h"
#include "app/ui/ApplicationWindows.h"
#include "base/ScriptedPrompt.h"
#include "base/WindowNames.h"
#include "base/ui/DialogPrompt.h"
#include "base/ui/FormWindow.h"
#include "engine/FixedAssetSheetControls.h"
#include "storage/AppContext.h"
#include "storage/IniFile.h"
#include "storage/Installation.h"
#include "storage/OfficeConnection.h"
#include "storage/OfficeServer.h"
#include "support/OfficeInstallation.h"
#include "support/PostgresServer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace velkor;

namespace {

const QString kPassword = QStringLiteral("Dnt-7421-gizli");

class ReadingLoginTest : public QObject {
    Q_OBJECT

private:
    /// The program started on the office as the auditor, its questions answered by `prompt`.
    struct Run {
        explicit Run(const QString& home, ScriptedPrompt& prompt) : context(home, prompt), program(context) {
            windows = std::make_unique<ApplicationWindows>(program);
            program.start();
        }
        AppContext context;
        Program program;
        std::unique_ptr<ApplicationWindows> windows;
    };

    int passwordQuestions(const ScriptedPrompt& prompt) const {
        int count = 0;
        for (const ScriptedPrompt::Shown& shown : prompt.shown())
            count += shown.title == kServerPasswordTitle ? 1 : 0;
        return count;
    }

    std::unique_ptr<test::OfficeInstallation> m_office;
    QTemporaryDir m_files;

private Q_SLOTS:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.*=false"));
        test::PostgresServer* server = test::PostgresServer::shared();
        if (!server)
            QSKIP(qPrintable(test::PostgresServer::skipReason()));
        m_office = std::make_unique<test::OfficeInstallation>(*server, QStringLiteral(VELKOR_CLI_PATH));
        QVERIFY2(m_office->error().isEmpty(), qPrintable(m_office->error()));
        QVERIFY2(m_office->addCompany(QStringLiteral("ABC")), qPrintable(m_office->error()));
        const QString auditor = m_office->database() + QStringLiteral("_denetci");
        server->superuserExec(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%2' IN ROLE %3")
                                  .arg(auditor, kPassword, officeRoles(m_office->database()).reader),
                              m_office->database());
        QFile service(m_files.filePath(QStringLiteral("pg_service.conf")));
        QVERIFY(service.open(QIODevice::WriteOnly));
        service.write(QStringLiteral("[denetci]\nhost=%1\nport=%2\ndbname=%3\nuser=%4\nsslmode=disable\n")
                          .arg(server->host())
                          .arg(server->port())
                          .arg(m_office->database(), auditor)
                          .toUtf8());
        service.close();
        qputenv("PGSERVICEFILE", service.fileName().toUtf8());
        qputenv("PGPASSFILE", m_files.filePath(QStringLiteral("yok")).toUtf8());
        qunsetenv("PGPASSWORD");
        IniFile(QDir(m_office->home()).filePath(QStringLiteral("Ayarlar.ini")))
            .setValue(kServerSection, kServerServiceKey, QStringLiteral("denetci"));
        setInstallationFolder(m_office->home());
        QDir::setCurrent(m_office->home());
    }

    void anAuditorIsAskedForThePasswordAndSeesTheSheetsSaveDisabled() {
        ScriptedPrompt prompt;
        prompt.addText(QStringLiteral("yanlis"));
        prompt.addText(kPassword);
        Run run(m_office->home(), prompt);
        // Asked at the first connection, once more after the refused answer, and not again.
        QCOMPARE(passwordQuestions(prompt), 2);
        QVERIFY2(prompt.shown()[1].text.startsWith(QStringLiteral("Sunucu parolayı kabul etmedi")),
                 qPrintable(prompt.shown()[1].text));
        QVERIFY(run.context.readingLogin());

        FormWindow* entry = run.windows->window(windows::kEntry);
        auto* code = entry->findChild<QLineEdit*>(ctl::entry::firmaedit);
        QVERIFY(code);
        QTest::keyClicks(code, QStringLiteral("ABC"));
        QTest::mouseClick(entry->findChild<QAbstractButton*>(ctl::entry::DuzeltmeBut), Qt::LeftButton);
        FormWindow* menu = run.windows->window(windows::kMainMenu);
        QVERIFY2(menu->isVisible(), qPrintable(prompt.texts().join(QLatin1Char('\n'))));
        QTest::mouseClick(menu->findChild<QAbstractButton*>(ctl::mainmenu::GeneIslemBarItems0),
                          Qt::LeftButton);
        QWidget* workspace = run.windows->window(windows::kWorkspace);
        QVERIFY2(workspace->isVisible(), qPrintable(prompt.texts().join(QLatin1Char('\n'))));
        auto* save = workspace->findChild<QAbstractButton*>(ctl::fixedasset::KaydetButton);
        QVERIFY(save);
        QVERIFY(!save->isEnabled());
        auto* name = workspace->findChild<QLineEdit*>(ctl::fixedasset::AdiEdit);
        QVERIFY(name && name->isReadOnly());
        auto* adjust = workspace->findChild<QAbstractButton*>(ctl::fixedasset::DuzeltBut);
        QVERIFY(adjust && adjust->isEnabled());
        QVERIFY(run.program.mainMenu().form().caption().endsWith(kReadingLoginNotice));
        QCOMPARE(passwordQuestions(prompt), 2);

        // The password lived in memory only.
        QDirIterator files(m_office->home(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(!file.readAll().contains(kPassword.toUtf8()), qPrintable(file.fileName()));
        }
    }

    void aCancelledPasswordIsSaidOnceAndTheProgramEnds() {
        ScriptedPrompt prompt;
        Run run(m_office->home(), prompt);
        QCOMPARE(passwordQuestions(prompt), 1);
        // Told once; nothing of the office works without its server, so the program ends.
        QCOMPARE(prompt.texts().size(), 2);
        QCOMPARE(prompt.texts().at(1),
                 QStringLiteral(
                     "Parola girilmediği için büro sunucusuna bağlanılmadı; sunucudaki veriler açılamaz. "
                     "Parolayı girmek için programı yeniden başlatınız."));
        QVERIFY(run.program.hasEnded());
        QVERIFY(!run.windows->window(windows::kEntry)->isVisible());
    }

    void theDesktopsQuestionHidesWhatIsTyped() {
        DialogPrompt prompt;
        bool hidden = false;
        QTimer::singleShot(0, [&hidden] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QInputDialog*>(top); box && box->isVisible()) {
                    hidden = box->textEchoMode() == QLineEdit::Password;
                    box->setTextValue(kPassword);
                    box->accept();
                }
            }
        });
        QCOMPARE(prompt.askText(QStringLiteral("Parola:"), kServerPasswordTitle, true),
                 std::optional<QString>(kPassword));
        QVERIFY(hidden);
        QTimer::singleShot(0, [] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QInputDialog*>(top); box && box->isVisible())
                    box->reject();
            }
        });
        QCOMPARE(prompt.askText(QStringLiteral("Parola:"), kServerPasswordTitle, true), std::nullopt);
    }
};

} // namespace

QTEST_MAIN(ReadingLoginTest)
#include "test_reading_login.moc"
