#include "GuiFixture.h"

#include "engine/FixedAssetSheet.h"
#include "engine/FixedAssetSheetControls.h"
#include "reports/JournalSheetControls.h"
#include "reports/ReportSheetControls.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTimer>

using namespace velkor;
using velkor::test::GuiProgram;

class PrintPreviewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void explanationTextOpensInThePreview();
};

void PrintPreviewTest::explanationTextOpensInThePreview() {
    GuiProgram gui;
    gui.addCompany("ORNEK", QStringLiteral("Örnek Şişe Sanayi ve Ticaret Anonim Şirketi"));
    gui.enter("ORNEK");
    FixedAssetSheet& sheet = gui.program().adjustmentWorkspace().fixedAssets();
    sheet.userSet(ctl::fixedasset::DuzeltmeAnaHesapCombo, "253");
    sheet.userSet(ctl::fixedasset::KoduEdit, "01");
    sheet.userSet(ctl::fixedasset::AdiEdit, QStringLiteral("TORNA TEZGAHI"));
    sheet.setDate(ctl::fixedasset::GirisTarihiDate, QDate(2020, 3, 15));
    sheet.userSet(ctl::fixedasset::KayitliTutariEdit, "100.000,00");
    sheet.click(ctl::fixedasset::DuzeltBut);

    QTemporaryDir out;
    const QString pdf = out.filePath("aciklama.pdf");
    QString title;
    int pages = 0;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QPrintPreviewDialog* dialog = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QPrintPreviewDialog*>(top))
                dialog = d;
        if (!dialog || !dialog->isVisible())
            return;
        poll.stop();
        title = dialog->windowTitle();
        if (auto* preview = dialog->findChild<QPrintPreviewWidget*>())
            pages = preview->pageCount();
        const QString shots = qEnvironmentVariable("VELKOR_SCREENSHOT_DIR");
        if (!shots.isEmpty()) {
            dialog->resize(1000, 1000);
            QApplication::processEvents();
            if (auto* preview = dialog->findChild<QPrintPreviewWidget*>())
                preview->fitInView();
            QApplication::processEvents();
            dialog->grab().save(shots + "/print_preview.png");
        }
        if (auto* save = dialog->findChild<QAction*>("PdfKaydetAction");
            save && pages == 1 && !QFileInfo::exists(pdf)) {
            gui.prompt().addFile(pdf);
            save->trigger();
        }
        dialog->reject();
    });
    poll.start();
    sheet.click(ctl::fixedasset::YazSBKBut);
    QCOMPARE(title, QStringLiteral("Velkor Rapor Önizleme"));
    QCOMPARE(pages, 1);
    QVERIFY(QFileInfo(pdf).size() > 1000);

    // The report sheet's buttons reach the same preview; the landscape layout too.
    FormModel& state = gui.program().adjustmentWorkspace().state();
    sheet.click(ctl::fixedasset::KaydetButton);
    state.click(ctl::report::RaporListeButton);
    for (const QString& button : {ctl::report::DuzRapYazBut, ctl::report::GenelAmortluBut,
                                  ctl::report::AnaHesapYazBut, ctl::journal::YevmiyeYazBut}) {
        title.clear();
        pages = 0;
        poll.start();
        state.click(button);
        QCOMPARE(title, QStringLiteral("Velkor Rapor Önizleme"));
        QCOMPARE(pages, 1);
    }
}

QTEST_MAIN(PrintPreviewTest)
#include "test_print_preview.moc"
