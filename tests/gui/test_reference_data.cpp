#include "GuiFixture.h"
#include "app/MainMenuControls.h"
#include "referencedata/ReferenceDataFormControls.h"

#include "base/WindowNames.h"
#include "referencedata/ReferenceDataForm.h"
#include "referencedata/ui/TVerilerF.h"
#include "storage/ui/DatasetGrid.h"

#include "referencedata/PublishedFiguresFormControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

using namespace velkor;
using velkor::test::GuiProgram;

namespace {
const QString kData = velkor::windows::kReferenceData;
const QString kCashRegisters = QStringLiteral("Ödeme kaydedici cihazlar");

/// Opens the reference data window from the main menu of an entered company.
TVerilerF* openReferenceData(GuiProgram& gui) {
    gui.addCompany("K1", "Birinci");
    gui.enter("K1");
    gui.click(velkor::windows::kMainMenu, ctl::mainmenu::EkIslemBarItems0);
    return static_cast<TVerilerF*>(gui.windows().window(kData));
}

/// Adds depreciation classes whose descriptions the search should find.
void addRates(GuiProgram& gui) {
    Database& rates = gui.context().rates().database();
    const char* rows[] = {"Ödeme kaydedici cihazlar (yazar kasalar)", "IŞIKLANDIRMA tesisatı",
                          "İSKELE KURULUMU İNŞAATI", "Diğer ödeme kaydedici cihazlar"};
    for (const char* text : rows)
        rates.execute(
            "INSERT INTO Amortisman_Oranlari (tum_kodu, aciklama, omur_yil, oran) VALUES (?, ?, 4, 0.25)",
            {QStringLiteral("T.%1").arg(QString::fromUtf8(text).size()), QString::fromUtf8(text)});
    gui.program().referenceData().amortismanQuery().close();
}

QString currentDescription(GuiProgram& gui) {
    return gui.program().referenceData().amortismanQuery().text("aciklama");
}
} // namespace

class ReferenceDataTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensWithTheFiveTabsAndFormats();
    void yazarKasaIsSearchedByItsOfficialName();
    void searchIgnoresTurkishLetterCaseAndCycles();
    void panelFollowsTheSelectedRow();
    void rebuildingTheMonthlyIndexTwiceKeepsOneRowPerMonth();
    void publishedRatesTypedInTheWindowReachTheGridsAndTheHistory();
};

void ReferenceDataTest::publishedRatesTypedInTheWindowReachTheGridsAndTheHistory() {
    GuiProgram gui;
    TVerilerF* window = openReferenceData(gui);
    QTabWidget* tabs = window->tabs();
    tabs->setCurrentIndex(ReferenceDataForm::FiguresTab);
    auto* kinds = gui.widget<QTabWidget>(kData, ctl::figures::VeriTuruRadio);
    kinds->setCurrentIndex(1);
    auto* memo = gui.widget<QTextEdit>(kData, ctl::figures::SatirlarMemo);
    QCOMPARE(memo->toPlainText(), QStringLiteral("year,month,rate\n"));
    memo->setPlainText(QStringLiteral("year,month,rate\n2010,1,13.10\n2010,2,12.90\n"));
    gui.type(kData, ctl::figures::KaynakEdit, QStringLiteral("GİB 165 sirküler eki"));
    auto* faizGrid = tabs->widget(ReferenceDataForm::FaizTab)->findChild<DatasetGrid*>();
    const int years = faizGrid->model()->rowCount();
    gui.prompt().addAnswer(PromptButton::Yes);
    gui.widget<QPushButton>(kData, ctl::figures::EkleBut)->click();
    QCOMPARE(faizGrid->model()->rowCount(), years + 1);
    auto* history = qobject_cast<DatasetGrid*>(tabs->widget(ReferenceDataForm::HistoryTab));
    QCOMPARE(history->model()->rowCount(), 2);
    QCOMPARE(history->model()->index(0, 1).data().toString(), QStringLiteral("Ortalama Faiz"));
    QCOMPARE(history->model()->index(0, 5).data().toString(), QStringLiteral("GİB 165 sirküler eki"));
    QVERIFY(gui.widget<QLabel>(kData, ctl::figures::FaizKapsamText)
                ->text()
                .contains(QStringLiteral("Kullanıcı eklemeleri: 2")));
    window->grab().save(QStringLiteral("/tmp/issue15_figures.png"));
}

