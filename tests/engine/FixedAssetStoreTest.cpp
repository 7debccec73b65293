#include "FixedAssetFixture.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/WorkspaceStateControls.h"

namespace velkor::test {
namespace {

class FixedAssetStoreTest : public FixedAssetTest {
protected:
    FixedAssetStoreTest() {
        setIndex({{201912, 1000.0},
                  {20201, 1000.0},
                  {20203, 1234.56},
                  {202112, 2000.0},
                  {202212, 1500.0},
                  {202312, 3035.59}});
        enterItem(QStringLiteral("253"), QStringLiteral("01"), QStringLiteral("Torna Tezgahı"),
                  QDate(2020, 3, 15), QStringLiteral("100.000,00"));
        sheet().userSet(ctl::fixedasset::BirikmisAmortEdit, QStringLiteral("40.000,00"));
        sheet().userSet(ctl::fixedasset::AmortSureEdit, QStringLiteral("10"));
        sheet().userSet(ctl::fixedasset::AmortHesapEdit, QStringLiteral("257.01"));
    }

    qint64 save() {
        sheet().click(ctl::fixedasset::KaydetButton);
        return field(ctl::fixedasset::Kayit_No_Edit).toLongLong();
    }

    void reopen(qint64 id) {
        sheet().click(ctl::fixedasset::YeniBut);
        ASSERT_TRUE(workspace->openItem(id));
    }
};

TEST_F(FixedAssetStoreTest, SaveWritesTheComputedRowAndTheListShowsIt) {
    const qint64 id = save();
    ASSERT_GT(id, 0);
    EXPECT_EQ(stored(id, QStringLiteral("anahesapkodu")).toString(), QStringLiteral("253"));
    EXPECT_EQ(stored(id, QStringLiteral("SBK_Diger")).toString(), QStringLiteral("SBK"));
    EXPECT_DOUBLE_EQ(stored(id, QStringLiteral("VUK_Son_Degeri")).toDouble(), 100000.0);
    EXPECT_DOUBLE_EQ(stored(id, QStringLiteral("Duzeltme_Katsayisi")).toDouble(), 2.45884);
    EXPECT_DOUBLE_EQ(stored(id, QStringLiteral("Duzeltilmis_Tutar")).toDouble(), 245884.0);
    EXPECT_DOUBLE_EQ(stored(id, QStringLiteral("Duzeltilmis_Amortisman")).toDouble(), 98353.6);
    EXPECT_EQ(stored(id, QStringLiteral("vuk_amortisman_sure")).toInt(), 10);
    EXPECT_EQ(stored(id, QStringLiteral("amortisman_kodu")).toString(), QStringLiteral("257.01"));
    EXPECT_EQ(stored(id, QStringLiteral("fatura_tarihi")).toString(), QStringLiteral("2020-03-15"));
    EXPECT_EQ(stored(id, QStringLiteral("Hesap_Yi_UFE_Tarihi")).toString(), QStringLiteral("2023-12-31"));
    EXPECT_TRUE(stored(id, QStringLiteral("MDVD_Yapildi")).isNull());
    EXPECT_TRUE(stored(id, QStringLiteral("ROFM_Yontem")).isNull());
    EXPECT_TRUE(stored(id, QStringLiteral("ROFM_Ayrilmamis_Amort")).isNull());
    EXPECT_TRUE(workspace->SBKQuery().locate(QStringLiteral("id"), id));
}

TEST_F(FixedAssetStoreTest, SavingAgainEditsTheSameRow) {
    const qint64 id = save();
    sheet().userSet(ctl::fixedasset::AdiEdit, QStringLiteral("Freze"));
    sheet().userSet(ctl::fixedasset::AmortSureEdit, QString());
    EXPECT_EQ(save(), id);
    EXPECT_EQ(rowCount(), 1);
    EXPECT_EQ(stored(id, QStringLiteral("sbk_adi")).toString(), QStringLiteral("Freze"));
    sheet().click(ctl::fixedasset::YeniBut);
    enterItem(QStringLiteral("254"), QStringLiteral("02"), QStringLiteral("Kamyon"), QDate(2020, 3, 1),
              QStringLiteral("50.000,00"));
    EXPECT_NE(save(), id);
    EXPECT_EQ(rowCount(), 2);
}

TEST_F(FixedAssetStoreTest, RefusedValueLeavesNoHalfWrittenRowForTheNextSave) {
    sheet().userSet(ctl::fixedasset::AdiEdit, QString(201, QLatin1Char('a')));
    EXPECT_THROW(sheet().click(ctl::fixedasset::KaydetButton), DatabaseError);
    EXPECT_EQ(rowCount(), 0);
    EXPECT_TRUE(field(ctl::fixedasset::Kayit_No_Edit).isEmpty());
    sheet().userSet(ctl::fixedasset::AdiEdit, QStringLiteral("Torna"));
    const qint64 id = save();
    EXPECT_EQ(rowCount(), 1);
    EXPECT_EQ(stored(id, QStringLiteral("sbk_adi")).toString(), QStringLiteral("Torna"));
}

// A name pasted with its line break would split the item list, the journal and the voucher lines.
TEST_F(FixedAssetStoreTest, ANameOrCodeWithAControlCharacterIsNotSaved) {
    for (const QString& name : {ctl::fixedasset::AdiEdit, ctl::fixedasset::KoduEdit}) {
        const QString kept = field(name);
        sheet().userSet(name, QStringLiteral("Torna\r\nTezgahı"));
        EXPECT_THROW(sheet().click(ctl::fixedasset::KaydetButton), ShownError);
        EXPECT_EQ(rowCount(), 0);
        sheet().userSet(name, kept);
    }
    EXPECT_GT(save(), 0);
}

TEST_F(FixedAssetStoreTest, ShortDepreciationAccountAndLaterMdvdYokStoreNull) {
    sheet().setChecked(ctl::fixedasset::MDVDVarRadio, true);
    sheet().userSet(ctl::fixedasset::MDVDCombo, QStringLiteral("31.12.2021"));
    const qint64 id = save();
    EXPECT_EQ(stored(id, QStringLiteral("MDVD_Yapildi")).toString(), QStringLiteral("Evet"));
    EXPECT_EQ(stored(id, QStringLiteral("MDVD_Tarih")).toString(), QStringLiteral("2021-12-31"));
    EXPECT_EQ(stored(id, QStringLiteral("Giris_Yi_UFE_Tarihi")).toString(), QStringLiteral("2021-12-31"));
    sheet().setChecked(ctl::fixedasset::MDVDYokRadio, true);
    sheet().userSet(ctl::fixedasset::AmortHesapEdit, QStringLiteral("25"));
    save();
    EXPECT_TRUE(stored(id, QStringLiteral("MDVD_Yapildi")).isNull());
    EXPECT_TRUE(stored(id, QStringLiteral("MDVD_Tarih")).isNull());
    EXPECT_TRUE(stored(id, QStringLiteral("amortisman_kodu")).isNull());
}

TEST_F(FixedAssetStoreTest, AStoppedComputationSavesNothing) {
    sheet().setDate(ctl::fixedasset::GirisTarihiDate, QDate(2021, 7, 1));
    sheet().click(ctl::fixedasset::KaydetButton);
    EXPECT_EQ(rowCount(), 0);
    EXPECT_EQ(shown(), QStringList{QStringLiteral("Yİ-ÜFE endeksi bulunamadı: 07.2021")});
}

TEST_F(FixedAssetStoreTest, LoadShowsTheStoredFieldsAndRebuildsTheText) {
    sheet().click(ctl::fixedasset::DuzeltBut);
    const QStringList computed = text();
    const qint64 id = save();
    reopen(id);
    EXPECT_EQ(field(ctl::fixedasset::Kayit_No_Edit), QString::number(id));
    EXPECT_EQ(field(ctl::fixedasset::KayitliTutariEdit), QStringLiteral("100.000,00"));
    EXPECT_EQ(field(ctl::fixedasset::AmortSureEdit), QStringLiteral("10"));
    EXPECT_EQ(field(ctl::fixedasset::AmortOranEdit), QStringLiteral("10,00"));
    EXPECT_EQ(field(ctl::fixedasset::BirikmisAmortEdit), QStringLiteral("40.000,00"));
    EXPECT_EQ(field(ctl::fixedasset::GirisYi_UfeEdit), QStringLiteral("1.234,56"));
    EXPECT_EQ(field(ctl::fixedasset::DuzeltKatsayiEdit), QStringLiteral("2,45884"));
    EXPECT_EQ(field(ctl::fixedasset::DuzeltilmisTutarEdit), QStringLiteral("245.884,00"));
    EXPECT_EQ(field(ctl::fixedasset::AmortismanFarkEdit), QStringLiteral("58.353,60"));
    EXPECT_EQ(field(ctl::fixedasset::GirisTarihiDate), QStringLiteral("15.03.2020"));
    EXPECT_EQ(field(ctl::fixedasset::ROFMEdit), QString());
    EXPECT_EQ(state().itemIndex(ctl::workspace::DuzeltmePage), WorkspaceState::FixedAssetPage);
    EXPECT_EQ(text(), computed);
}

TEST_F(FixedAssetStoreTest, FinancingRoundTripsWithItsFormats) {
    sheet().setDate(ctl::fixedasset::GirisTarihiDate, QDate(2020, 1, 1));
    sheet().userSet(ctl::fixedasset::KayitliTutariEdit, QStringLiteral("500.000,00"));
    sheet().userSet(ctl::fixedasset::BirikmisAmortEdit, QStringLiteral("100.000,00"));
    sheet().setDate(ctl::fixedasset::ROFMBasDate, QDate(2020, 1, 1));
    sheet().setDate(ctl::fixedasset::ROFMBitDate, QDate(2022, 12, 31));
    sheet().userSet(ctl::fixedasset::ROFMAnaparaEdit, QStringLiteral("100.000,00"));
    sheet().userSet(ctl::fixedasset::ROFMFaizEdit, QStringLiteral("60.000,00"));
    const qint64 id = save();
    const QStringList computed = text();
    EXPECT_EQ(stored(id, QStringLiteral("ROFM_Yontem")).toString(), QStringLiteral("Borc"));
    EXPECT_DOUBLE_EQ(stored(id, QStringLiteral("ROFM_Tutar")).toDouble(), 50000.0);
    EXPECT_DOUBLE_EQ(stored(id, QStringLiteral("ROFM_Ayrilmamis_Amort")).toDouble(), 40000.0);

    reopen(id);
    EXPECT_EQ(sheet().itemIndex(ctl::fixedasset::ROFMRadio), 0);
    EXPECT_EQ(field(ctl::fixedasset::ROFMBitDate), QStringLiteral("31.12.2022"));
    EXPECT_EQ(field(ctl::fixedasset::ROFMArtisEdit), QStringLiteral("0,50000"));
    EXPECT_EQ(field(ctl::fixedasset::ReelFaizKatsayiEdit), QStringLiteral("2,02373"));
    EXPECT_EQ(field(ctl::fixedasset::Duz_Reel_FaizEdit), QStringLiteral("20.237,30"));
    EXPECT_EQ(field(ctl::fixedasset::ROFM_Ayrilmamis_AmortEdit), QStringLiteral("40.000,00"));
    EXPECT_EQ(text(), computed);
}

} // namespace
} // namespace velkor::test

