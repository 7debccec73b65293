#include "StockEquityFixture.h"

#include "engine/FinancingCost.h"
#include "engine/StockAdjustment.h"
#include "engine/StockSheetControls.h"

namespace velkor::test {
namespace {

// Start of the financing 01.01.2020 (index 1.000,00), end 31.12.2022 (1.500,00), adjustment
// month 3.000,00: the index rose by half over the financing and doubles to the adjustment.
class StockFinancingTest : public StockEquityTest {
protected:
    StockFinancingTest() {
        setIndex({{201912, 1000.0},
                  {20201, 1000.0},
                  {20206, 1000.0},
                  {202012, 1200.0},
                  {202212, 1500.0},
                  {202312, 3000.0}});
        stock.userSet(ctl::stock::KoduEditS, QStringLiteral("01"));
        stock.userSet(ctl::stock::AdiEditS, QStringLiteral("Ticari Mallar"));
        stock.userSet(ctl::stock::KayitliTutariEditS, QStringLiteral("500.000,00"));
        stock.setDate(ctl::stock::GirisTarihiDateS, QDate(2020, 1, 1));
        stock.setDate(ctl::stock::ROFMBasDateS, QDate(2020, 1, 1));
        stock.setDate(ctl::stock::ROFMBitDateS, QDate(2022, 12, 31));
    }