void ReferenceDataTest::opensWithTheFiveTabsAndFormats() {
    GuiProgram gui;
    TVerilerF* window = openReferenceData(gui);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Veriler"));
    QTabWidget* tabs = window->tabs();
    // The panel shows the first depreciation class as soon as the window opens.
    QCOMPARE(gui.widget<QLabel>(kData, ctl::referencedata::TumKoduText)->text(),
             gui.program().referenceData().amortismanQuery().text("tum_kodu"));
    QVERIFY(!gui.widget<QLabel>(kData, ctl::referencedata::TumKoduText)->text().isEmpty());
    const QModelIndex rate = window->rateGrid()->model()->index(2, 7);
    QCOMPARE(rate.data().toString(), QStringLiteral("2,00 %"));
    QCOMPARE(tabs->count(), 7);
    QCOMPARE(tabs->tabText(ReferenceDataForm::FiguresTab), QStringLiteral("Veri Ekle"));
    QCOMPARE(tabs->tabText(ReferenceDataForm::HistoryTab), QStringLiteral("Değişiklikler"));
    QVERIFY(gui.widget<QLabel>(kData, ctl::figures::YiUfeKapsamText)
                ->text()
                .startsWith(QStringLiteral("Son ay: Şubat 2026")));
    QVERIFY(gui.widget<QLabel>(kData, ctl::figures::AmortismanKapsamText)
                ->text()
                .startsWith(QStringLiteral("89 satır")));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->tabText(3), QStringLiteral("Amortisman Oranları"));
    QVERIFY(!tabs->isTabVisible(4));
    QVERIFY(!gui.widget(kData, ctl::referencedata::DuzeltmeVeritabanAktarBut)->isVisibleTo(window));

    auto* indexGrid = tabs->widget(0)->findChild<DatasetGrid*>();
    QVERIFY(indexGrid->model()->rowCount() > 0);
    QCOMPARE(indexGrid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("YIL"));
    // The months run in calendar order, though the table keeps August between May and June.
    const QStringList calendar{"YIL",    "Ocak",    "Şubat", "Mart", "Nisan", "Mayıs", "Haziran",
                               "Temmuz", "Ağustos", "Eylül", "Ekim", "Kasım", "Aralık"};
    for (int column = 0; column < calendar.size(); ++column)
        QCOMPARE(indexGrid->model()->headerData(column, Qt::Horizontal).toString(), calendar.at(column));
    // An index value shows two decimals with the Turkish separators.
    const QString value = indexGrid->model()->index(0, 1).data().toString();
    QVERIFY2(value.contains(QRegularExpression("^[0-9.]+,[0-9]{2}$")), qPrintable(value));
    QCOMPARE(indexGrid->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 192));
    QCOMPARE(indexGrid->model()->index(1, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));

    auto* tefeGrid = tabs->widget(1)->findChild<DatasetGrid*>();
    const QString coefficient = tefeGrid->model()->index(0, 1).data().toString();
    QVERIFY2(coefficient.contains(QRegularExpression(",[0-9]{5}$")), qPrintable(coefficient));
    // Every value fits its column, the largest index values included.
    for (int column = 0; column < tefeGrid->model()->columnCount(); ++column) {
        int widest = 0;
        for (int row = 0; row < tefeGrid->model()->rowCount(); ++row)
            widest = std::max(widest, tefeGrid->fontMetrics().horizontalAdvance(
                                          tefeGrid->model()->index(row, column).data().toString()));
        QVERIFY2(tefeGrid->columnWidth(column) > widest, qPrintable(QString::number(column)));
    }

    QCOMPARE(ReferenceDataForm::oran2Text(0.2), QStringLiteral("20,00 %"));
    QCOMPARE(ReferenceDataForm::oran2Text(0.0303), QStringLiteral("3,03 %"));
    QCOMPARE(ReferenceDataForm::oran2Text(QVariant()), QString());
    QCOMPARE(ReferenceDataForm::oran2Text(0.0), QString());

    gui.click(kData, ctl::referencedata::KapatBut);
    QVERIFY(!window->isVisible());
}

