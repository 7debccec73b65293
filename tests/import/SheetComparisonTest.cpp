#include "base/ProgressWindow.h"
#include "base/WindowManager.h"
#include "base/WindowNames.h"
#include "engine/FixedAssetSheet.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheet.h"
#include "engine/StockSheetControls.h"
#include "import/ExcelImportForm.h"
#include "import/ExcelImportFormControls.h"
#include "support/TestSupport.h"
#include "workspace/Workspace.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace velkor::test {

namespace {

namespace fa = ctl::fixedasset;
namespace ie = ctl::excelimport;
namespace st = ctl::stock;

// An item imported from a grid row is stored as the sheet of its account stores the
// same inputs typed by hand.
class SheetComparisonTest : public ::testing::Test {
protected:
    SheetComparisonTest() {
        home.addCompany(QStringLiteral("SK"), QStringLiteral("Karşılaştırma"));
        home.setIndexValues({{20203, 1234.56}, {20186, 987.65}, {202312, 3035.59}});
        workspace = std::make_unique<Workspace>(home.context());
        workspace->open();
        windows.addWindow(windows::kExcelImport);
        windows.addWindow(windows::kProgress);
        form = std::make_unique<ExcelImportForm>(home.context(), workspace->state(), workspace->indexLookup(),
                                                 workspace->SBKTable(), progress, windows);
    }

    qint64 importLine(const QString& line) {
        const QString path = dir.filePath(QStringLiteral("satir.csv"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(line.toUtf8());
        file.close();
        EXPECT_TRUE(form->loadWorkbook(path));
        const QStringList edits{
            ie::AnaHesapE,   ie::AlHesapKodE, ie::HesapAdiEdit, ie::GirisTarihiE,        ie::KayitliTutarE,
            ie::PasifTutarE, ie::AmortSureE,  ie::AmortYontemE, ie::BirikmisAmortismanE, ie::AmortHesapEdit};
        for (int i = 0; i < edits.size(); ++i)
            form->setText(edits[i], QString::number(i + 1));
        form->setText(ie::BasSatirE, QStringLiteral("1"));
        // The row gives main and sub account in columns of their own, unlike the mapping a
        // first import proposes.
        form->setChecked(ie::ilkUcHarfCheck, false);
        EXPECT_EQ(form->Import(), 1);
        return lastId();
    }

    qint64 lastId() {
        return home.context()
            .company()
            .database()
            .scalar(QStringLiteral("SELECT MAX(id) FROM sabit_kiymet"))
            .toLongLong();
    }

    void expectSameColumns(qint64 typed, qint64 imported, const QStringList& columns) {
        for (const QString& column : columns) {
            const QString sql = QStringLiteral("SELECT \"%1\" FROM sabit_kiymet WHERE id=?").arg(column);
            const QVariant a = home.context().company().database().scalar(sql, {typed});
            const QVariant b = home.context().company().database().scalar(sql, {imported});
            EXPECT_EQ(a.toString().toStdString(), b.toString().toStdString()) << column.toStdString();
        }
    }

    TempHome home;
    QTemporaryDir dir;
    std::unique_ptr<Workspace> workspace;
    WindowManager windows;
    ProgressWindow progress{windows};
    std::unique_ptr<ExcelImportForm> form;
};

TEST_F(SheetComparisonTest, aFixedAssetIsStoredAsTheFixedAssetSheetStoresIt) {
    FixedAssetSheet& sheet = workspace->fixedAssets();
    sheet.userSet(fa::DuzeltmeAnaHesapCombo, QStringLiteral("253"));
    sheet.userSet(fa::KoduEdit, QStringLiteral("01"));
    sheet.userSet(fa::AdiEdit, QStringLiteral("Torna Tezgahı"));
    sheet.setDate(fa::GirisTarihiDate, QDate(2020, 3, 15));
    sheet.userSet(fa::KayitliTutariEdit, QStringLiteral("100.000,00"));
    sheet.userSet(fa::BirikmisAmortEdit, QStringLiteral("40.000,00"));
    sheet.userSet(fa::AmortSureEdit, QStringLiteral("10"));
    sheet.userSet(fa::AmortHesapEdit, QStringLiteral("257.01"));
    sheet.click(fa::KaydetButton);
    const qint64 typed = lastId();
    ASSERT_GT(typed, 0);

    const qint64 imported =
        importLine(QStringLiteral("253;01;Torna Tezgahı;15.03.2020;100000;;10;Normal;40000;257.01"));
    expectSameColumns(typed, imported,
                      {"anahesapkodu", "sbk_kodu", "sbk_adi", "SBK_Diger", "fatura_tarihi",
                       "Hesap_Yi_UFE_Tarihi", "Giris_Yi_UFE_Tarihi", "Giris_Yi_UFE", "Hesap_Yi_UFE",
                       "Duzeltme_Katsayisi", "Duzeltilmis_Tutar", "Enflasyon_Farki", "VUK_Son_Degeri",
                       "vuk_amortisman_sure", "amortisman_kodu", "vuk_birikmis_amortisman",
                       "Duzeltilmis_Amortisman", "Amortisman_Farki", "MDVD_Yapildi"});
}

TEST_F(SheetComparisonTest, aStockIsStoredAsTheStockSheetStoresIt) {
    StockSheet& sheet = workspace->stocks();
    sheet.userSet(st::DuzeltmeAnaHesapComboS, QStringLiteral("153"));
    sheet.userSet(st::KoduEditS, QStringLiteral("07"));
    sheet.userSet(st::AdiEditS, QStringLiteral("Çelik sac"));
    sheet.setDate(st::GirisTarihiDateS, QDate(2018, 6, 20));
    sheet.leave(st::GirisTarihiDateS);
    sheet.userSet(st::KayitliTutariEditS, QStringLiteral("12.345,67"));
    sheet.click(st::DuzeltButS);
    sheet.click(st::KaydetButtonS);
    const qint64 typed = lastId();
    ASSERT_GT(typed, 0);

    const qint64 imported = importLine(QStringLiteral("153;07;Çelik sac;20.06.2018;12345,67"));
    expectSameColumns(typed, imported,
                      {"anahesapkodu", "sbk_kodu", "sbk_adi", "SBK_Diger", "fatura_tarihi",
                       "Hesap_Yi_UFE_Tarihi", "Giris_Yi_UFE_Tarihi", "Giris_Yi_UFE", "Hesap_Yi_UFE",
                       "Duzeltme_Katsayisi", "Duzeltilmis_Tutar", "Enflasyon_Farki", "VUK_Son_Degeri",
                       "Hesaplama_Yontemi"});
}

} // namespace

} // namespace velkor::test
