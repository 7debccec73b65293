// Takes the pictures of the user guide: the real windows on a demo company, filled through
// their form models and drawn offscreen, saved as PNG files into the folder given.
//   velkor-guide-screens OUT_DIR
#include "app/EntryWindow.h"
#include "app/EntryWindowControls.h"
#include "app/MainMenu.h"
#include "app/MainMenuControls.h"
#include "app/Program.h"
#include "app/ui/ApplicationWindows.h"
#include "app/ui/ScriptedProgram.h"
#include "base/ClassicNumbers.h"
#include "base/ScriptedPrompt.h"
#include "base/WindowNames.h"
#include "engine/EquitySheet.h"
#include "engine/EquitySheetControls.h"
#include "engine/FixedAssetSheet.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheet.h"
#include "engine/StockSheetControls.h"
#include "engine/WorkspaceStateControls.h"
#include "import/ExcelImportForm.h"
#include "import/ExcelImportFormControls.h"
#include "legislation/LegislationForm.h"
#include "periods/PeriodSheet.h"
#include "periods/PeriodSheetControls.h"
#include "referencedata/ReferenceDataForm.h"
#include "registry/CompanyRegistry.h"
#include "registry/RegistrationFormControls.h"
#include "reports/JournalSheetControls.h"
#include "reports/ReportSheetControls.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLoggingCategory>
#include <QTabWidget>
#include <QTextStream>

#include <iostream>

using namespace velkor;

namespace {

/// The size the windows are drawn at, and the widest a picture is kept: the guide's text
/// area shows it without scaling, and a page takes it at a readable size.
const QSize kShotSize(1100, 720);
constexpr int kPictureWidth = 760;

class Screens {
public:
    explicit Screens(const QString& folder) : m_folder(folder) {}

    QString home() const { return m_program.home(); }
    Program& program() { return m_program.program(); }

    /// Draws a window at the picture size into `<name>.png`; false when it cannot be saved.
    bool shoot(const QString& window, const QString& name, QSize size = kShotSize) {
        QWidget* top = m_program.windows().window(window);
        if (!top) {
            std::cerr << "pencere yok: " << window.toStdString() << "\n";
            return false;
        }
        top->showNormal();
        top->resize(size);
        QApplication::processEvents();
        const QString path = m_folder + QLatin1Char('/') + name + QStringLiteral(".png");
        QImage picture = top->grab().toImage();
        // Scaled here, smoothly: the text area would scale by dropping pixels.
        if (picture.width() > kPictureWidth)
            picture = picture.scaledToWidth(kPictureWidth, Qt::SmoothTransformation);
        if (!picture.save(path)) {
            std::cerr << "yazılamadı: " << path.toStdString() << "\n";
            return false;
        }
        return true;
    }
    /// Shows a tab of the workspace.
    void showTab(int index) {
        if (auto* tabs = m_program.windows()
                             .window(windows::kWorkspace)
                             ->findChild<QTabWidget*>(ctl::workspace::DuzeltmePage))
            tabs->setCurrentIndex(index);
    }

