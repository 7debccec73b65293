#include "StockEquityFixture.h"
#include "engine/StockSheetControls.h"

namespace velkor::test {
namespace {

const QString kLongName = QStringLiteral("Ticari Mallar Deposu Ankara Şubesi Mamul Stokları");

TEST_F(StockEquityTest, TurnoverItemSavesItsColumnsAndReloadsAsStored) {
    setIndex({{202310, 2900.0}, {202312, 3035.59}});
    stock.userSet(ctl::stock::DuzeltmeAnaHesapComboS, QStringLiteral("153"));
    stock.userSet(ctl::stock::KoduEditS, QStringLiteral("01"));
    stock.userSet(ctl::stock::AdiEditS, kLongName);
    stock.userSet(ctl::stock::KayitliTutariEditS, QStringLiteral("200.000,00"));
    stock.userSet(ctl::stock::DevirHiziRadio, QStringLiteral("1"));
    stock.userSet(ctl::stock::DBasiStokEdit, QStringLiteral("100.000,00"));
    stock.userSet(ctl::stock::DSonuStokEdit, QStringLiteral("140.000,00"));
    stock.userSet(ctl::stock::DonemiciSMMEdit, QStringLiteral("600.000,00"));
    stock.click(ctl::stock::DuzeltButS);
    stock.click(ctl::stock::KaydetButtonS);

    const qint64 id = stock.text(ctl::stock::Kayit_No_EditS).toLongLong();
    ASSERT_GT(id, 0);
    EXPECT_EQ(stored(id, QStringLiteral("anahesapkodu")).toString(), QStringLiteral("153"));
    EXPECT_EQ(stored(id, QStringLiteral("fatura_tarihi")).toString(), QStringLiteral("2023-10-19"));
    EXPECT_EQ(stored(id, QStringLiteral("Hesap_Yi_UFE_Tarihi")).toString(), QStringLiteral("2023-12-31"));
    EXPECT_DOUBLE_EQ(stored(id, QStringLiteral("VUK_Son_Degeri")).toDouble(), 200000.0);
    EXPECT_DOUBLE_EQ(stored(id, QStringLiteral("Duzeltme_Katsayisi")).toDouble(), 1.04676);
    EXPECT_DOUBLE_EQ(stored(id, QStringLiteral("Enflasyon_Farki")).toDouble(), 9352.0);
    EXPECT_EQ(stored(id, QStringLiteral("Hesaplama_Yontemi")).toString(), QStringLiteral("Devir"));
    EXPECT_DOUBLE_EQ(stored(id, QStringLiteral("Devir_Hizi_Ne")).toDouble(), 5.0);
    EXPECT_EQ(stored(id, QStringLiteral("Devir_Hizi_Sure")).toInt(), 73);
    EXPECT_EQ(stored(id, QStringLiteral("SBK_Diger")).toString(), QStringLiteral("Diger"));
    for (const char* column : {"ROFM_Yontem", "ROFM_Faiz", "ROFM_Reel_Duzeltilmis", "MDVD_Yapildi",
                               "vuk_amortisman_sure", "Duzeltilmis_Amortisman"})
        EXPECT_TRUE(stored(id, QString::fromLatin1(column)).isNull()) << column;

    StockSheet reloaded(home.context(), state, index, interest, table);
    reloaded.DuzeltStok(listAt(id));
    EXPECT_EQ(reloaded.text(ctl::stock::Kayit_No_EditS), QString::number(id));
    EXPECT_EQ(reloaded.text(ctl::stock::GirisTarihiDateS), QStringLiteral("19.10.2023"));
    EXPECT_EQ(reloaded.text(ctl::stock::KayitliTutariEditS), QStringLiteral("200.000,00"));
    EXPECT_EQ(reloaded.text(ctl::stock::DuzeltKatsayiEditS), QStringLiteral("1,04676"));
    EXPECT_EQ(reloaded.method(), StockMethod::Turnover);
    EXPECT_TRUE(reloaded.isVisible(ctl::stock::DevirHiziGroup));
    EXPECT_EQ(reloaded.text(ctl::stock::DevirHiziEdit), QStringLiteral("5,00"));
    EXPECT_EQ(reloaded.text(ctl::stock::StoktaKalmaSureEdit), QStringLiteral("73,00"));
    EXPECT_EQ(reloaded.text(ctl::stock::DBasiStokEdit), QStringLiteral("100.000,00"));
    EXPECT_TRUE(reloaded.text(ctl::stock::ROFMFaizEditS).isEmpty());
    EXPECT_EQ(
        reloaded.lines(ctl::stock::DigerRich),
        QStringList(
            {separatorText(),
             QStringLiteral("153.01     Ticari Mallar Deposu Ankara Şubesi                      9.352,00"),
             QString(),
             QStringLiteral("                698        ENFLASYON DÜZELTME HESABI                  "
                            "             9.352,00"),
             QString(),
             QStringLiteral("Varlık Net Değeri (200.000,00) X (1,04676) Katsayı ile Düzeltilmiştir."),
             QStringLiteral("Hesaplama yöntemi olarak \"Devir Hızı Yöntemi\" kullanılmıştır."),
             separatorText()}));

    // Saving the loaded item again edits its row instead of adding one.
    reloaded.userSet(ctl::stock::GercekRadio, QStringLiteral("1"));
    reloaded.click(ctl::stock::KaydetButtonS);
    EXPECT_EQ(reloaded.text(ctl::stock::Kayit_No_EditS), QString::number(id));
    EXPECT_EQ(rowCount(), 1);
    EXPECT_EQ(stored(id, QStringLiteral("Hesaplama_Yontemi")).toString(), QStringLiteral("Gercek"));
    EXPECT_TRUE(stored(id, QStringLiteral("Devir_Hizi_Sure")).isNull());
    EXPECT_TRUE(stored(id, QStringLiteral("Devir_Hizi_DB")).isNull());
}

TEST_F(StockEquityTest, FinancedItemReloadsWithItsFinancingLinesBeforeTheMethod) {
    setIndex({{20201, 1000.0}, {202212, 1500.0}, {202312, 3000.0}});
    stock.userSet(ctl::stock::KoduEditS, QStringLiteral("01"));
    stock.userSet(ctl::stock::AdiEditS, QStringLiteral("Ticari Mallar"));
    stock.userSet(ctl::stock::KayitliTutariEditS, QStringLiteral("500.000,00"));
    stock.setDate(ctl::stock::GirisTarihiDateS, QDate(2020, 1, 1));
    stock.setDate(ctl::stock::ROFMBasDateS, QDate(2020, 1, 1));
    stock.setDate(ctl::stock::ROFMBitDateS, QDate(2022, 12, 31));
    stock.userSet(ctl::stock::ROFMAnaparaEditS, QStringLiteral("100.000,00"));
    stock.userSet(ctl::stock::ROFMFaizEditS, QStringLiteral("60.000,00"));
    stock.click(ctl::stock::DuzeltButS);
    stock.click(ctl::stock::KaydetButtonS);
    const qint64 id = stock.text(ctl::stock::Kayit_No_EditS).toLongLong();
    EXPECT_EQ(stored(id, QStringLiteral("ROFM_Yontem")).toString(), QStringLiteral("Borc"));
    EXPECT_EQ(stored(id, QStringLiteral("ROFM_Baslama_Tarihi")).toString(), QStringLiteral("2020-01-01"));
    EXPECT_DOUBLE_EQ(stored(id, QStringLiteral("ROFM_Tutar")).toDouble(), 50000.0);
    EXPECT_DOUBLE_EQ(stored(id, QStringLiteral("ROFM_Reel_Duzeltilmis")).toDouble(), 20000.0);
    EXPECT_TRUE(stored(id, QStringLiteral("ROFM_Ayrilmamis_Amort")).isNull());
    EXPECT_TRUE(stored(id, QStringLiteral("Devir_Hizi_Ne")).isNull());

    StockSheet reloaded(home.context(), state, index, interest, table);
    reloaded.DuzeltStok(listAt(id));
    EXPECT_EQ(reloaded.text(ctl::stock::ROFMArtisEditS), QStringLiteral("0,50000"));
    EXPECT_EQ(reloaded.text(ctl::stock::ReelFaizKatsayiEditS), QStringLiteral("2,00000"));
    EXPECT_EQ(reloaded.text(ctl::stock::ROFMDuzeltilmisEditS), QStringLiteral("450.000,00"));
    EXPECT_EQ(
        reloaded.lines(ctl::stock::DigerRich).mid(5),
        QStringList(
            {QStringLiteral("Varlık Net Değeri (440.000,00) X (3) Katsayı ile Düzeltilmiştir."),
             QStringLiteral("ROFM \"Borç Tutarı\" Yöntemi ile Reel Faiz (10.000,00) X (2,00000) Katsayı "
                            "ile Düzeltilmiştir."),
             QStringLiteral("ROFM (50.000,00) TL varlık tutarından çıkarılmıştır."),
             QStringLiteral("Hesaplama yöntemi olarak \"Gerçek Yöntem\" kullanılmıştır."), separatorText()}));

    // Without an interest amount the financing columns are emptied on the next save.
    reloaded.setText(ctl::stock::ROFMFaizEditS, QString());
    reloaded.click(ctl::stock::KaydetButtonS);
    EXPECT_TRUE(stored(id, QStringLiteral("ROFM_Yontem")).isNull());
    EXPECT_TRUE(stored(id, QStringLiteral("ROFM_Tutar")).isNull());
}

TEST_F(StockEquityTest, FixedAssetRowsAreNotLoadedIntoTheStockSheet) {
    table.ensureOpen();
    table.append();
    table.setValue(QStringLiteral("anahesapkodu"), QStringLiteral("253"));
    table.setValue(QStringLiteral("sbk_adi"), QStringLiteral("Makine"));
    table.post();
    const qint64 id = table.value(QStringLiteral("id")).toLongLong();
    stock.DuzeltStok(listAt(id));
    EXPECT_TRUE(stock.text(ctl::stock::AdiEditS).isEmpty());
}

} // namespace
} // namespace velkor::test
