#include "GuiFixture.h"
#include "app/CompaniesWindowControls.h"
#include "app/EntryWindowControls.h"
#include "app/MainMenuControls.h"

#include "app/CompaniesWindow.h"
#include "app/ui/TGirisRF.h"
#include "base/WindowNames.h"
#include "registry/CompanyRegistry.h"
#include "storage/IniFile.h"
#include "storage/ui/DatasetGrid.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

using namespace velkor;
using velkor::test::GuiProgram;

namespace {
const QString kEntry = velkor::windows::kEntry;
const QString kCompanies = velkor::windows::kCompanies;

DatasetGrid* companyGrid(GuiProgram& gui) {
    return static_cast<TGirisRF*>(gui.windows().window(kCompanies))->grid();
}

/// Double-clicks a row of the grid.
void doubleClickRow(DatasetGrid* grid, int row) {
    const QRect cell = grid->visualRect(grid->model()->index(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}
} // namespace

class CompaniesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void gridListsTheCompaniesWithRowColours();
    void pickingByDoubleClickFillsTheEntryWindow();
    void pickedCompanyCanBeEntered();
    void deletingAsksThreeTimes();
    void answeringYesToAbortKeepsTheCompany();
    void backupSettingsAreStoredAndLoaded();
    void badStoredDateKeepsTheDefault();
    void backupAndRestoreButtonsWriteAndReadArchives();
    void theEnteredCompanyIsBackedUpFromThePanel();
};

void CompaniesTest::gridListsTheCompaniesWithRowColours() {
    GuiProgram gui;
    gui.addCompany("A1", "Alfa");
    gui.addCompany("B2", "Beta");
    gui.addCompany("C3", "Gama");
    gui.click(kEntry, ctl::entry::FirmaSecBut);
    QVERIFY(gui.shown(kCompanies));
    QVERIFY(gui.shown(kEntry));
    QAbstractItemModel* model = companyGrid(gui)->model();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Kodu"));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Firma Adı"));
    QCOMPARE(model->index(1, 1).data().toString(), QStringLiteral("Beta"));
    QCOMPARE(model->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 192));
    QCOMPARE(model->index(1, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
    QCOMPARE(model->index(2, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 192));
}

void CompaniesTest::pickingByDoubleClickFillsTheEntryWindow() {
    GuiProgram gui;
    gui.addCompany("A1", "Alfa");
    gui.addCompany("B2", "Beta");
    gui.click(kEntry, ctl::entry::FirmaSecBut);
    doubleClickRow(companyGrid(gui), 1);
    QCOMPARE(gui.widget<QLineEdit>(kEntry, ctl::entry::firmaedit)->text(), QStringLiteral("B2"));
    QCOMPARE(gui.widget<QLabel>(kEntry, ctl::entry::Label1)->text(), QStringLiteral("Beta"));
    QVERIFY(!gui.shown(kCompanies));
    QVERIFY(gui.shown(kEntry));
    QCOMPARE(gui.program().registry().entryTable().text("kodu"), QStringLiteral("B2"));

    // The button picks the row the cursor stands on.
    gui.click(kEntry, ctl::entry::FirmaSecBut);
    QTest::mouseClick(companyGrid(gui)->viewport(), Qt::LeftButton, {},
                      companyGrid(gui)->visualRect(companyGrid(gui)->model()->index(0, 0)).center());
    gui.click(kCompanies, ctl::companies::FirmaSecBut);
    QCOMPARE(gui.widget<QLineEdit>(kEntry, ctl::entry::firmaedit)->text(), QStringLiteral("A1"));
    QVERIFY(!gui.shown(kCompanies));
}

void CompaniesTest::pickedCompanyCanBeEntered() {
    GuiProgram gui;
    gui.addCompany("A1", "Alfa");
    gui.click(kEntry, ctl::entry::FirmaSecBut);
    gui.click(kCompanies, ctl::companies::FirmaSecBut);
    gui.click(kEntry, ctl::entry::DuzeltmeBut);
    QVERIFY(gui.shown(velkor::windows::kMainMenu));
    QVERIFY(gui.context().company().filePath().endsWith("Data/A1.mdb"));
}

void CompaniesTest::deletingAsksThreeTimes() {
    GuiProgram gui;
    gui.addCompany("A1", "Alfa");
    gui.addCompany("B2", "Beta");
    gui.enter("B2");
    gui.click(velkor::windows::kMainMenu, ctl::mainmenu::EkIslemBarItems2);
    QVERIFY(gui.shown(kCompanies));
    DatasetGrid* grid = companyGrid(gui);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(1, 0)).center());
    gui.prompt().clearShown();
    gui.prompt().addAnswer(Yes);
    gui.prompt().addAnswer(No);
    gui.prompt().addAnswer(Yes);
    gui.click(kCompanies, ctl::companies::FirmaSilBut);
    QCOMPARE(gui.prompt().texts(),
             (QStringList{
                 "Firma silinecektir. Eminmisiniz?",
                 "Bu firmayı silmeniz halinde girmiş olduğunuz\n\rbilgiler de silinecektir. İşlemi kesmek "
                 "istermisiniz?",
                 "Bu işlem sonunda bu firma dosyalarına\n\rbir daha ulaşmanız mümkün olmayacaktır. İşleme "
                 "devam etmek istiyormusunuz?"}));
    QVERIFY(!QFileInfo::exists(gui.home() + "Data/B2.mdb"));
    QVERIFY(QFileInfo::exists(gui.home() + "Data/A1.mdb"));
    QCOMPARE(grid->model()->rowCount(), 1);
    QCOMPARE(grid->model()->index(0, 0).data().toString(), QStringLiteral("A1"));
    QVERIFY(!gui.context().company().isOpen());
}

