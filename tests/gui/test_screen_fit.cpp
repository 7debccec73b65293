#include "GuiFixture.h"

#include "app/MainMenuControls.h"
#include "app/ui/MissingTurkishTexts.h"
#include "app/ui/ProgramRun.h"
#include "base/Prompt.h"
#include "base/WindowNames.h"
#include "base/ui/DialogPrompt.h"
#include "base/ui/ScreenPlacement.h"
#include "engine/FixedAssetSheet.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/WorkspaceStateControls.h"
#include "referencedata/ReferenceDataForm.h"
#include "storage/ui/DatasetGrid.h"
#include "workspace/Workspace.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QFileIconProvider>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

using namespace velkor;
using velkor::test::GuiProgram;

namespace {

// The screen of the office computers the program must fit: 1366×768.
constexpr QSize kSmallScreen(1366, 768);

QString shown(const QString& text) {
    QString plain = text;
    plain.remove(QLatin1Char('&'));
    return plain;
}

/// The texts of a window's visible widgets that do not show whole: buttons whose caption
/// leaves no margin, labels on one line narrower than their text, check boxes and radio
/// buttons narrower than they ask, grid headers narrower than their titles.
QStringList cutTexts(QWidget& window) {
    QStringList cut;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window))
            continue;
        const QFontMetrics metrics(w->font());
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            // Some room on either side of the caption, as a frame needs to look apart from it.
            const int needed = metrics.horizontalAdvance(shown(button->text())) + 2 * 10;
            if (!button->text().isEmpty() && button->width() < needed)
                cut << QStringLiteral("%1 \"%2\" %3<%4")
                           .arg(w->objectName(), button->text())
                           .arg(button->width())
                           .arg(needed);
        } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            if (w->width() < w->sizeHint().width())
                cut << QStringLiteral("%1 \"%2\"")
                           .arg(w->objectName(), static_cast<QAbstractButton*>(w)->text());
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->wordWrap() || label->text().contains(QLatin1Char('<')) || label->text().contains('\n'))
                continue;
            if (label->contentsRect().width() < metrics.horizontalAdvance(shown(label->text())))
                cut << QStringLiteral("%1 \"%2\"").arg(w->objectName(), label->text());
        } else if (auto* grid = qobject_cast<QTableView*>(w)) {
            QHeaderView* header = grid->horizontalHeader();
            const QFontMetrics titles(header->font());
            for (int c = 0; c < header->count(); ++c) {
                const QString title = grid->model()->headerData(c, Qt::Horizontal).toString();
                if (!header->isSectionHidden(c) && header->sectionSize(c) < titles.horizontalAdvance(title))
                    cut << QStringLiteral("%1 column \"%2\"").arg(w->objectName(), title);
            }
        }
    }
    return cut;
}

} // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void framesAreMovedAndShrunkIntoTheScreen();
    void everyWindowOpensWholeWithItsTextsWhole();
    void aWindowLeftOffTheScreenComesBackWhole();
    void theItemListShowsLongNamesWhole();
    void boxesAreAsWideAsTheirCaption();
    void fileDialogKindsAreTurkish();
};

void ScreenFitTest::framesAreMovedAndShrunkIntoTheScreen() {
    const QRect screen(0, 0, 1366, 768);
    // Inside: unchanged.
    QCOMPARE(fitFrameInto(QRect(100, 50, 800, 600), screen), QRect(100, 50, 800, 600));
    // Below and right of the edge: moved back in, the size kept.
    QCOMPARE(fitFrameInto(QRect(726, 463, 648, 352), screen), QRect(718, 416, 648, 352));
    QCOMPARE(fitFrameInto(QRect(-40, -10, 300, 200), screen), QRect(0, 0, 300, 200));
    // Larger than the screen: shrunk to it.
    QCOMPARE(fitFrameInto(QRect(0, 30, 1380, 800), screen), screen);
    // A free area that starts below a panel.
    QCOMPARE(fitFrameInto(QRect(0, 0, 400, 300), QRect(0, 28, 1366, 740)), QRect(0, 28, 400, 300));
}

void ScreenFitTest::everyWindowOpensWholeWithItsTextsWhole() {
    GuiProgram gui;
    QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), kSmallScreen);
    gui.addCompany("ORNEK", "Örnek Sanayi ve Ticaret Anonim Şirketi");
    gui.enter("ORNEK");
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    for (const auto& window : gui.windows().all()) {
        window->showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QString name = window->objectName();
        // The frame the window manager adds, estimated or real, stays on the screen too.
        const QRect frame = window->geometry().marginsAdded(windowFrameMargins(*window));
        QVERIFY2(available.contains(frame), qPrintable(QStringLiteral("%1 at %2,%3 %4x%5")
                                                           .arg(name)
                                                           .arg(frame.x())
                                                           .arg(frame.y())
                                                           .arg(frame.width())
                                                           .arg(frame.height())));
        if (captionWidth(*window) <= available.width())
            QVERIFY2(window->width() >= captionWidth(*window),
                     qPrintable(name + ": " + window->windowTitle()));
        // Every page of every tab control, as the user opens them.
        QList<QTabWidget*> tabs = window->findChildren<QTabWidget*>();
        QStringList cut = cutTexts(*window);
        for (QTabWidget* tab : tabs) {
            for (int i = 0; i < tab->count(); ++i) {
                tab->setCurrentIndex(i);
                QTest::qWait(20);
                cut << cutTexts(*window);
            }
            tab->setCurrentIndex(0);
        }
        cut.removeDuplicates();
        QVERIFY2(cut.isEmpty(), qPrintable(name + ": " + cut.join(QStringLiteral("; "))));
        window->hide();
    }
}

