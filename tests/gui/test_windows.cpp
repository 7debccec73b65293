#include "GuiFixture.h"
#include "referencedata/ReferenceDataFormControls.h"

#include "base/WindowNames.h"
#include "base/ui/DialogPrompt.h"
#include "referencedata/ReferenceDataForm.h"

#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using namespace velkor;
using velkor::test::GuiProgram;

class WindowsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyWindowFitsTheSmallScreen();
    void questionBoxesHaveTurkishButtons();
    void engineErrorsAreShownAndTheProgramGoesOn();
    void dialogFiltersAreConverted();
    void boxesOpenCentredOnTheirWindow();
    void aBoxAfterAProgressWindowGoesOverTheWindowThatStartedTheWork();
};

void WindowsTest::everyWindowFitsTheSmallScreen() {
    GuiProgram gui;
    gui.addCompany("ORNEK", "Örnek Sanayi ve Ticaret Anonim Şirketi");
    gui.enter("ORNEK");
    gui.program().referenceData().open();
    const QString shots = qEnvironmentVariable("VELKOR_SCREENSHOT_DIR");
    for (const auto& window : gui.windows().all()) {
        const QSize needed = window->layout() ? window->layout()->minimumSize() : window->minimumSizeHint();
        QVERIFY2(needed.width() <= 1366 && needed.height() <= 740, qPrintable(QStringLiteral("%1 needs %2x%3")
                                                                                  .arg(window->objectName())
                                                                                  .arg(needed.width())
                                                                                  .arg(needed.height())));
        if (!shots.isEmpty()) {
            const bool wasVisible = window->isVisible();
            window->show();
            if (window->isMaximized() || window->width() > 1366 || window->height() > 740)
                window->resize(1366, 740);
            QTest::qWait(50);
            window->grab().save(shots + QLatin1Char('/') + window->objectName() + QStringLiteral(".png"));
            if (auto* tabs = window->findChild<QTabWidget*>(ctl::referencedata::PageControl1)) {
                tabs->setCurrentIndex(ReferenceDataForm::AmortismanTab);
                QTest::qWait(50);
                window->grab().save(shots + QLatin1Char('/') + window->objectName() +
                                    QStringLiteral("-3.png"));
            }
            if (!wasVisible)
                window->hide();
        }
    }
}

void WindowsTest::questionBoxesHaveTurkishButtons() {
    DialogPrompt prompt;
    QStringList captions;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        for (QAbstractButton* b : box->buttons())
            captions << b->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QStringLiteral("Hayır"))
                b->click();
    });
    const PromptButton answer = prompt.ask(QStringLiteral("Programı kapatmak istediğinize eminmisiniz?"),
                                           QStringLiteral("Velkor Enflasyon Düzeltme Programı"),
                                           PromptIcon::Question, Yes | No | Cancel);
    QCOMPARE(answer, No);
    captions.sort();
    QCOMPARE(captions, (QStringList{"Evet", "Hayır", "İptal"}));
    QCOMPARE(title, QStringLiteral("Velkor Enflasyon Düzeltme Programı"));

    // Escape answers Cancel when the box has one.
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    QCOMPARE(prompt.ask("?", "t", PromptIcon::Question, Yes | No | Cancel), Cancel);
}

void WindowsTest::engineErrorsAreShownAndTheProgramGoesOn() {
    GuiProgram gui;
    gui.addCompany("K1", "Birinci");
    QFile::remove(gui.home() + "Data/K1.mdb");
    gui.prompt().clearShown();
    gui.enter("K1");
    QCOMPARE(gui.prompt().shown().size(), size_t(1));
    QCOMPARE(gui.prompt().shown().front().icon, PromptIcon::Error);
    QVERIFY(!gui.shown(velkor::windows::kMainMenu));
    QVERIFY(gui.shown(velkor::windows::kEntry));
    // The next action works again.
    gui.addCompany("K2", "İkinci");
    gui.enter("K2");
    QVERIFY(gui.shown(velkor::windows::kMainMenu));
}

void WindowsTest::dialogFiltersAreConverted() {
    QCOMPARE(DialogPrompt::dialogFilter("Yedek (*.zip)|*.zip"), QStringLiteral("Yedek (*.zip)"));
    QCOMPARE(DialogPrompt::dialogFilter("Excel|*.xls;*.xlsx"), QStringLiteral("Excel (*.xls *.xlsx)"));
    QCOMPARE(DialogPrompt::dialogFilter(""), QString());
}

void WindowsTest::boxesOpenCentredOnTheirWindow() {
    DialogPrompt prompt;
    QWidget window;
    window.setGeometry(40, 60, 700, 500);
    auto* edit = new QLineEdit(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    edit->setFocus();
    QApplication::processEvents();
    QCOMPARE(DialogPrompt::parentWindow(), &window);
    QPoint boxCentre;
    QWidget* boxParent = nullptr;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        boxParent = box->parentWidget();
        boxCentre = box->frameGeometry().center();
        box->buttons().front()->click();
    });
    prompt.showMessage(QStringLiteral("Kayıt tamamlandı."), {}, PromptIcon::Information);
    QCOMPARE(boxParent, &window);
    QVERIFY2((boxCentre - window.frameGeometry().center()).manhattanLength() < 40,
             qPrintable(QStringLiteral("%1,%2").arg(boxCentre.x()).arg(boxCentre.y())));
}

// The main menu stays open under the window the user works in; a progress window that took
// the focus and closed again must not send the next box, and the focus after it, to the menu.
void WindowsTest::aBoxAfterAProgressWindowGoesOverTheWindowThatStartedTheWork() {
    DialogPrompt prompt;
    QWidget menu;
    menu.setGeometry(20, 20, 300, 300);
    auto* menuEdit = new QLineEdit(&menu);
    QWidget work;
    work.setGeometry(200, 100, 700, 500);
    auto* workEdit = new QLineEdit(&work);
    QWidget progress;
    progress.setGeometry(300, 300, 300, 100);
    auto* progressEdit = new QLineEdit(&progress);
    for (QWidget* w : {&menu, &work, &progress}) {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    for (auto [window, edit] :
         {std::pair<QWidget*, QLineEdit*>{&menu, menuEdit}, {&work, workEdit}, {&progress, progressEdit}}) {
        window->activateWindow();
        edit->setFocus();
        QApplication::processEvents();
    }
    progress.hide();
    QApplication::processEvents();
    QCOMPARE(DialogPrompt::parentWindow(), &work);
}

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"
