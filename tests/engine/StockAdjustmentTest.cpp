#include "StockEquityFixture.h"

#include "engine/StockAdjustment.h"
#include "engine/StockSheetControls.h"
#include "engine/WorkspaceStateControls.h"

namespace velkor::test {
namespace {

const QString kDebit150 =
    QStringLiteral("150.01     Ticari Mallar                                           4.937,00");
const QString kCredit698 = QStringLiteral(
    "                698        ENFLASYON DÜZELTME HESABI                               4.937,00");

void enterItem(StockSheet& sheet, const QString& account, const QString& amount) {
    sheet.userSet(ctl::stock::DuzeltmeAnaHesapComboS, account);
    sheet.userSet(ctl::stock::KoduEditS, QStringLiteral("01"));
    sheet.userSet(ctl::stock::AdiEditS, QStringLiteral("Ticari Mallar"));
    sheet.userSet(ctl::stock::KayitliTutariEditS, amount);
}

TEST_F(StockEquityTest, SimpleAverageTakesSeptemberAndTheMeanOfBothIndexValues) {
    setIndex({{20239, 2749.98}, {202312, 3035.59}});
    state.HesapTarihAcButClick();
    state.setDate(ctl::workspace::HesapTarihiDate, QDate(2023, 6, 30));
    enterItem(stock, QStringLiteral("150"), QStringLiteral("100.000,00"));
    stock.userSet(ctl::stock::BasitRadio, QStringLiteral("1"));
    stock.userSet(ctl::stock::ROFMFaizEditS, QStringLiteral("5.000,00"));
    stock.click(ctl::stock::DuzeltButS);

    EXPECT_EQ(state.text(ctl::workspace::HesapTarihiDate), QStringLiteral("31.12.2023"));
    EXPECT_FALSE(state.isEnabled(ctl::workspace::HesapTarihiDate));
    EXPECT_EQ(stock.text(ctl::stock::GirisTarihiDateS), QStringLiteral("30.09.2023"));
    EXPECT_EQ(stock.text(ctl::stock::YiUfeGirisDateS), QStringLiteral("30.09.2023"));
    EXPECT_EQ(stock.text(ctl::stock::GirisYi_UfeEditS), QStringLiteral("2.749,98"));
    EXPECT_EQ(stock.text(ctl::stock::HesapYi_UfeEditS), QStringLiteral("3.035,59"));
    EXPECT_EQ(stock.text(ctl::stock::DuzeltKatsayiEditS), QStringLiteral("1,04937"));
    EXPECT_EQ(stock.text(ctl::stock::DuzeltilmisTutarEditS), QStringLiteral("104.937,00"));
    EXPECT_EQ(stock.text(ctl::stock::EnflasyonFarkEditS), QStringLiteral("4.937,00"));
    EXPECT_TRUE(stock.text(ctl::stock::ROFMFaizEditS).isEmpty()) << "no financing cost with the averages";
    EXPECT_EQ(
        stock.lines(ctl::stock::DigerRich),
        QStringList({separatorText(), kDebit150, QString(), kCredit698, QString(),
                     QStringLiteral("Varlık Net Değeri (100.000,00) X (1,04937) Katsayı ile Düzeltilmiştir."),
                     QStringLiteral("Hesaplama Yöntemi olarak \"Basit Yöntem\" kullanılmıştır."),
                     separatorText()}));
}

TEST_F(StockEquityTest, TurnoverGivesRateDaysAndBaseDate) {
    setIndex({{202310, 2900.0}, {202312, 3035.59}});
    enterItem(stock, QStringLiteral("153"), QStringLiteral("200.000,00"));
    stock.userSet(ctl::stock::DevirHiziRadio, QStringLiteral("1"));
    EXPECT_TRUE(stock.isVisible(ctl::stock::DevirHiziGroup));
    stock.userSet(ctl::stock::DBasiStokEdit, QStringLiteral("100.000,00"));
    stock.userSet(ctl::stock::DSonuStokEdit, QStringLiteral("140.000,00"));
    stock.userSet(ctl::stock::DonemiciSMMEdit, QStringLiteral("600.000,00"));
    stock.click(ctl::stock::JvXPButton1);
    EXPECT_EQ(stock.text(ctl::stock::DevirHiziEdit), QStringLiteral("5,00"));
    EXPECT_EQ(stock.text(ctl::stock::StoktaKalmaSureEdit), QStringLiteral("73"));
    EXPECT_EQ(stock.text(ctl::stock::GirisTarihiDateS), QStringLiteral("19.10.2023"));
    EXPECT_EQ(stock.text(ctl::stock::YiUfeGirisDateS), QStringLiteral("19.10.2023"));

    stock.click(ctl::stock::DuzeltButS);
    EXPECT_EQ(stock.text(ctl::stock::DuzeltKatsayiEditS), QStringLiteral("1,04676"));
    EXPECT_EQ(stock.text(ctl::stock::DuzeltilmisTutarEditS), QStringLiteral("209.352,00"));
    EXPECT_EQ(stock.text(ctl::stock::EnflasyonFarkEditS), QStringLiteral("9.352,00"));
    EXPECT_EQ(stock.lines(ctl::stock::DigerRich).at(6),
              QStringLiteral("Hesaplama Yöntemi olarak \"Devir Hızı Yöntemi\" kullanılmıştır."));
    EXPECT_TRUE(shown().isEmpty()) << shown().join(QLatin1Char('|')).toStdString();
}

TEST_F(StockEquityTest, TurnoverRefusesEmptyInputsAndOtherMethods) {
    stock.click(ctl::stock::JvXPButton1);
    stock.userSet(ctl::stock::DevirHiziRadio, QStringLiteral("1"));
    stock.click(ctl::stock::JvXPButton1);
    stock.userSet(ctl::stock::DBasiStokEdit, QStringLiteral("1.000,00"));
    stock.click(ctl::stock::JvXPButton1);
    EXPECT_EQ(shown(), QStringList({stock::kTurnoverOnlyWithMethod, stock::kNoOpeningOrClosingStock,
                                    stock::kNoCostOfSales}));
    EXPECT_EQ(stock.text(ctl::stock::GirisTarihiDateS), QStringLiteral("01.01.2005"));
    EXPECT_TRUE(stock.text(ctl::stock::StoktaKalmaSureEdit).isEmpty());
}

TEST_F(StockEquityTest, LiabilityAccountsDebit698First) {
    setIndex({{20239, 2749.98}, {202312, 3035.59}});
    enterItem(stock, QStringLiteral("340"), QStringLiteral("100.000,00"));
    stock.setDate(ctl::stock::GirisTarihiDateS, QDate(2023, 9, 15));
    stock.click(ctl::stock::DuzeltButS);
    const QStringList lines = stock.lines(ctl::stock::DigerRich);
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines.at(1),
              QStringLiteral("698        ENFLASYON DÜZELTME HESABI                              10.386,00"));
    EXPECT_EQ(
        lines.at(3),
        QStringLiteral(
            "                340.01     Ticari Mallar                                          10.386,00"));
    EXPECT_EQ(stock.text(ctl::stock::DuzeltKatsayiEditS), QStringLiteral("1,10386"));
}

TEST_F(StockEquityTest, AccountAndMethodRulesFollowTheAccountList) {
    stock.userSet(ctl::stock::DevirHiziRadio, QStringLiteral("1"));
    stock.userSet(ctl::stock::ROFMAnaparaEditS, QStringLiteral("1.000,00"));
    stock.userSet(ctl::stock::ROFMFaizEditS, QStringLiteral("100,00"));
    stock.userSet(ctl::stock::DuzeltmeAnaHesapComboS, QStringLiteral("159"));
    EXPECT_EQ(stock.method(), StockMethod::Real);
    EXPECT_FALSE(stock.isVisible(ctl::stock::DevirHiziGroup));
    EXPECT_EQ(stock.text(ctl::stock::ROFMFaizEditS), QStringLiteral("100,00")) << "159 allows financing";

    stock.userSet(ctl::stock::BasitRadio, QStringLiteral("1"));
    EXPECT_EQ(stock.method(), StockMethod::Real) << "159 allows no averaging";

    stock.userSet(ctl::stock::DuzeltmeAnaHesapComboS, QStringLiteral("340"));
    EXPECT_TRUE(stock.text(ctl::stock::ROFMAnaparaEditS).isEmpty());
    EXPECT_TRUE(stock.text(ctl::stock::ROFMFaizEditS).isEmpty());

    stock.userSet(ctl::stock::DuzeltmeAnaHesapComboS, QStringLiteral("157"));
    stock.userSet(ctl::stock::DevirHiziRadio, QStringLiteral("1"));
    EXPECT_EQ(stock.method(), StockMethod::Turnover);
    EXPECT_TRUE(stock.isVisible(ctl::stock::DevirHiziGroup));
    stock.userSet(ctl::stock::BasitRadio, QStringLiteral("0"));
    EXPECT_EQ(stock.method(), StockMethod::Turnover) << "a radio switched off chooses nothing";
    stock.userSet(ctl::stock::GercekRadio, QStringLiteral("1"));
    EXPECT_FALSE(stock.isVisible(ctl::stock::DevirHiziGroup));
}

TEST_F(StockEquityTest, MissingIndexMonthStopsAndLeavesNoStaleResult) {
    setIndex({{20239, 2749.98}, {202312, 3035.59}});
    enterItem(stock, QStringLiteral("150"), QStringLiteral("100.000,00"));
    stock.setDate(ctl::stock::GirisTarihiDateS, QDate(2023, 9, 1));
    stock.click(ctl::stock::DuzeltButS);
    ASSERT_EQ(stock.text(ctl::stock::DuzeltKatsayiEditS), QStringLiteral("1,10386"));

    stock.setDate(ctl::stock::GirisTarihiDateS, QDate(2022, 1, 10));
    stock.leave(ctl::stock::GirisTarihiDateS);
    EXPECT_EQ(shown(), QStringList{QStringLiteral("Yİ-ÜFE endeksi bulunamadı: 01.2022")});
    for (const QString& name :
         {ctl::stock::GirisYi_UfeEditS, ctl::stock::HesapYi_UfeEditS, ctl::stock::DuzeltKatsayiEditS,
          ctl::stock::DuzeltilmisTutarEditS, ctl::stock::EnflasyonFarkEditS})
        EXPECT_TRUE(stock.text(name).isEmpty()) << qPrintable(name);
    EXPECT_TRUE(stock.lines(ctl::stock::DigerRich).isEmpty());
}

TEST_F(StockEquityTest, EntriesBefore2005TakeDecember2004) {
    setIndex({{200412, 1000.0}, {202312, 3035.59}});
    enterItem(stock, QStringLiteral("150"), QStringLiteral("1.000,00"));
    stock.setDate(ctl::stock::GirisTarihiDateS, QDate(2003, 6, 15));
    stock.click(ctl::stock::DuzeltButS);
    EXPECT_EQ(stock.text(ctl::stock::YiUfeGirisDateS), QStringLiteral("31.12.2004"));
    EXPECT_EQ(stock.text(ctl::stock::GirisTarihiDateS), QStringLiteral("15.06.2003"));
    EXPECT_EQ(stock.text(ctl::stock::DuzeltKatsayiEditS), QStringLiteral("3,03559"));
}

TEST_F(StockEquityTest, LeavingTheEntryDateRecomputesOnlyWithABookValue) {
    setIndex({{20239, 2749.98}, {202312, 3035.59}});
    stock.setDate(ctl::stock::GirisTarihiDateS, QDate(2023, 9, 1));
    stock.leave(ctl::stock::GirisTarihiDateS);
    EXPECT_TRUE(stock.text(ctl::stock::DuzeltKatsayiEditS).isEmpty());
    stock.userSet(ctl::stock::KayitliTutariEditS, QStringLiteral("10,00"));
    stock.leave(ctl::stock::GirisTarihiDateS);
    EXPECT_EQ(stock.text(ctl::stock::DuzeltKatsayiEditS), QStringLiteral("1,10386"));
}

} // namespace
} // namespace velkor::test