void ScreenFitTest::aWindowLeftOffTheScreenComesBackWhole() {
    GuiProgram gui;
    QWidget* entry = gui.windows().window(velkor::windows::kEntry);
    QVERIFY(QTest::qWaitForWindowExposed(entry));
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    // Where a window manager put the entry window when it came back: its bottom below the
    // screen's edge.
    entry->hide();
    entry->move(726, 463);
    gui.program().windows().hide(velkor::windows::kEntry);
    gui.program().windows().show(velkor::windows::kEntry);
    QVERIFY(entry->isVisible());
    const QRect back = entry->geometry().marginsAdded(windowFrameMargins(*entry));
    QVERIFY(available.contains(back));
    // Moved only as far as needed: it now sits on the bottom edge.
    QCOMPARE(back.bottom(), available.bottom());

    // A window larger than the screen is shrunk to it.
    QWidget* registration = gui.windows().window(velkor::windows::kRegistration);
    registration->resize(1500, 900);
    gui.program().windows().show(velkor::windows::kRegistration);
    QVERIFY(registration->isVisible());
    const QRect frame = registration->geometry().marginsAdded(windowFrameMargins(*registration));
    QVERIFY2(available.contains(frame),
             qPrintable(QStringLiteral("%1x%2").arg(frame.width()).arg(frame.height())));
}

void ScreenFitTest::theItemListShowsLongNamesWhole() {
    GuiProgram gui;
    gui.addCompany("ORNEK", "Örnek Sanayi");
    gui.enter("ORNEK");
    gui.click(velkor::windows::kMainMenu, ctl::mainmenu::GeneIslemBarItems0);
    QVERIFY(gui.shown(velkor::windows::kWorkspace));
    const QString name = QStringLiteral("CNC TORNA TEZGAHI VE YARDIMCI EKİPMANLARI");
    FormModel& sheet = gui.program().adjustmentWorkspace().fixedAssets();
    sheet.userSet(ctl::fixedasset::KoduEdit, QStringLiteral("001"));
    sheet.userSet(ctl::fixedasset::AdiEdit, name);
    sheet.userSet(ctl::fixedasset::KayitliTutariEdit, QStringLiteral("1000"));
    sheet.click(ctl::fixedasset::DuzeltBut);
    sheet.click(ctl::fixedasset::KaydetButton);
    QTest::qWait(50);
    auto* list = gui.widget<DatasetGrid>(velkor::windows::kWorkspace, ctl::workspace::SBKListeGrid);
    QVERIFY(list);
    QCOMPARE(list->model()->rowCount(), 1);
    QCOMPARE(list->model()->index(0, 2).data().toString(), name);
    const QFontMetrics metrics(list->font());
    QVERIFY2(list->columnWidth(2) > metrics.horizontalAdvance(name),
             qPrintable(QString::number(list->columnWidth(2))));
}

void ScreenFitTest::boxesAreAsWideAsTheirCaption() {
    DialogPrompt prompt;
    QWidget window;
    window.setWindowTitle(kApplicationTitle);
    window.setGeometry(300, 200, 700, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    int width = 0;
    int needed = 0;
    QPoint centre;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        width = box->width();
        needed = captionWidth(*box);
        centre = box->frameGeometry().center();
        box->buttons().front()->click();
    });
    prompt.showMessage(QStringLiteral("Tamam."), {}, PromptIcon::Information);
    QVERIFY2(width >= needed, qPrintable(QStringLiteral("%1 < %2").arg(width).arg(needed)));
    QVERIFY((centre - window.frameGeometry().center()).manhattanLength() < 40);
}

void ScreenFitTest::fileDialogKindsAreTurkish() {
    const MissingTurkishTexts texts;
    QCOMPARE(texts.translate("QAbstractFileIconProvider", "Folder", "All other platforms"),
             QStringLiteral("Klasör"));
    QCOMPARE(texts.translate("QAbstractFileIconProvider", "Drive"), QStringLiteral("Sürücü"));
    // Everything else is left to Qt's own catalogue.
    QVERIFY(texts.translate("QFileDialog", "Look in:").isEmpty());
    QVERIFY(texts.translate("QAbstractFileIconProvider", "Computer").isEmpty());

    // Installed as the program installs it, the file dialog's type column says "Klasör".
    installTurkishTranslations(*qApp);
    const QFileIconProvider icons;
    QCOMPARE(icons.type(QFileInfo(QDir::tempPath())), QStringLiteral("Klasör"));
    const QString lookIn = QCoreApplication::translate("QFileDialog", "Look in:");
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_tr.qm")))
        QCOMPARE(lookIn, QStringLiteral("Arama konumu:"));
}

int main(int argc, char** argv) {
    // An offscreen screen of the size the program must fit.
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(QStringLiteral(R"({"screens": [{"name": "ofis", "x": 0, "y": 0, "width": %1, "height": %2,
                                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                   .arg(kSmallScreen.width())
                   .arg(kSmallScreen.height())
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    ScreenFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_screen_fit.moc"