    /// Messages shown so far, which a demo company should not have needed, and the answers
    /// to the questions it does meet.
    ScriptedPrompt& prompt() { return m_program.prompt(); }

private:
    QString m_folder;
    ScriptedProgram m_program;
};

void enterCompany(Program& program) {
    FormModel& entry = program.entry().form();
    entry.userSet(ctl::entry::firmaedit, QStringLiteral("ORNEK"));
    entry.userSet(ctl::entry::sifreEdit, QString());
    entry.click(ctl::entry::DuzeltmeBut);
}

void adjustFixedAsset(Workspace& workspace) {
    namespace f = ctl::fixedasset;
    FixedAssetSheet& sheet = workspace.fixedAssets();
    sheet.userSet(f::DuzeltmeAnaHesapCombo, QStringLiteral("253"));
    sheet.userSet(f::KoduEdit, QStringLiteral("001"));
    sheet.userSet(f::AdiEdit, QStringLiteral("Torna Tezgahı"));
    sheet.userSet(f::GirisTarihiDate, QStringLiteral("15.03.2020"));
    sheet.userSet(f::KayitliTutariEdit, QStringLiteral("100.000,00"));
    sheet.leave(f::KayitliTutariEdit);
    sheet.userSet(f::AmortSureEdit, QStringLiteral("5"));
    sheet.click(f::AmortHesaplaBut);
    sheet.click(f::DuzeltBut);
    sheet.click(f::KaydetButton);
}

void adjustStock(Workspace& workspace) {
    namespace s = ctl::stock;
    StockSheet& sheet = workspace.stocks();
    sheet.userSet(s::DuzeltmeAnaHesapComboS, QStringLiteral("153"));
    sheet.userSet(s::KoduEditS, QStringLiteral("01"));
    sheet.userSet(s::AdiEditS, QStringLiteral("Ticari Mallar"));
    sheet.userSet(s::KayitliTutariEditS, QStringLiteral("250.000,00"));
    sheet.leave(s::KayitliTutariEditS);
    sheet.userSet(s::DevirHiziRadio, QStringLiteral("1"));
    sheet.userSet(s::DBasiStokEdit, QStringLiteral("100.000,00"));
    sheet.leave(s::DBasiStokEdit);
    sheet.userSet(s::DSonuStokEdit, QStringLiteral("140.000,00"));
    sheet.leave(s::DSonuStokEdit);
    sheet.userSet(s::DonemiciSMMEdit, QStringLiteral("600.000,00"));
    sheet.leave(s::DonemiciSMMEdit);
    sheet.click(s::JvXPButton1);
    sheet.click(s::DuzeltButS);
    sheet.click(s::KaydetButtonS);
}

void adjustEquity(Workspace& workspace) {
    namespace e = ctl::equity;
    EquitySheet& sheet = workspace.equity();
    sheet.userSet(e::DuzeltmeAnaHesapComboO, QStringLiteral("500"));
    sheet.userSet(e::KoduEditO, QStringLiteral("01"));
    sheet.userSet(e::AdiEditO, QStringLiteral("Sermaye"));
    sheet.userSet(e::GirisTarihiDateO, QStringLiteral("30.06.2021"));
    sheet.userSet(e::KayitliTutariEditO, QStringLiteral("1.000.000,00"));
    sheet.leave(e::KayitliTutariEditO);
    sheet.userSet(e::NaktiRadio, QStringLiteral("1"));
    sheet.click(e::DuzeltButO);
    sheet.click(e::KaydetButtonO);
}

/// A small list of fixed assets as an accounting program exports it.
void writeDemoWorkbook(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write("Ana Hesap;Alt Hesap;Hesap Ad\xc4\xb1;Giri\xc5\x9f Tarihi;Bor\xc3\xa7;Alacak;S\xc3\xbcre;"
               "Y\xc3\xb6ntem;Birikmi\xc5\x9f Amortisman;Amortisman Hesab\xc4\xb1\n"
               "253;001;Torna Tezgah\xc4\xb1;15.03.2020;100.000,00;;5;Normal;80.000,00;257\n"
               "254;001;Kamyonet;01.07.2021;450.000,00;;5;Normal;180.000,00;257\n"
               "255;003;B\xc3\xbcro Mobilyalar\xc4\xb1;10.01.2022;60.000,00;;10;Normal;12.000,00;257\n"
               "255;004;Bilgisayarlar;20.02.2023;85.000,00;;4;Normal;21.250,00;257\n");
}

/// Which grid column holds which value, and the rows to take, for the list above.
void mapDemoColumns(FormModel& form) {
    namespace x = ctl::excelimport;
    const QString columns[] = {x::AnaHesapE,           x::AlHesapKodE,   x::HesapAdiEdit, x::GirisTarihiE,
                               x::KayitliTutarE,       x::PasifTutarE,   x::AmortSureE,   x::AmortYontemE,
                               x::BirikmisAmortismanE, x::AmortHesapEdit};
    int column = 1;
    for (const QString& name : columns)
        form.userSet(name, QString::number(column++));
    form.userSet(x::BasSatirE, QStringLiteral("2"));
    form.userSet(x::BitSatirE, QStringLiteral("5"));
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    useClassicNumbers();
    QApplication::setQuitOnLastWindowClosed(false);
    QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.*=false"));
    const QStringList args = QApplication::arguments();
    if (args.size() != 2) {
        std::cerr << "Kullanım: velkor-guide-screens KLASÖR\n";
        return 2;
    }
    const QString folder = QDir(args.at(1)).absolutePath();
    QDir().mkpath(folder);

    try {
        Screens screens(folder);
        Program& program = screens.program();
        bool ok = screens.shoot(windows::kEntry, QStringLiteral("giris"), QSize(760, 240));
        program.entry().YeniFirmaButClick();
        program.registry().form().userSet(ctl::registration::KoduEdit, QStringLiteral("ORNEK"));
        program.registry().form().userSet(ctl::registration::FirmaAdiEdit,
                                          QStringLiteral("Örnek Sanayi ve Ticaret A.Ş."));
        ok = screens.shoot(windows::kRegistration, QStringLiteral("firma-kayit"), QSize(900, 420)) && ok;
        // "SAKLA" offers to enter the new company; the guide tells the user to take it.
        QStringList expected;
        screens.prompt().addAnswer(Yes);
        program.registry().form().click(ctl::registration::kaydetBut);
        if (!screens.prompt().shown().empty() && screens.prompt().shown().back().question)
            expected << screens.prompt().shown().back().text;
        program.windows().hide(windows::kRegistration);
        enterCompany(program);
        ok = screens.shoot(windows::kMainMenu, QStringLiteral("ana-menu")) && ok;

        program.mainMenu().form().click(ctl::mainmenu::GeneIslemBarItems0);
        Workspace& workspace = program.adjustmentWorkspace();
        adjustFixedAsset(workspace);
        screens.showTab(0);
        ok = screens.shoot(windows::kWorkspace, QStringLiteral("sabit-kiymet")) && ok;
        screens.showTab(1);
        adjustStock(workspace);
        ok = screens.shoot(windows::kWorkspace, QStringLiteral("stok")) && ok;
        screens.showTab(2);
        adjustEquity(workspace);
        ok = screens.shoot(windows::kWorkspace, QStringLiteral("ozkaynak")) && ok;
        screens.showTab(3);
        program.workspace().click(ctl::report::RaporListeButton);
        ok = screens.shoot(windows::kWorkspace, QStringLiteral("rapor")) && ok;
        screens.showTab(5);
        program.workspace().click(ctl::journal::YevmiyeBut);
        ok = screens.shoot(windows::kWorkspace, QStringLiteral("yevmiye")) && ok;
        screens.showTab(6);
        ok = screens.shoot(windows::kWorkspace, QStringLiteral("fis-aktarimi")) && ok;
        // A later period of the same company: its tab computed, then its journal.
        program.workspace().userSet(ctl::workspace::DuzeltmeDonemiCombo, QStringLiteral("31.12.2024"));
        workspace.period().click(ctl::period::HesaplaBut);
        ok = screens.shoot(windows::kWorkspace, QStringLiteral("donem-duzeltmesi")) && ok;
        workspace.period().click(ctl::period::DonemYevmiyeBut);
        ok = screens.shoot(windows::kWorkspace, QStringLiteral("donem-yevmiye")) && ok;
        program.workspace().userSet(ctl::workspace::DuzeltmeDonemiCombo, QStringLiteral("31.12.2023"));
        program.windows().hide(windows::kWorkspace);

        program.mainMenu().form().click(ctl::mainmenu::EkIslemBarItems0);
        ok = screens.shoot(windows::kReferenceData, QStringLiteral("veriler")) && ok;
        program.windows().hide(windows::kReferenceData);
        program.mainMenu().form().click(ctl::mainmenu::VeriAktarimBarItems0);
        const QString workbook = screens.home() + QStringLiteral("demirbas.csv");
        writeDemoWorkbook(workbook);
        program.excelImport().loadWorkbook(workbook);
        mapDemoColumns(program.excelImport());
        ok = screens.shoot(windows::kExcelImport, QStringLiteral("excel-aktarim")) && ok;
        program.windows().hide(windows::kExcelImport);

        program.mainMenu().form().click(ctl::mainmenu::EkIslemBarItems2);
        ok = screens.shoot(windows::kCompanies, QStringLiteral("firmalar")) && ok;
        program.windows().hide(windows::kCompanies);
        // The guide shown in its own window carries the pictures taken so far, as the
        // programs' guide will.
        const DocumentLibrary guide = program.legislation().library(LegislationForm::Guide);
        for (const QString& file : QDir(folder).entryList({QStringLiteral("*.png")}, QDir::Files)) {
            QFile picture(folder + QLatin1Char('/') + file);
            if (picture.open(QIODevice::ReadOnly))
                guide.savePicture(file, picture.readAll());
        }
        program.mainMenu().form().click(ctl::mainmenu::BitBtn2);
        ok = screens.shoot(windows::kLegislation, QStringLiteral("mevzuat-penceresi")) && ok;

        for (const QString& text : screens.prompt().texts()) {
            if (!expected.removeOne(text))
                std::cerr << "MESAJ: " << text.toStdString() << "\n";
        }
        return ok ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "HATA: " << e.what() << "\n";
        return 1;
    }
}