void ReferenceDataTest::yazarKasaIsSearchedByItsOfficialName() {
    GuiProgram gui;
    openReferenceData(gui);
    addRates(gui);
    gui.program().referenceData().open();
    gui.type(kData, ctl::referencedata::AraEdit, "YAZAR KASA");
    gui.click(kData, ctl::referencedata::AramaYap);
    QCOMPARE(gui.widget<QLineEdit>(kData, ctl::referencedata::AraEdit)->text(), kCashRegisters);
    QCOMPARE(currentDescription(gui), QStringLiteral("Ödeme kaydedici cihazlar (yazar kasalar)"));
    auto* grid = static_cast<TVerilerF*>(gui.windows().window(kData))->rateGrid();
    QCOMPARE(grid->currentIndex().row() + 1, gui.program().referenceData().amortismanQuery().recNo());
    // "Ara" again finds the next one.
    gui.click(kData, ctl::referencedata::AramaYap);
    QCOMPARE(currentDescription(gui), QStringLiteral("Diğer ödeme kaydedici cihazlar"));
}

void ReferenceDataTest::searchIgnoresTurkishLetterCaseAndCycles() {
    GuiProgram gui;
    openReferenceData(gui);
    addRates(gui);
    gui.program().referenceData().open();
    gui.type(kData, ctl::referencedata::AraEdit, "ışık");
    gui.click(kData, ctl::referencedata::AramaYap);
    QCOMPARE(currentDescription(gui), QStringLiteral("IŞIKLANDIRMA tesisatı"));
    gui.type(kData, ctl::referencedata::AraEdit, "iskele kurulumu i");
    gui.click(kData, ctl::referencedata::AramaYap);
    QCOMPARE(currentDescription(gui), QStringLiteral("İSKELE KURULUMU İNŞAATI"));
    // The only match is found again after the walk wraps around.
    gui.click(kData, ctl::referencedata::AramaYap);
    QCOMPARE(currentDescription(gui), QStringLiteral("İSKELE KURULUMU İNŞAATI"));
    gui.prompt().clearShown();
    gui.type(kData, ctl::referencedata::AraEdit, "bulunmayan metin");
    gui.click(kData, ctl::referencedata::AramaYap);
    QVERIFY(gui.prompt().shown().empty());
}

void ReferenceDataTest::panelFollowsTheSelectedRow() {
    GuiProgram gui;
    TVerilerF* window = openReferenceData(gui);
    window->tabs()->setCurrentIndex(3);
    DatasetGrid* grid = window->rateGrid();
    const QRect cell = grid->visualRect(grid->model()->index(2, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    Query& rates = gui.program().referenceData().amortismanQuery();
    QCOMPARE(rates.recNo(), 3);
    QCOMPARE(gui.widget<QLabel>(kData, ctl::referencedata::TumKoduText)->text(), rates.text("tum_kodu"));
    QCOMPARE(gui.widget<QLabel>(kData, ctl::referencedata::OmurYilText)->text(), rates.text("omur_yil"));
    QCOMPARE(gui.widget<QLabel>(kData, ctl::referencedata::Oran2Text)->text(),
             ReferenceDataForm::oran2Text(rates.value("oran")));
    QCOMPARE(gui.program().referenceData().form().text(ctl::referencedata::AciklamaMemo),
             rates.text("aciklama"));
}

void ReferenceDataTest::rebuildingTheMonthlyIndexTwiceKeepsOneRowPerMonth() {
    GuiProgram gui;
    TVerilerF* window = openReferenceData(gui);
    // The rebuilds below say nothing; the setup's offer to enter the new company was asked.
    gui.prompt().clearShown();
    Database& rates = gui.context().rates().database();
    const int years = rates.scalar("SELECT COUNT(*) FROM YI_UFE").toInt();
    auto* hiddenGrid = qobject_cast<DatasetGrid*>(window->tabs()->widget(ReferenceDataForm::YiUfeYeniTab));
    for (int run = 0; run < 2; ++run) {
        gui.program().referenceData().form().click(ctl::referencedata::DuzeltmeVeritabanAktarBut);
        QCOMPARE(rates.scalar("SELECT COUNT(DISTINCT YilAy) FROM YI_UFE_Yeni").toInt(), years * 12);
        QCOMPARE(rates.scalar("SELECT COUNT(*) FROM YI_UFE_Yeni").toInt(), years * 12);
        QCOMPARE(hiddenGrid->model()->rowCount(), years * 12);
    }
    QVERIFY(gui.prompt().shown().empty());
}

QTEST_MAIN(ReferenceDataTest)
#include "test_reference_data.moc"
