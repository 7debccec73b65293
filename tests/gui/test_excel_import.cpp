#include "GuiFixture.h"

#include "app/MainMenu.h"
#include "app/MainMenuControls.h"
#include "base/WindowNames.h"
#include "import/ExcelImportForm.h"
#include "import/ExcelImportFormControls.h"
#include "workspace/Workspace.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>

using namespace velkor;
using velkor::test::GuiProgram;

namespace ie = velkor::ctl::excelimport;

class ExcelImportWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theMenuOpensTheWindowAndAWorkbookFillsItsGrid();
};

void ExcelImportWindowTest::theMenuOpensTheWindowAndAWorkbookFillsItsGrid() {
    GuiProgram gui;
    gui.addCompany("ORNEK", "Örnek Sanayi");
    gui.enter("ORNEK");
    gui.program().mainMenu().form().click(velkor::ctl::mainmenu::VeriAktarimBarItems0);
    FormWindow* window = gui.windows().window(velkor::windows::kExcelImport);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    auto* grid = window->findChild<QTableView*>(ie::StringGrid1);
    QVERIFY(grid);
    QCOMPARE(grid->model()->rowCount(), 21);
    QCOMPARE(grid->model()->columnCount(), 11);

    gui.prompt().addFile(QStringLiteral(VELKOR_TEST_SOURCE_DIR "/spreadsheet/data/book.xlsx"));
    window->findChild<QPushButton*>(ie::ExcelVerialBut)->click();
    QCOMPARE(grid->model()->rowCount(), 7);
    QCOMPARE(grid->model()->index(2, 2).data().toString(), QStringLiteral("Şişli Ofis Makinesi"));
    QCOMPARE(grid->model()->index(2, 3).data().toString(), QStringLiteral("15.03.2018"));
    QVERIFY(window->findChild<QLabel*>(ie::SayfaLabel)->text().contains(QStringLiteral("2 sayfa")));

    ExcelImportForm& form = gui.program().excelImport();
    for (const auto& [edit, value] : std::vector<std::pair<QString, QString>>{{ie::AnaHesapE, "1"},
                                                                              {ie::AlHesapKodE, "1"},
                                                                              {ie::HesapAdiEdit, "2"},
                                                                              {ie::GirisTarihiE, "3"},
                                                                              {ie::KayitliTutarE, "4"},
                                                                              {ie::PasifTutarE, "5"},
                                                                              {ie::AmortSureE, "6"}})
        form.setText(edit, value);
    form.setChecked(ie::ilkUcHarfCheck, true);
    grid->model()->setData(grid->model()->index(2, 2), QStringLiteral("Düzeltilmiş ad"));
    gui.prompt().addAnswer(Yes);
    window->findChild<QPushButton*>(ie::KayitAktarBut)->click();
    QCOMPARE(gui.program().adjustmentWorkspace().SBKTable().recordCount(), 2);
    QCOMPARE(gui.program().adjustmentWorkspace().SBKTable().value(QStringLiteral("sbk_adi")).toString(),
             QStringLiteral("Çığ Güzel İş"));
    // The end of the import says how many items it created.
    QCOMPARE(gui.prompt().texts().last(), QStringLiteral("Aktarma bitti: 2 kayıt aktarıldı."));

    // Enter moves on from one column edit to the next, as everywhere.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* first = window->findChild<QLineEdit*>(ie::AnaHesapE);
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());
    QTest::keyClick(first, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), window->findChild<QLineEdit*>(ie::AlHesapKodE));

    const QString shots = qEnvironmentVariable("VELKOR_SCREENSHOT_DIR");
    if (!shots.isEmpty()) {
        window->resize(1366, 740);
        QTest::qWait(50);
        window->grab().save(shots + QStringLiteral("/TExcelVeriAktarF-loaded.png"));
    }
}

QTEST_MAIN(ExcelImportWindowTest)
#include "test_excel_import.moc"