void CompaniesTest::answeringYesToAbortKeepsTheCompany() {
    GuiProgram gui;
    gui.addCompany("A1", "Alfa");
    gui.click(kEntry, ctl::entry::FirmaSecBut);
    gui.prompt().addAnswer(Yes);
    gui.prompt().addAnswer(Yes);
    gui.click(kCompanies, ctl::companies::FirmaSilBut);
    QVERIFY(QFileInfo::exists(gui.home() + "Data/A1.mdb"));
    QCOMPARE(companyGrid(gui)->model()->rowCount(), 1);

    // "No" to the first question asks nothing more.
    gui.prompt().clearShown();
    gui.prompt().addAnswer(No);
    gui.click(kCompanies, ctl::companies::FirmaSilBut);
    QCOMPARE(gui.prompt().texts().size(), 1);
    QCOMPARE(companyGrid(gui)->model()->rowCount(), 1);
}

void CompaniesTest::backupSettingsAreStoredAndLoaded() {
    {
        GuiProgram gui;
        gui.click(kEntry, ctl::entry::FirmaSecBut);
        // A fresh installation backs up every day until told otherwise.
        QCOMPARE(gui.widget<QLineEdit>(kCompanies, ctl::companies::yedekgunEdit)->text(),
                 QStringLiteral("1"));
        gui.widget<QCheckBox>(kCompanies, ctl::companies::OtoYedekCheck)->click();
        gui.type(kCompanies, ctl::companies::OtoYedekEdit, gui.home() + "Yedek/");
        gui.type(kCompanies, ctl::companies::yedekgunEdit, "7");
        gui.click(kCompanies, ctl::companies::OtoYedekAdresSaklaBut);
        QCOMPARE(gui.prompt().texts().last(), QStringLiteral("Otomatik yedekleme ayarları saklandı."));
        const IniFile ini(gui.home() + "Yedekler.dan");
        QCOMPARE(ini.value("OtoYedekler", "SonOtoYedek"), gui.home() + "Yedek/");
        QCOMPARE(ini.value("OtoYedekler", "YedekGun"), QStringLiteral("7"));
        QCOMPARE(ini.value("OtoYedekler", "YedekAl"), QStringLiteral("1"));
        QCOMPARE(ini.value("OtoYedekler", "OtoGunluk"), QStringLiteral("2"));

        IniFile writable(gui.home() + "Yedekler.dan");
        writable.setValue("OtoYedekler", "TarihOtoGun", "5");
        writable.setValue("OtoYedekler", "TarihOtoAy", "3");
        writable.setValue("OtoYedekler", "TarihOtoYil", "2024");
        writable.setValue("OtoYedekler", "OtoGunluk", "1");
        // A second program on the same folder loads what the first one stored.
        ScriptedPrompt prompt;
        AppContext context(gui.home(), prompt);
        Program next(context);
        const FormModel& panel = next.companies().form();
        QVERIFY(panel.isChecked(ctl::companies::OtoYedekCheck));
        QVERIFY(panel.isChecked(ctl::companies::OtomatikGunlukCheck));
        QCOMPARE(panel.text(ctl::companies::yedekgunEdit), QStringLiteral("7"));
        QCOMPARE(panel.date(ctl::companies::DateTimePicker1), QDate(2024, 3, 5));
    }
}

