#include "StockEquityFixture.h"
#include "engine/EquitySheetControls.h"

namespace velkor::test {
namespace {

void enterCapital(EquitySheet& sheet, const QString& account, const QString& sub, const QString& name,
                  const QString& amount, const QDate& date) {
    sheet.userSet(ctl::equity::DuzeltmeAnaHesapComboO, account);
    sheet.userSet(ctl::equity::KoduEditO, sub);
    sheet.userSet(ctl::equity::AdiEditO, name);
    sheet.userSet(ctl::equity::KayitliTutariEditO, amount);
    sheet.setDate(ctl::equity::GirisTarihiDateO, date);
}

TEST_F(StockEquityTest, CashCapitalIsCreditedTo502) {
    setIndex({{20203, 462.42}, {202312, 3035.59}});
    enterCapital(equity, QStringLiteral("500"), QStringLiteral("001"),
                 QStringLiteral("Ortak Ahmet Yılmaz sermaye payı"), QStringLiteral("1.000.000,00"),
                 QDate(2020, 3, 15));
    equity.click(ctl::equity::DuzeltButO);
    EXPECT_EQ(equity.text(ctl::equity::YiUfeGirisDateO), QStringLiteral("15.03.2020"));
    EXPECT_EQ(equity.text(ctl::equity::GirisYi_UfeEditO), QStringLiteral("462,42"));
    EXPECT_EQ(equity.text(ctl::equity::DuzeltKatsayiEditO), QStringLiteral("6,56457"));
    EXPECT_EQ(equity.text(ctl::equity::DuzeltilmisTutarEditO), QStringLiteral("6.564.570,00"));
    EXPECT_EQ(equity.text(ctl::equity::EnflasyonFarkEditO), QStringLiteral("5.564.570,00"));
    EXPECT_EQ(
        equity.lines(ctl::equity::OzkaynakRich),
        QStringList(
            {separatorText(),
             QStringLiteral("698        ENFLASYON DÜZELTME HESABI                           5.564.570,00"),
             QString(),
             QStringLiteral("                502.001    Ortak Ahmet Yılmaz sermaye payı                     "
                            "5.564.570,00"),
             QString(),
             QStringLiteral("Varlık Net Değeri (1.000.000,00) X (6,56457) Katsayı ile Düzeltilmiştir."),
             QStringLiteral("Nakti sermaye ödemesi olarak ödeme tarihi esas alınmıştır."), separatorText()}));
}

TEST_F(StockEquityTest, CapitalIncreaseFromRevaluationFundsGoesWholeTo503) {
    setIndex({{20203, 462.42}, {202312, 3035.59}});
    enterCapital(equity, QStringLiteral("500"), QStringLiteral("002"), QStringLiteral("Fon artırımı"),
                 QStringLiteral("250.000,00"), QDate(2020, 3, 15));
    equity.userSet(ctl::equity::Radio522, QStringLiteral("1"));
    equity.click(ctl::equity::DuzeltButO);
    EXPECT_EQ(equity.text(ctl::equity::DuzeltKatsayiEditO), QStringLiteral("1,00000"));
    EXPECT_EQ(equity.text(ctl::equity::DuzeltilmisTutarEditO), QStringLiteral("250.000,00"));
    EXPECT_EQ(equity.text(ctl::equity::EnflasyonFarkEditO), QStringLiteral("250.000,00"));
    EXPECT_EQ(
        equity.lines(ctl::equity::OzkaynakRich),
        QStringList(
            {separatorText(),
             QStringLiteral("503.002    Fon artırımı                                          250.000,00"),
             QString(),
             QStringLiteral("                698        ENFLASYON DÜZELTME HESABI                       "
                            "      250.000,00"),
             QString(),
             QStringLiteral("Varlık Net Değeri (250.000,00) X (1,00000) Katsayı ile Düzeltilmiştir."),
             QStringLiteral("522/523/524 Hesaplardan Yapılan Sermaye Artırımı Nedeniyle artırım "
                            "yapılmamış 503 hesaba işlenmiştir."),
             separatorText()}));
}

TEST_F(StockEquityTest, CarriedForwardAccountsTakeTheAdjustmentDate) {
    setIndex({{20203, 462.42}, {202312, 3035.59}});
    enterCapital(equity, QStringLiteral("570"), QStringLiteral("01"), QStringLiteral("Geçmiş yıllar kârları"),
                 QStringLiteral("80.000,00"), QDate(2020, 3, 15));
    EXPECT_FALSE(equity.isVisible(ctl::equity::SermayeGroup));
    equity.click(ctl::equity::DuzeltButO);
    EXPECT_EQ(equity.text(ctl::equity::GirisTarihiDateO), QStringLiteral("31.12.2023"));
    EXPECT_EQ(equity.text(ctl::equity::DuzeltKatsayiEditO), QStringLiteral("1,00000"));
    EXPECT_EQ(equity.text(ctl::equity::EnflasyonFarkEditO), QStringLiteral("0,00"));
    EXPECT_EQ(
        equity.lines(ctl::equity::OzkaynakRich).at(3),
        QStringLiteral(
            "                570.01     Geçmiş yıllar kârları                                       0,00"));
}

TEST_F(StockEquityTest, OtherEquityAccountsHaveNoCapitalSentence) {
    setIndex({{200412, 1000.0}, {202312, 3035.59}});
    enterCapital(equity, QStringLiteral("540"), QStringLiteral("01"), QStringLiteral("Yasal yedekler"),
                 QStringLiteral("10.000,00"), QDate(2001, 5, 2));
    equity.click(ctl::equity::DuzeltButO);
    EXPECT_EQ(equity.text(ctl::equity::YiUfeGirisDateO), QStringLiteral("31.12.2004"));
    EXPECT_EQ(equity.text(ctl::equity::DuzeltKatsayiEditO), QStringLiteral("3,03559"));
    const QStringList lines = equity.lines(ctl::equity::OzkaynakRich);
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines.at(1).left(3), QStringLiteral("698"));
    EXPECT_EQ(lines.at(5),
              QStringLiteral("Varlık Net Değeri (10.000,00) X (3,03559) Katsayı ile Düzeltilmiştir."));
}

TEST_F(StockEquityTest, CapitalGroupIsShownOnlyFor500) {
    EXPECT_TRUE(equity.isVisible(ctl::equity::SermayeGroup));
    equity.userSet(ctl::equity::DuzeltmeAnaHesapComboO, QStringLiteral("520"));
    EXPECT_FALSE(equity.isVisible(ctl::equity::SermayeGroup));
    EXPECT_FALSE(equity.isVisible(ctl::equity::SermayeAciklaGroup));
    equity.userSet(ctl::equity::DuzeltmeAnaHesapComboO, QStringLiteral("500"));
    EXPECT_TRUE(equity.isVisible(ctl::equity::SermayeAciklaGroup));
}

TEST_F(StockEquityTest, EquityMissingIndexStops) {
    setIndex({{202312, 3035.59}});
    enterCapital(equity, QStringLiteral("500"), QStringLiteral("001"), QStringLiteral("Sermaye"),
                 QStringLiteral("1.000,00"), QDate(2020, 3, 15));
    equity.leave(ctl::equity::GirisTarihiDateO);
    EXPECT_EQ(shown(), QStringList{QStringLiteral("Yİ-ÜFE endeksi bulunamadı: 03.2020")});
    EXPECT_TRUE(equity.text(ctl::equity::DuzeltKatsayiEditO).isEmpty());
    EXPECT_TRUE(equity.lines(ctl::equity::OzkaynakRich).isEmpty());
}

} // namespace
} // namespace velkor::test
