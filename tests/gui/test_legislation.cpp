#include "GuiFixture.h"
#include "app/MainMenuControls.h"

#include "base/WindowNames.h"
#include "legislation/LegislationForm.h"
#include "legislation/LegislationFormControls.h"

#include <QImage>
#include <QListWidget>
#include <QProcess>
#include <QTextCursor>
#include <QTextEdit>

using namespace velkor;
using velkor::test::GuiProgram;
namespace c = velkor::ctl::legislation;

class LegislationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theGuideOpensOnItsPageWithTheShippedContent();
    void anEditedGuideEntrySurvivesARestart();
};

void LegislationTest::theGuideOpensOnItsPageWithTheShippedContent() {
    GuiProgram gui;
    gui.addCompany("ORNEK", "Örnek A.Ş.");
    gui.enter("ORNEK");
    gui.click(velkor::windows::kMainMenu, ctl::mainmenu::BitBtn2);
    QVERIFY(gui.shown(velkor::windows::kLegislation));
    auto* tabs = gui.widget<QTabWidget>(velkor::windows::kLegislation, c::PageControl1);
    QCOMPARE(tabs->currentIndex(), 1);
    auto* list =
        gui.widget<QListWidget>(velkor::windows::kLegislation, c::KullanimList + QStringLiteral("View"));
    QCOMPARE(list->count(), 13);
    QCOMPARE(list->currentItem()->text(), QStringLiteral("01 Başlarken"));
    auto* text =
        gui.widget<QTextEdit>(velkor::windows::kLegislation, c::KullanimRich + QStringLiteral("View"));
    QVERIFY(text->toPlainText().contains(QStringLiteral("Firmaya giriş")));
    // The other libraries were loaded too.
    auto* legislation =
        gui.widget<QListWidget>(velkor::windows::kLegislation, c::MevzuatList + QStringLiteral("View"));
    QCOMPARE(legislation->count(), 1);
    auto* legislationText =
        gui.widget<QTextEdit>(velkor::windows::kLegislation, c::MevzuatRich + QStringLiteral("View"));
    QVERIFY(legislationText->isReadOnly());
    QVERIFY(legislationText->toPlainText().contains(QStringLiteral("Mevzuat kitaplığı hakkında")));
    auto* general =
        gui.widget<QListWidget>(velkor::windows::kLegislation, c::GenelBilgiList + QStringLiteral("View"));
    QCOMPARE(general->count(), 1);
    QCOMPARE(general->currentItem()->text(), QStringLiteral("Notlar"));
    QVERIFY(gui.widget<QTextEdit>(velkor::windows::kLegislation, c::GenelBilgiRich + QStringLiteral("View"))
                ->toPlainText()
                .contains(QStringLiteral("kendi notlarınızı")));

    // The guide's pictures come out of its archive into the text.
    list->setCurrentRow(2);
    QCOMPARE(list->currentItem()->text(), QStringLiteral("03 Sabit Kıymetlerin Düzeltilmesi"));
    const QVariant picture = text->document()->resource(QTextDocument::ImageResource,
                                                        QUrl(QStringLiteral("resimler/sabit-kiymet.png")));
    QVERIFY(picture.canConvert<QImage>());
    QVERIFY(picture.value<QImage>().width() > 600);
    const QVariant missing =
        text->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("../kullanim.enf")));
    QVERIFY(!missing.isValid());
    const QString shots = qEnvironmentVariable("VELKOR_SCREENSHOT_DIR");
    if (!shots.isEmpty())
        gui.windows()
            .window(velkor::windows::kLegislation)
            ->grab()
            .save(shots + QStringLiteral("/TMevzuatF.png"));
}

void LegislationTest::anEditedGuideEntrySurvivesARestart() {
    QTemporaryDir keep;
    QString home;
    {
        GuiProgram gui;
        home = gui.home();
        gui.program().legislation().open(1);
        auto* list =
            gui.widget<QListWidget>(velkor::windows::kLegislation, c::KullanimList + QStringLiteral("View"));
        list->setCurrentRow(4);
        auto* text =
            gui.widget<QTextEdit>(velkor::windows::kLegislation, c::KullanimRich + QStringLiteral("View"));
        text->selectAll();
        GuiProgram::typeText(text, QStringLiteral("Düzeltilmiş not"));
        gui.click(velkor::windows::kLegislation, c::JvNavPanelHeader3);
        QVERIFY(gui.prompt().shown().empty());

        // An edited entry with a picture keeps the picture.
        list->setCurrentRow(2);
        QTextCursor end(text->document());
        end.movePosition(QTextCursor::End);
        text->setTextCursor(end);
        GuiProgram::typeText(text, QStringLiteral(" Ek açıklama."));
        gui.click(velkor::windows::kLegislation, c::JvNavPanelHeader3);
        QVERIFY(gui.prompt().shown().empty());

        // A second program on the same installation folder reads the saved entries.
        const auto shown = [&home](const QString& name) {
            QProcess cli;
            cli.start(QStringLiteral(VELKOR_CLI_PATH),
                      {QStringLiteral("--home"), home, QStringLiteral("docs"), QStringLiteral("show"),
                       QStringLiteral("kullanim"), name});
            cli.waitForFinished(60000);
            return QString::fromUtf8(cli.readAllStandardOutput());
        };
        QVERIFY(shown(QStringLiteral("05 Özkaynaklar")).contains(QStringLiteral("Düzeltilmiş not")));
        const QString edited = shown(QStringLiteral("03 Sabit Kıymetlerin Düzeltilmesi"));
        QVERIFY(edited.contains(QStringLiteral("Ek açıklama.")));
        QVERIFY(edited.contains(QStringLiteral("src=\"resimler/sabit-kiymet.png\"")));
        for (const char* name : {"kullanim.enf", "teblig.enf", "GenelBilgi.enf"})
            QVERIFY(QFile::copy(home + QLatin1String(name),
                                keep.path() + QLatin1Char('/') + QLatin1String(name)));
    }
    ScriptedPrompt prompt;
    LegislationForm again(keep.path() + QLatin1Char('/'), prompt);
    again.FormCreate();
    again.open(1);
    again.userSet(c::KullanimList, QStringLiteral("05 Özkaynaklar"));
    QVERIFY(again.text(c::KullanimRich).contains(QStringLiteral("Düzeltilmiş not")));
}

QTEST_MAIN(LegislationTest)
#include "test_legislation.moc"
