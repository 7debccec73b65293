#include "FixedAssetFixture.h"

#include "engine/FixedAssetBaseMonth.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/WorkspaceStateControls.h"

namespace velkor::test {
namespace {

// The example month: base 1.234,56 (March 2020), account month 3.035,59.
class FixedAssetAdjustmentTest : public FixedAssetTest {
protected:
    FixedAssetAdjustmentTest() {
        setIndex({{20203, 1234.56}, {202312, 3035.59}, {20236, 2500.00}, {20201, 1000.0}, {202212, 1500.0}});
        enterItem(QStringLiteral("253"), QStringLiteral("01"), QStringLiteral("Torna Tezgahı"),
                  QDate(2020, 3, 15), QStringLiteral("100.000,00"));
    }
};

TEST_F(FixedAssetAdjustmentTest, AdjustsTheAssetAndItsDepreciationWithTheCoefficient) {
    sheet().userSet(ctl::fixedasset::BirikmisAmortEdit, QStringLiteral("40.000,00"));
    sheet().click(ctl::fixedasset::DuzeltBut);

    EXPECT_EQ(field(ctl::fixedasset::GirisYi_UfeEdit), QStringLiteral("1.234,56"));
    EXPECT_EQ(field(ctl::fixedasset::HesapYi_UfeEdit), QStringLiteral("3.035,59"));
    EXPECT_EQ(field(ctl::fixedasset::DuzeltKatsayiEdit), QStringLiteral("2,45884"));
    EXPECT_EQ(field(ctl::fixedasset::YiUfeGirisDate), QStringLiteral("15.03.2020"));
    EXPECT_EQ(field(ctl::fixedasset::DuzeltilmisTutarEdit), QStringLiteral("245.884,00"));
    EXPECT_EQ(field(ctl::fixedasset::EnflasyonFarkEdit), QStringLiteral("145.884,00"));
    EXPECT_EQ(field(ctl::fixedasset::DuzeltilmisAmortismanEdit), QStringLiteral("98.353,60"));
    EXPECT_EQ(field(ctl::fixedasset::AmortismanFarkEdit), QStringLiteral("58.353,60"));

    const QStringList expected{
        separatorText(),
        posting(QStringLiteral("253.01"), QStringLiteral("Torna Tezgahı"), QStringLiteral("145.884,00")),
        QString(),
        posting(QStringLiteral("698"), QStringLiteral("ENFLASYON DÜZELTME HESABI"),
                QStringLiteral("145.884,00"), true),
        QString(),
        QStringLiteral("Varlık Net Değeri (100.000,00) X (2,45884) Katsayı ile Düzeltilmiştir."),
        separatorText(),
        posting(QStringLiteral("698"), QStringLiteral("ENFLASYON DÜZELTME HESABI"),
                QStringLiteral("58.353,60")),
        QString(),
        posting(QStringLiteral("257"), QStringLiteral("AMORTİSMAN HESABI (253.01)"),
                QStringLiteral("58.353,60"), true),
        QString(),
        QStringLiteral("Birikmiş Amortisman (40.000,00) X (1,45884) Varlık Artış Oranı ile Düzeltilmiştir."),
        separatorText()};
    EXPECT_EQ(text(), expected);
    EXPECT_EQ(text().first().size(), 92);
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(FixedAssetAdjustmentTest, WithoutDepreciationTheTextHasOnlyTheAssetBlock) {
    sheet().click(ctl::fixedasset::DuzeltBut);
    EXPECT_EQ(field(ctl::fixedasset::DuzeltilmisAmortismanEdit), QStringLiteral("0,00"));
    EXPECT_EQ(field(ctl::fixedasset::AmortismanFarkEdit), QStringLiteral("0,00"));
    ASSERT_EQ(text().size(), 7);
    EXPECT_EQ(text().last(), separatorText());
}

TEST_F(FixedAssetAdjustmentTest, InterestTakenOutAndAdjustedRealInterestAddedBack) {
    setIndex({{20201, 1000.0}, {202312, 2000.0}});
    sheet().setDate(ctl::fixedasset::GirisTarihiDate, QDate(2020, 1, 10));
    sheet().setItemIndex(ctl::fixedasset::ROFMRadio, 2);
    sheet().userSet(ctl::fixedasset::ROFMFaizEdit, QStringLiteral("10.000,00"));
    sheet().setText(ctl::fixedasset::Duz_Reel_FaizEdit, QStringLiteral("3.000,00"));
    sheet().click(ctl::fixedasset::DuzeltBut);
    EXPECT_EQ(field(ctl::fixedasset::DuzeltKatsayiEdit), QStringLiteral("2,00000"));
    EXPECT_EQ(field(ctl::fixedasset::DuzeltilmisTutarEdit), QStringLiteral("183.000,00"));
    EXPECT_EQ(field(ctl::fixedasset::EnflasyonFarkEdit), QStringLiteral("83.000,00"));
    EXPECT_EQ(text().at(5),
              QStringLiteral("Varlık Net Değeri (90.000,00) X (2,00000) Katsayı ile Düzeltilmiştir."));
}

TEST_F(FixedAssetAdjustmentTest, LongNamesAndCodesAreCutInTheItemPostingOnly) {
    const QString name = QString(50, QLatin1Char('A'));
    sheet().userSet(ctl::fixedasset::AdiEdit, name);
    sheet().userSet(ctl::fixedasset::KoduEdit, QStringLiteral("0001.0002.03"));
    sheet().userSet(ctl::fixedasset::BirikmisAmortEdit, QStringLiteral("40.000,00"));
    sheet().click(ctl::fixedasset::DuzeltBut);
    EXPECT_EQ(text().at(1),
              posting(QStringLiteral("253.0001.0"), name.left(40), QStringLiteral("145.884,00")));
    EXPECT_EQ(text().at(9),
              posting(QStringLiteral("257"), QStringLiteral("AMORTİSMAN HESABI (253.0001.0002.03)"),
                      QStringLiteral("58.353,60"), true));
}

TEST_F(FixedAssetAdjustmentTest, OnlyInvestmentsInProgressKeepAPickedAdjustmentDate) {
    state().click(ctl::workspace::HesapTarihAcBut);
    EXPECT_TRUE(state().isEnabled(ctl::workspace::HesapTarihiDate));
    state().setDate(ctl::workspace::HesapTarihiDate, QDate(2023, 6, 30));
    sheet().userSet(ctl::fixedasset::DuzeltmeAnaHesapCombo, QStringLiteral("258"));
    sheet().click(ctl::fixedasset::DuzeltBut);
    EXPECT_EQ(field(ctl::fixedasset::HesapYi_UfeEdit), QStringLiteral("2.500,00"));
    EXPECT_EQ(text().first(), separatorText());

    sheet().userSet(ctl::fixedasset::DuzeltmeAnaHesapCombo, QStringLiteral("250"));
    sheet().click(ctl::fixedasset::DuzeltBut);
    EXPECT_EQ(state().text(ctl::workspace::HesapTarihiDate), QStringLiteral("31.12.2023"));
    EXPECT_FALSE(state().isEnabled(ctl::workspace::HesapTarihiDate));
    EXPECT_EQ(field(ctl::fixedasset::HesapYi_UfeEdit), QStringLiteral("3.035,59"));
}

TEST_F(FixedAssetAdjustmentTest, AMissingMonthStopsWithItsNameAndLeavesNoStaleFigures) {
    sheet().click(ctl::fixedasset::DuzeltBut);
    ASSERT_EQ(field(ctl::fixedasset::DuzeltilmisTutarEdit), QStringLiteral("245.884,00"));
    sheet().setDate(ctl::fixedasset::GirisTarihiDate, QDate(2021, 7, 1));
    sheet().click(ctl::fixedasset::DuzeltBut);
    EXPECT_EQ(shown(), QStringList{QStringLiteral("Yİ-ÜFE endeksi bulunamadı: 07.2021")});
    for (const QString& name :
         {ctl::fixedasset::GirisYi_UfeEdit, ctl::fixedasset::HesapYi_UfeEdit,
          ctl::fixedasset::DuzeltKatsayiEdit, ctl::fixedasset::DuzeltilmisTutarEdit,
          ctl::fixedasset::EnflasyonFarkEdit, ctl::fixedasset::DuzeltilmisAmortismanEdit,
          ctl::fixedasset::AmortismanFarkEdit})
        EXPECT_EQ(field(name), QString()) << qPrintable(name);
    EXPECT_TRUE(text().isEmpty());
}

TEST_F(FixedAssetAdjustmentTest, AZeroIndexValueCountsAsMissing) {
    setIndex({{20203, 0.0}, {202312, 3035.59}});
    sheet().click(ctl::fixedasset::DuzeltBut);
    EXPECT_EQ(shown(), QStringList{QStringLiteral("Yİ-ÜFE endeksi bulunamadı: 03.2020")});
}

TEST_F(FixedAssetAdjustmentTest, ABookValueOfZeroGivesZeroResults) {
    sheet().userSet(ctl::fixedasset::KayitliTutariEdit, QString());
    sheet().userSet(ctl::fixedasset::BirikmisAmortEdit, QStringLiteral("40.000,00"));
    sheet().click(ctl::fixedasset::DuzeltBut);
    EXPECT_EQ(field(ctl::fixedasset::DuzeltilmisTutarEdit), QStringLiteral("0,00"));
    EXPECT_EQ(field(ctl::fixedasset::AmortismanFarkEdit), QStringLiteral("0,00"));
    EXPECT_EQ(text().size(), 7);
}

TEST_F(FixedAssetAdjustmentTest, LeavingTheEntryDateRecomputesOnlyWithABookValue) {
    sheet().leave(ctl::fixedasset::GirisTarihiDate);
    EXPECT_EQ(field(ctl::fixedasset::DuzeltKatsayiEdit), QStringLiteral("2,45884"));
    sheet().click(ctl::fixedasset::YeniBut);
    sheet().leave(ctl::fixedasset::GirisTarihiDate);
    EXPECT_EQ(field(ctl::fixedasset::DuzeltKatsayiEdit), QString());
}

TEST(FixedAssetBaseMonthTest, RuleOfTheBaseMonth) {
    const QString end2021 = QStringLiteral("31.12.2021");
    FixedAssetBaseMonth b = baseMonthOf(QDate(2003, 6, 15), false, QStringLiteral("31.12.2004"));
    EXPECT_EQ(b.key, 200412);
    EXPECT_EQ(b.shownDate, QDate(2004, 12, 31));
    EXPECT_TRUE(b.revaluationSentence.isEmpty());

    b = baseMonthOf(QDate(2019, 6, 15), true, end2021);
    EXPECT_EQ(b.key, 202112);
    EXPECT_EQ(b.shownDate, QDate(2021, 12, 31));
    EXPECT_EQ(b.revaluationSentence, QStringLiteral("Varlık daha önce 31.12.2021 tarihinde MDVD yapılmıştır. "
                                                    "Düzeltmede bu tarih esas alınmıştır."));

    b = baseMonthOf(QDate(2022, 3, 10), true, end2021);
    EXPECT_EQ(b.key, 20223);
    EXPECT_EQ(b.shownDate, QDate(2022, 3, 10));
    EXPECT_FALSE(b.revaluationSentence.isEmpty());

    EXPECT_EQ(baseMonthOf(QDate(2021, 12, 10), true, end2021).key, 202112);
    EXPECT_EQ(baseMonthOf(QDate(2003, 1, 1), true, QStringLiteral("30.04.2018")).key, 20184);
}

} // namespace
} // namespace velkor::test