void CompaniesTest::badStoredDateKeepsTheDefault() {
    GuiProgram gui;
    IniFile ini(gui.home() + "Yedekler.dan");
    ini.setValue("OtoYedekler", "TarihOtoGun", "31");
    ini.setValue("OtoYedekler", "TarihOtoAy", "13");
    ini.setValue("OtoYedekler", "TarihOtoYil", "2024");
    gui.program().companies().FormCreate();
    QCOMPARE(gui.program().companies().form().date(ctl::companies::DateTimePicker1), QDate(2012, 1, 1));
    QCOMPARE(gui.widget<QDateEdit>(kCompanies, ctl::companies::DateTimePicker1)->date(), QDate(2012, 1, 1));
}

void CompaniesTest::backupAndRestoreButtonsWriteAndReadArchives() {
    GuiProgram gui;
    gui.addCompany("A1", "Alfa");
    gui.click(kEntry, ctl::entry::FirmaSecBut);
    const QString archive = gui.home() + QStringLiteral("Yedek/tumu.zip");
    gui.prompt().addFile(archive);
    gui.click(kCompanies, ctl::companies::TumFirmaYedekAlBut);
    QVERIFY(QFileInfo::exists(archive));
    QVERIFY(QFileInfo::exists(archive + "Gen"));
    gui.prompt().addAnswer(Yes);
    gui.prompt().addFile(archive);
    gui.click(kCompanies, ctl::companies::TumFirmaGeriYukleBut);
    QVERIFY(gui.prompt().texts().last().startsWith(
        QStringLiteral("Geri yükleme işlemi başarılı bir şekilde gerçekleştirildi.")));
    QCOMPARE(companyGrid(gui)->model()->rowCount(), 1);
}

void CompaniesTest::theEnteredCompanyIsBackedUpFromThePanel() {
    GuiProgram gui;
    gui.addCompany("A1", "Alfa");
    gui.enter("A1");
    gui.click(velkor::windows::kMainMenu, ctl::mainmenu::EkIslemBarItems2);
    QVERIFY(gui.shown(kCompanies));
    gui.prompt().clearShown();
    gui.click(kCompanies, ctl::companies::FirmaYedekAlBut);
    const QStringList written = QDir(gui.home() + "Yedek").entryList({QStringLiteral("A1_*.zip")});
    QCOMPARE(written.size(), 1);
    QCOMPARE(gui.prompt().texts().size(), 1);
    QVERIFY(gui.prompt().texts().first().startsWith(QStringLiteral("A1 firmasının yedeği alındı:")));

    // The all-companies restore refuses it before asking anything more of the files.
    gui.prompt().clearShown();
    gui.prompt().addAnswer(Yes);
    gui.prompt().addFile(gui.home() + "Yedek/" + written.first());
    gui.click(kCompanies, ctl::companies::TumFirmaGeriYukleBut);
    QVERIFY(gui.prompt().texts().last().startsWith(QStringLiteral("Yanlış yedek türü")));
    QVERIFY(QDir(gui.home() + "Yedek").entryList({QStringLiteral("GeriYuklemeOncesi_*")}).isEmpty());
    // The one-company restore takes it.
    gui.prompt().addFile(gui.home() + "Yedek/" + written.first());
    gui.click(kCompanies, ctl::companies::TekFirmaGeriYukleBut);
    QVERIFY(gui.prompt().texts().last().startsWith(
        QStringLiteral("Geri yükleme işlemi başarılı bir şekilde gerçekleştirildi.")));
}

QTEST_MAIN(CompaniesTest)
#include "test_companies.moc"
