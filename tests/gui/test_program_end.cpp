// The program as a real process: started through the same entry as `velkor`, driven
// to its close, and expected to end by itself with status 0.
#include "app/EntryWindowControls.h"
#include "app/MainMenuControls.h"
#include "app/Program.h"
#include "app/ui/ApplicationWindows.h"
#include "app/ui/ProgramRun.h"
#include "base/WindowNames.h"
#include "registry/RegistrationFormControls.h"
#include "storage/Installation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

using namespace velkor;

namespace {

// Answers every box the way the user does in this run: "Evet" where offered, else "Tamam".
void answerBoxes() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(top);
        if (!box || !box->isVisible())
            continue;
        std::printf("KUTU: %s\n", qPrintable(box->text()));
        std::fflush(stdout);
        QAbstractButton* chosen = nullptr;
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QStringLiteral("Evet") || (!chosen && b->text() == QStringLiteral("Tamam")))
                chosen = b;
        if (chosen)
            chosen->click();
    }
}

template <typename W>
W* widgetOf(ApplicationWindows& appWindows, const QString& window, const QString& name) {
    QWidget* top = appWindows.window(window);
    return top ? top->findChild<W*>(name) : nullptr;
}

void typeInto(ApplicationWindows& appWindows, const QString& window, const QString& edit,
              const QString& text) {
    auto* e = widgetOf<QLineEdit>(appWindows, window, edit);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
}

void press(ApplicationWindows& appWindows, const QString& window, const QString& button) {
    QTest::mouseClick(widgetOf<QAbstractButton>(appWindows, window, button), Qt::LeftButton);
}

// The child: registers a company, enters it and closes the main menu with its "KAPAT",
// answering "Evet".
int runChild(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.*=false"));
    setInstallationFolder(QString::fromLocal8Bit(argv[2]));
    auto* answerer = new QTimer(&app);
    QObject::connect(answerer, &QTimer::timeout, &app, answerBoxes);
    answerer->start(50);
    return runProgram(app, [](Program&, ApplicationWindows& appWindows) {
        QTimer::singleShot(100, [&appWindows] {
            press(appWindows, windows::kEntry, ctl::entry::YeniFirmaBut);
            typeInto(appWindows, windows::kRegistration, ctl::registration::KoduEdit, QStringLiteral("SON"));
            typeInto(appWindows, windows::kRegistration, ctl::registration::FirmaAdiEdit,
                     QStringLiteral("Son Deneme"));
            press(appWindows, windows::kRegistration, ctl::registration::kaydetBut);
            press(appWindows, windows::kRegistration, ctl::registration::kapatBut);
            typeInto(appWindows, windows::kEntry, ctl::entry::firmaedit, QStringLiteral("SON"));
            press(appWindows, windows::kEntry, ctl::entry::DuzeltmeBut);
            std::printf("MENÜ: %d\n", appWindows.window(windows::kMainMenu)->isVisible() ? 1 : 0);
            // The platform appends a display name to every caption; the captions carry the
            // program's name already.
            std::printf("ÇEVİRİ: %s\n", qPrintable(QCoreApplication::translate("QFileDialog", "Look in:")));
            std::printf("GÖRÜNEN AD: %s\n", qPrintable(QGuiApplication::applicationDisplayName()));
            std::fflush(stdout);
            // "KAPAT" brings the entry window back before the question, so a window is on
            // screen while the program ends.
            press(appWindows, windows::kMainMenu, ctl::mainmenu::JvXPButton19);
        });
    });
}

} // namespace

class ProgramEndTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void endsAfterEvetWithStatusZero();
};

void ProgramEndTest::endsAfterEvetWithStatusZero() {
    QTemporaryDir home;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), home.path() + "/"});
    QVERIFY(child.waitForStarted());
    const bool finished = child.waitForFinished(60000);
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    if (!finished) {
        child.kill();
        child.waitForFinished();
    }
    QVERIFY2(finished, qPrintable(QStringLiteral("the program did not end:\n") + output));
    QVERIFY2(output.contains(QStringLiteral("MENÜ: 1")), qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("KUTU: Programı kapatmak istediğinize eminmisiniz?")),
             qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("GÖRÜNEN AD: velkor\n")), qPrintable(output));
    // Qt's own dialogs speak Turkish.
    QVERIFY2(output.contains(QStringLiteral("ÇEVİRİ: ")) &&
                 !output.contains(QStringLiteral("ÇEVİRİ: Look in:")),
             qPrintable(output));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
}

int main(int argc, char* argv[]) {
    if (argc >= 3 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv);
    QApplication app(argc, argv);
    ProgramEndTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_program_end.moc"