#include "base/ShownError.h"
#include "storage/SchemaUpgrade.h"

namespace velkor::test {
namespace {

// A closed later period carries the 31.12.2023 rows' values: a stored row stays as it is,
// a new one may still be added.
TEST_F(FixedAssetStoreTest, AClosedLaterPeriodKeepsAStoredRowFromChanging) {
    const qint64 id = save();
    Database& db = home.context().company().database();
    upgradeCompanySchema(db);
    db.execute(QStringLiteral("INSERT INTO donem (bitis_tarihi, durum) VALUES (?, ?)"),
               {QDate(2024, 12, 31), QStringLiteral("Kapandı")});
    sheet().userSet(ctl::fixedasset::AdiEdit, QStringLiteral("Freze"));
    try {
        save();
        FAIL() << "a row of a closed period was changed";
    } catch (const ShownError& e) {
        EXPECT_EQ(
            e.message(),
            QStringLiteral("Bu kayıt kapanmış bir düzeltme döneminde kullanılıyor; önce dönemleri açınız."));
    }
    EXPECT_EQ(stored(id, QStringLiteral("sbk_adi")).toString(), QStringLiteral("Torna Tezgahı"));
    db.execute(QStringLiteral("UPDATE donem SET durum = ?"), {QStringLiteral("Açık")});
    EXPECT_EQ(save(), id);
    EXPECT_EQ(stored(id, QStringLiteral("sbk_adi")).toString(), QStringLiteral("Freze"));
}

} // namespace
} // namespace velkor::test
