#include "FixedAssetFixture.h"

#include "engine/FinancingCost.h"
#include "engine/FixedAssetSheetControls.h"

namespace velkor::test {
namespace {

// Financing from 01.01.2020 (index 1.000,00) to 31.12.2022 (1.500,00); adjustment month
// 3.000,00; December 2019 1.000,00.
class FinancingCostTest : public FixedAssetTest {
protected:
    FinancingCostTest() {
        setIndex({{201912, 1000.0},
                  {20201, 1000.0},
                  {20216, 1100.0},
                  {202012, 1500.0},
                  {202212, 1500.0},
                  {202112, 1200.0},
                  {202312, 3000.0}});
        enterItem(QStringLiteral("253"), QStringLiteral("01"), QStringLiteral("Makine"), QDate(2020, 1, 1),
                  QStringLiteral("500.000,00"));
        sheet().setDate(ctl::fixedasset::ROFMBasDate, QDate(2020, 1, 1));
        sheet().setDate(ctl::fixedasset::ROFMBitDate, QDate(2022, 12, 31));
    }

    void financing(const QString& principal, const QString& interest) {
        sheet().userSet(ctl::fixedasset::ROFMAnaparaEdit, principal);
        sheet().userSet(ctl::fixedasset::ROFMFaizEdit, interest);
    }
};

TEST_F(FinancingCostTest, DebtMethodCapsTheCostAtTheInterest) {
    financing(QStringLiteral("200.000,00"), QStringLiteral("60.000,00"));
    sheet().click(ctl::fixedasset::ROFMHesapla);
    EXPECT_EQ(field(ctl::fixedasset::ROFMArtisEdit), QStringLiteral("0,50000"));
    EXPECT_EQ(field(ctl::fixedasset::ROFMEdit), QStringLiteral("60.000,00"));
    EXPECT_EQ(field(ctl::fixedasset::ReelFaizEdit), QStringLiteral("0"));
    EXPECT_EQ(field(ctl::fixedasset::Duz_Reel_FaizEdit), QStringLiteral("0"));
    EXPECT_EQ(field(ctl::fixedasset::ROFMDuzeltilmisEdit), QStringLiteral("440.000,00"));
}

TEST_F(FinancingCostTest, DebtMethodAdjustsTheRealInterestInTheExplanation) {
    financing(QStringLiteral("100.000,00"), QStringLiteral("60.000,00"));
    sheet().userSet(ctl::fixedasset::BirikmisAmortEdit, QStringLiteral("100.000,00"));
    sheet().click(ctl::fixedasset::DuzeltBut);
    EXPECT_EQ(field(ctl::fixedasset::ROFMEdit), QStringLiteral("50.000,00"));
    EXPECT_EQ(field(ctl::fixedasset::ReelFaizEdit), QStringLiteral("10.000,00"));
    EXPECT_EQ(field(ctl::fixedasset::ReelFaizKatsayiEdit), QStringLiteral("2,00000"));
    EXPECT_EQ(field(ctl::fixedasset::Duz_Reel_FaizEdit), QStringLiteral("20.000,00"));
    EXPECT_EQ(field(ctl::fixedasset::ROFM_Ayrilmamis_AmortEdit), QStringLiteral("40.000,00"));
    // N = 440.000,00 at C 3,00000 gives 1.320.000,00, plus D 20.000,00.
    EXPECT_EQ(field(ctl::fixedasset::DuzeltilmisTutarEdit), QStringLiteral("1.340.000,00"));
    EXPECT_EQ(field(ctl::fixedasset::DuzeltilmisAmortismanEdit), QStringLiteral("268.000,00"));

    const QStringList expected{
        separatorText(),
        posting(QStringLiteral("253.01"), QStringLiteral("Makine"), QStringLiteral("840.000,00")),
        QString(),
        posting(QStringLiteral("698"), QStringLiteral("ENFLASYON DÜZELTME HESABI"),
                QStringLiteral("840.000,00"), true),
        QString(),
        QStringLiteral("Varlık Net Değeri (440.000,00) X (3,00000) Katsayı ile Düzeltilmiştir."),
        QStringLiteral(
            "ROFM \"Borç Tutarı\" Yöntemi ile Reel Faiz (10.000,00) X (2,00000) Katsayı ile Düzeltilmiştir."),
        QStringLiteral("ROFM (50.000,00) TL varlık tutarından çıkarılmıştır."),
        QStringLiteral("ROFM nin İtfa Olunmayan Kısmı (40.000,00TL) dir."),
        separatorText(),
        posting(QStringLiteral("698"), QStringLiteral("ENFLASYON DÜZELTME HESABI"),
                QStringLiteral("168.000,00")),
        QString(),
        posting(QStringLiteral("257"), QStringLiteral("AMORTİSMAN HESABI (253.01)"),
                QStringLiteral("168.000,00"), true),
        QString(),
        QStringLiteral("Birikmiş Amortisman (100.000,00) X (1,68000) Varlık Artış Oranı ile Düzeltilmiştir."),
        separatorText()};
    EXPECT_EQ(text(), expected);
}

TEST_F(FinancingCostTest, DebtAboveTheBookValueStopsTheAdjustment) {
    financing(QStringLiteral("600.000,00"), QStringLiteral("60.000,00"));
    sheet().click(ctl::fixedasset::DuzeltBut);
    EXPECT_EQ(shown(),
              QStringList{QStringLiteral("Kredi veya faiz tutarı 'Kayıtlı Değer''den yüksek olamaz!")});
    EXPECT_EQ(field(ctl::fixedasset::ROFMEdit), QString());
    EXPECT_EQ(field(ctl::fixedasset::ROFMDuzeltilmisEdit), QStringLiteral("500.000,00"));
    EXPECT_EQ(field(ctl::fixedasset::DuzeltilmisTutarEdit), QString());
}

TEST_F(FinancingCostTest, AStoppedTotalFinancingLeavesNoResultAndNothingToSave) {
    sheet().setItemIndex(ctl::fixedasset::ROFMRadio, 1);
    financing(QString(), QStringLiteral("40.000,00"));
    sheet().click(ctl::fixedasset::DuzeltBut);
    EXPECT_EQ(shown(), QStringList{financing::kNoAverageRate});
    for (const QString& name :
         {ctl::fixedasset::DuzeltilmisTutarEdit, ctl::fixedasset::EnflasyonFarkEdit,
          ctl::fixedasset::DuzeltKatsayiEdit, ctl::fixedasset::DuzeltilmisAmortismanEdit})
        EXPECT_EQ(field(name), QString()) << qPrintable(name);
    EXPECT_TRUE(text().isEmpty());

    sheet().click(ctl::fixedasset::KaydetButton);
    EXPECT_EQ(rowCount(), 0);
    EXPECT_EQ(shown(), QStringList(2, financing::kNoAverageRate));

    addInterestYear(2020, 40.0, 60.0);
    sheet().click(ctl::fixedasset::KaydetButton);
    EXPECT_EQ(rowCount(), 1);
}

TEST_F(FinancingCostTest, TotalFinancingCapsAndSharesTheInflation) {
    addInterestYear(2020, 40.0, 60.0);
    sheet().setItemIndex(ctl::fixedasset::ROFMRadio, 1);
    financing(QString(), QStringLiteral("40.000,00"));
    sheet().click(ctl::fixedasset::ROFMHesapla);
    EXPECT_EQ(field(ctl::fixedasset::ROFMArtisEdit), QStringLiteral("0,50000"));
    EXPECT_EQ(field(ctl::fixedasset::ROFMFaizOranEdit), QStringLiteral("40,00"));
    EXPECT_EQ(field(ctl::fixedasset::ROFMEdit), QStringLiteral("40.000,00"));
    EXPECT_EQ(field(ctl::fixedasset::ReelFaizEdit), QStringLiteral("0,00"));
    EXPECT_EQ(field(ctl::fixedasset::ReelFaizKatsayiEdit), QStringLiteral("2"));

    // A yearly increase of 0,20000: k 0,50000, R 20.000,00, real interest 20.000,00 × e 2.
    setIndex({{201912, 1000.0}, {202012, 1200.0}, {202212, 1500.0}, {202312, 3000.0}});
    sheet().click(ctl::fixedasset::ROFMHesapla);
    EXPECT_EQ(field(ctl::fixedasset::ROFMArtisEdit), QStringLiteral("0,20000"));
    EXPECT_EQ(field(ctl::fixedasset::ROFMEdit), QStringLiteral("20.000,00"));
    EXPECT_EQ(field(ctl::fixedasset::ReelFaizEdit), QStringLiteral("20.000,00"));
    EXPECT_EQ(field(ctl::fixedasset::Duz_Reel_FaizEdit), QStringLiteral("40.000,00"));

    sheet().setChecked(ctl::fixedasset::FaizOcakAlCheck, false);
    sheet().setDate(ctl::fixedasset::ROFMBasDate, QDate(2020, 6, 1));
    sheet().click(ctl::fixedasset::ROFMHesapla);
    EXPECT_EQ(field(ctl::fixedasset::ROFMFaizOranEdit), QStringLiteral("60,00"));
}

TEST_F(FinancingCostTest, TotalFinancingWithoutAnAverageRateStops) {
    sheet().setItemIndex(ctl::fixedasset::ROFMRadio, 1);
    financing(QString(), QStringLiteral("40.000,00"));
    sheet().click(ctl::fixedasset::ROFMHesapla);
    addInterestYear(2020, 40.0, 60.0);
    sheet().setChecked(ctl::fixedasset::FaizOcakAlCheck, false);
    sheet().setDate(ctl::fixedasset::ROFMBasDate, QDate(2020, 3, 1));
    sheet().click(ctl::fixedasset::ROFMHesapla);
    EXPECT_EQ(shown(), QStringList(2, financing::kNoAverageRate));
    EXPECT_EQ(field(ctl::fixedasset::ROFMEdit), QString());
}

TEST_F(FinancingCostTest, NoFinancingBeforeTheRevaluationMonth) {
    sheet().setChecked(ctl::fixedasset::MDVDVarRadio, true);
    sheet().userSet(ctl::fixedasset::MDVDCombo, QStringLiteral("31.12.2021"));
    financing(QStringLiteral("100.000,00"), QStringLiteral("60.000,00"));
    sheet().setDate(ctl::fixedasset::ROFMBasDate, QDate(2021, 6, 1));
    sheet().click(ctl::fixedasset::ROFMHesapla);
    EXPECT_EQ(shown(), QStringList{financing::kBeforeRevaluation});
    sheet().setDate(ctl::fixedasset::ROFMBasDate, QDate(2021, 12, 1));
    sheet().click(ctl::fixedasset::ROFMHesapla);
    EXPECT_EQ(shown().size(), 1);
    EXPECT_EQ(field(ctl::fixedasset::ROFMEdit), QStringLiteral("25.000,00"));
}

TEST_F(FinancingCostTest, AMissingMonthStopsAndClearsTheRealInterest) {
    financing(QStringLiteral("100.000,00"), QStringLiteral("60.000,00"));
    sheet().click(ctl::fixedasset::ROFMHesapla);
    ASSERT_EQ(field(ctl::fixedasset::Duz_Reel_FaizEdit), QStringLiteral("20.000,00"));
    sheet().setDate(ctl::fixedasset::ROFMBitDate, QDate(2023, 3, 31));
    sheet().click(ctl::fixedasset::ROFMHesapla);
    EXPECT_EQ(shown(), QStringList{QStringLiteral("Yİ-ÜFE endeksi bulunamadı: 03.2023")});
    EXPECT_EQ(field(ctl::fixedasset::Duz_Reel_FaizEdit), QString());
    EXPECT_EQ(field(ctl::fixedasset::ROFMEdit), QString());
}

TEST_F(FinancingCostTest, SeveralRatesComputesNothing) {
    sheet().setItemIndex(ctl::fixedasset::ROFMRadio, 2);
    financing(QStringLiteral("100.000,00"), QStringLiteral("60.000,00"));
    sheet().click(ctl::fixedasset::ROFMHesapla);
    EXPECT_EQ(field(ctl::fixedasset::ROFMEdit), QString());
    EXPECT_TRUE(shown().isEmpty());
}

} // namespace
} // namespace velkor::test