    void financing(const QString& principal, const QString& interestAmount) {
        stock.userSet(ctl::stock::ROFMAnaparaEditS, principal);
        stock.userSet(ctl::stock::ROFMFaizEditS, interestAmount);
    }
};

TEST_F(StockFinancingTest, DebtMethodCapsTheCostAtTheInterest) {
    financing(QStringLiteral("200.000,00"), QStringLiteral("60.000,00"));
    stock.click(ctl::stock::ROFMHesaplaS);
    EXPECT_EQ(stock.text(ctl::stock::ROFMArtisEditS), QStringLiteral("0,50000"));
    EXPECT_EQ(stock.text(ctl::stock::ROFMEditS), QStringLiteral("60.000,00"));
    EXPECT_EQ(stock.text(ctl::stock::ReelFaizEditS), QStringLiteral("0"));
    EXPECT_EQ(stock.text(ctl::stock::Duz_Reel_FaizEditS), QStringLiteral("0"));
    EXPECT_EQ(stock.text(ctl::stock::ROFMDuzeltilmisEditS), QStringLiteral("440.000,00"));
}

TEST_F(StockFinancingTest, DebtMethodAdjustsTheRealInterestAndExplainsIt) {
    financing(QStringLiteral("100.000,00"), QStringLiteral("60.000,00"));
    stock.click(ctl::stock::DuzeltButS);
    EXPECT_EQ(stock.text(ctl::stock::ROFMEditS), QStringLiteral("50.000,00"));
    EXPECT_EQ(stock.text(ctl::stock::ReelFaizEditS), QStringLiteral("10.000,00"));
    EXPECT_EQ(stock.text(ctl::stock::ReelFaizKatsayiEditS), QStringLiteral("2,00000"));
    EXPECT_EQ(stock.text(ctl::stock::Duz_Reel_FaizEditS), QStringLiteral("20.000,00"));
    // (500.000 - 60.000) x 3 + 20.000
    EXPECT_EQ(stock.text(ctl::stock::DuzeltilmisTutarEditS), QStringLiteral("1.340.000,00"));
    EXPECT_EQ(stock.text(ctl::stock::EnflasyonFarkEditS), QStringLiteral("840.000,00"));
    const QStringList lines = stock.lines(ctl::stock::DigerRich);
    EXPECT_EQ(
        lines.mid(5),
        QStringList(
            {QStringLiteral("Varlık Net Değeri (440.000,00) X (3,00000) Katsayı ile Düzeltilmiştir."),
             QStringLiteral("ROFM \"Borç Tutarı\" Yöntemi ile Reel Faiz (10.000,00) X (2,00000) Katsayı "
                            "ile Düzeltilmiştir."),
             QStringLiteral("Hesaplama Yöntemi olarak \"Gerçek Yöntem\" kullanılmıştır."),
             QStringLiteral("ROFM (50.000,00) TL varlık tutarından çıkarılmıştır."), separatorText()}));
}

TEST_F(StockFinancingTest, TotalFinancingUsesTheYearlyIncreaseAndTheAverageRate) {
    addInterestYear(2020, 40.0, 50.0);
    stock.setItemIndex(ctl::stock::ROFMRadioS, 1);
    financing(QString(), QStringLiteral("40.000,00"));
    stock.click(ctl::stock::DuzeltButS);
    EXPECT_EQ(stock.text(ctl::stock::ROFMArtisEditS), QStringLiteral("0,20000"));
    EXPECT_EQ(stock.text(ctl::stock::ROFMFaizOranEditS), QStringLiteral("40,00"));
    EXPECT_EQ(stock.text(ctl::stock::ROFMEditS), QStringLiteral("20.000,00"));
    EXPECT_EQ(stock.text(ctl::stock::ReelFaizEditS), QStringLiteral("20.000,00"));
    EXPECT_EQ(stock.text(ctl::stock::ReelFaizKatsayiEditS), QStringLiteral("2"));
    EXPECT_EQ(stock.text(ctl::stock::Duz_Reel_FaizEditS), QStringLiteral("40.000,00"));
    EXPECT_EQ(stock.text(ctl::stock::DuzeltilmisTutarEditS), QStringLiteral("1.420.000,00"));
    EXPECT_EQ(stock.lines(ctl::stock::DigerRich).at(6),
              QStringLiteral("ROFM \"Toplam Finansman\" Yöntemi ile Reel Faiz (20.000,00) X (2) Katsayı ile "
                             "Düzeltilmiştir."));

    stock.setChecked(ctl::stock::FaizOcakAlCheckS, false);
    stock.setDate(ctl::stock::ROFMBasDateS, QDate(2020, 6, 1));
    stock.click(ctl::stock::ROFMHesaplaS);
    EXPECT_EQ(stock.text(ctl::stock::ROFMFaizOranEditS), QStringLiteral("50,00")) << "June rate";
}

TEST_F(StockFinancingTest, TotalFinancingWithoutRatesStopsTheAdjustmentAndLeavesNothingToSave) {
    stock.setItemIndex(ctl::stock::ROFMRadioS, 1);
    financing(QString(), QStringLiteral("40.000,00"));
    stock.click(ctl::stock::DuzeltButS);
    EXPECT_EQ(shown(), QStringList{financing::kNoAverageRate});
    EXPECT_TRUE(stock.text(ctl::stock::ROFMEditS).isEmpty());
    // Going on would take the interest out without adding any real interest back.
    EXPECT_EQ(stock.text(ctl::stock::DuzeltilmisTutarEditS), QString());
    EXPECT_EQ(stock.text(ctl::stock::EnflasyonFarkEditS), QString());
    EXPECT_TRUE(stock.lines(ctl::stock::DigerRich).isEmpty());

    stock.click(ctl::stock::KaydetButtonS);
    EXPECT_EQ(rowCount(), 0);
    EXPECT_EQ(shown().last(), stock::kNotAdjusted);

    addInterestYear(2020, 40.0, 60.0);
    stock.click(ctl::stock::DuzeltButS);
    EXPECT_FALSE(stock.text(ctl::stock::DuzeltilmisTutarEditS).isEmpty());
    stock.click(ctl::stock::KaydetButtonS);
    EXPECT_EQ(rowCount(), 1);
}

TEST_F(StockFinancingTest, FinancingOnlyForRealMethodAndTheFirstSixteenAccounts) {
    financing(QStringLiteral("100.000,00"), QStringLiteral("60.000,00"));
    stock.userSet(ctl::stock::BasitRadio, QStringLiteral("1"));
    stock.click(ctl::stock::ROFMHesaplaS);
    EXPECT_TRUE(stock.text(ctl::stock::ROFMAnaparaEditS).isEmpty());
    EXPECT_TRUE(stock.text(ctl::stock::ROFMFaizEditS).isEmpty());
    EXPECT_TRUE(stock.text(ctl::stock::ROFMEditS).isEmpty());
    EXPECT_EQ(stock.text(ctl::stock::ROFMDuzeltilmisEditS), QStringLiteral("500.000,00"));

    // An adjusted real interest left from an earlier computation is not added to an
    // account that allows no financing cost.
    stock.userSet(ctl::stock::GercekRadio, QStringLiteral("1"));
    financing(QStringLiteral("100.000,00"), QStringLiteral("60.000,00"));
    stock.click(ctl::stock::ROFMHesaplaS);
    ASSERT_EQ(stock.text(ctl::stock::Duz_Reel_FaizEditS), QStringLiteral("20.000,00"));
    stock.setText(ctl::stock::DuzeltmeAnaHesapComboS, QStringLiteral("340"));
    stock.click(ctl::stock::DuzeltButS);
    EXPECT_TRUE(stock.text(ctl::stock::Duz_Reel_FaizEditS).isEmpty());
    EXPECT_EQ(stock.text(ctl::stock::DuzeltilmisTutarEditS), QStringLiteral("1.500.000,00"));
}

} // namespace
} // namespace velkor::test
