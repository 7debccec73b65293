#include "StockEquityFixture.h"
#include "engine/EquitySheetControls.h"

namespace velkor::test {
namespace {

TEST_F(StockEquityTest, EquityItemSavesItsColumnsAndReloadsWithoutNetValueLine) {
    setIndex({{20203, 462.42}, {202312, 3035.59}});
    equity.userSet(ctl::equity::DuzeltmeAnaHesapComboO, QStringLiteral("540"));
    equity.userSet(ctl::equity::KoduEditO, QStringLiteral("01"));
    equity.userSet(ctl::equity::AdiEditO,
                   QStringLiteral("Yasal yedekler 2020 yılı kâr dağıtımından ayrılan"));
    equity.userSet(ctl::equity::KayitliTutariEditO, QStringLiteral("10.000,00"));
    equity.setDate(ctl::equity::GirisTarihiDateO, QDate(2020, 3, 15));
    equity.userSet(ctl::equity::AyniRadio, QStringLiteral("1"));
    equity.click(ctl::equity::DuzeltButO);
    ASSERT_EQ(equity.lines(ctl::equity::OzkaynakRich).size(), 7) << "no capital sentence for 540";
    equity.click(ctl::equity::KaydetButtonO);

    const qint64 id = equity.text(ctl::equity::Kayit_No_EditO).toLongLong();
    ASSERT_GT(id, 0);
    EXPECT_EQ(stored(id, QStringLiteral("anahesapkodu")).toString(), QStringLiteral("540"));
    EXPECT_EQ(stored(id, QStringLiteral("fatura_tarihi")).toString(), QStringLiteral("2020-03-15"));
    EXPECT_EQ(stored(id, QStringLiteral("Giris_Yi_UFE_Tarihi")).toString(), QStringLiteral("2020-03-15"));
    EXPECT_DOUBLE_EQ(stored(id, QStringLiteral("Giris_Yi_UFE")).toDouble(), 462.42);
    EXPECT_DOUBLE_EQ(stored(id, QStringLiteral("Duzeltilmis_Tutar")).toDouble(), 65645.7);
    EXPECT_EQ(stored(id, QStringLiteral("Hesaplama_Yontemi")).toString(), QStringLiteral("Ayni"));
    EXPECT_EQ(stored(id, QStringLiteral("SBK_Diger")).toString(), QStringLiteral("Diger"));
    for (const char* column : {"ROFM_Yontem", "Devir_Hizi_Sure", "vuk_birikmis_amortisman"})
        EXPECT_TRUE(stored(id, QString::fromLatin1(column)).isNull()) << column;

    EquitySheet reloaded(home.context(), state, index, interest, table);
    reloaded.DuzeltOzkaynaklar(listAt(id));
    EXPECT_FALSE(reloaded.isVisible(ctl::equity::SermayeGroup));
    EXPECT_EQ(reloaded.capitalKind(), CapitalKind::InKind);
    EXPECT_EQ(reloaded.text(ctl::equity::KayitliTutariEditO), QStringLiteral("10.000,00"));
    EXPECT_EQ(reloaded.text(ctl::equity::DuzeltKatsayiEditO), QStringLiteral("6,56457"));
    EXPECT_EQ(reloaded.text(ctl::equity::EnflasyonFarkEditO), QStringLiteral("55.645,70"));
    EXPECT_EQ(
        reloaded.lines(ctl::equity::OzkaynakRich),
        QStringList(
            {separatorText(),
             QStringLiteral("698        ENFLASYON DÜZELTME HESABI                              55.645,70"),
             QString(),
             QStringLiteral("                540.01     Yasal yedekler 2020 yılı kâr dağıtı     "
                            "               55.645,70"),
             QString(),
             QStringLiteral("Ayni Olarak Konan Sermaye olarak Mülkiyetin İntikal Ettiği Tarih esas "
                            "alınmıştır."),
             separatorText()}));

    reloaded.click(ctl::equity::KaydetButtonO);
    EXPECT_EQ(rowCount(), 1);
}

TEST_F(StockEquityTest, ReloadedCapitalIncreaseKeeps503Label) {
    setIndex({{20203, 462.42}, {202312, 3035.59}});
    equity.userSet(ctl::equity::KoduEditO, QStringLiteral("002"));
    equity.userSet(ctl::equity::AdiEditO, QStringLiteral("Fon artırımı"));
    equity.userSet(ctl::equity::KayitliTutariEditO, QStringLiteral("250.000,00"));
    equity.userSet(ctl::equity::Radio522, QStringLiteral("1"));
    equity.click(ctl::equity::DuzeltButO);
    equity.click(ctl::equity::KaydetButtonO);
    const qint64 id = equity.text(ctl::equity::Kayit_No_EditO).toLongLong();

    EquitySheet reloaded(home.context(), state, index, interest, table);
    reloaded.DuzeltOzkaynaklar(listAt(id));
    EXPECT_EQ(reloaded.capitalKind(), CapitalKind::From522);
    EXPECT_TRUE(reloaded.isVisible(ctl::equity::SermayeGroup));
    EXPECT_EQ(reloaded.text(ctl::equity::DuzeltKatsayiEditO), QStringLiteral("1"));
    const QStringList lines = reloaded.lines(ctl::equity::OzkaynakRich);
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines.at(1),
              QStringLiteral("503.002    Fon artırımı                                          250.000,00"));
    EXPECT_TRUE(lines.at(3).startsWith(QStringLiteral("                698 ")));
}

} // namespace
} // namespace velkor::test
