#include "workspace/Workspace.h"
#include "base/WindowNames.h"
#include "engine/FixedAssetSheet.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheet.h"
#include "engine/StockSheetControls.h"
#include "engine/WorkspaceStateControls.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace velkor::test {
namespace {

TEST(WorkspaceRouteTest, RowsOpenInTheSheetOfTheirAccount) {
    const std::vector<std::pair<const char*, ItemRoute>> table{
        {"178", {false, ItemSheet::None}},      {"358", {false, ItemSheet::None}},
        {"257", {false, ItemSheet::None}},      {"268", {false, ItemSheet::None}},
        {"600", {false, ItemSheet::None}},      {"698", {false, ItemSheet::None}},
        {"250", {true, ItemSheet::FixedAsset}}, {"258", {true, ItemSheet::FixedAsset}},
        {"267", {true, ItemSheet::FixedAsset}}, {"150", {true, ItemSheet::Stock}},
        {"180", {true, ItemSheet::Stock}},      {"240", {true, ItemSheet::Stock}},
        {"271", {true, ItemSheet::Stock}},      {"278", {true, ItemSheet::Stock}},
        {"110", {true, ItemSheet::Stock}},      {"426", {true, ItemSheet::Stock}},
        {"340", {true, ItemSheet::Stock}},      {"500", {true, ItemSheet::Equity}},
        {"521", {true, ItemSheet::Equity}},     {"522", {true, ItemSheet::None}},
        {"524", {true, ItemSheet::None}},       {"525", {true, ItemSheet::Equity}},
        {"549", {true, ItemSheet::Equity}},     {"570", {true, ItemSheet::None}},
        {"591", {true, ItemSheet::None}},       {"100", {true, ItemSheet::None}},
        {"269", {true, ItemSheet::None}}};
    for (const auto& [account, route] : table) {
        const ItemRoute r = routeOfAccount(QString::fromLatin1(account));
        EXPECT_EQ(r.clear, route.clear) << account;
        EXPECT_EQ(r.sheet, route.sheet) << account;
    }
}

class WorkspaceTest : public ::testing::Test {
protected:
    WorkspaceTest() {
        home.addCompany(QStringLiteral("WS"), QStringLiteral("Liste A.Ş."));
        workspace = std::make_unique<Workspace>(home.context());
        workspace->open();
    }

    qint64 addRow(const QString& account, const QString& code, const QString& name) {
        Database& db = home.context().company().database();
        db.execute(
            QStringLiteral("INSERT INTO sabit_kiymet (anahesapkodu, sbk_kodu, sbk_adi, VUK_Son_Degeri) "
                           "VALUES (?, ?, ?, 1000)"),
            {account, code, name});
        return db.lastInsertId();
    }

    QStringList listed() {
        QStringList accounts;
        Query& list = workspace->SBKQuery();
        for (list.first(); !list.eof(); list.next())
            accounts << list.text(QStringLiteral("anahesapkodu")) + QLatin1Char('.') +
                            list.text(QStringLiteral("sbk_kodu"));
        return accounts;
    }

    void choose(const QString& group) { workspace->state().userSet(ctl::workspace::SBK_Ana_Combo, group); }

    TempHome home;
    std::unique_ptr<Workspace> workspace;
};

TEST_F(WorkspaceTest, TheGroupFilterListsItsAccountsInOrder) {
    addRow(QStringLiteral("440"), QStringLiteral("1"), QStringLiteral("Kısa"));
    addRow(QStringLiteral("257"), QStringLiteral("253"), QStringLiteral("Amortisman"));
    addRow(QStringLiteral("253"), QStringLiteral("2"), QStringLiteral("Tezgah"));
    addRow(QStringLiteral("253"), QStringLiteral("1"), QStringLiteral("Torna"));
    addRow(QStringLiteral("150"), QStringLiteral("1"), QStringLiteral("Hammadde"));
    addRow(QStringLiteral("4400"), QStringLiteral("1"), QStringLiteral("Başka"));
    choose(QStringLiteral("SBK"));
    EXPECT_EQ(listed(), (QStringList{"253.1", "253.2", "257.253"}));
    choose(QStringLiteral("440"));
    EXPECT_EQ(listed(), QStringList{"440.1"});
    choose(QStringLiteral("Hepsi"));
    EXPECT_EQ(listed().size(), 6);
    EXPECT_EQ(workspace->state().caption(),
              QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Düzeltme Bölümü"));
}

TEST_F(WorkspaceTest, SearchStepsThroughTheMatchesAndWraps) {
    addRow(QStringLiteral("250"), QStringLiteral("1"), QStringLiteral("Arsa"));
    addRow(QStringLiteral("252"), QStringLiteral("1"), QStringLiteral("IŞIK Direği"));
    addRow(QStringLiteral("253"), QStringLiteral("1"), QStringLiteral("Işıklandırma"));
    addRow(QStringLiteral("254"), QStringLiteral("1"), QStringLiteral("Kamyon"));
    workspace->ListeYenile();
    workspace->state().userSet(ctl::workspace::AraEdit, QStringLiteral("ışık"));
    Query& list = workspace->SBKQuery();
    workspace->state().click(ctl::workspace::AramaYap);
    EXPECT_EQ(list.recNo(), 2);
    workspace->state().click(ctl::workspace::AramaYap);
    EXPECT_EQ(list.recNo(), 3);
    workspace->state().click(ctl::workspace::AramaYap);
    EXPECT_EQ(list.recNo(), 2);
}

TEST_F(WorkspaceTest, OpeningARowClearsTheSheetsAndShowsItsTab) {
    const qint64 stock = addRow(QStringLiteral("150"), QStringLiteral("1"), QStringLiteral("Hammadde"));
    const qint64 other = addRow(QStringLiteral("523"), QStringLiteral("1"), QStringLiteral("Fon"));
    FixedAssetSheet& fixed = workspace->fixedAssets();
    fixed.userSet(ctl::fixedasset::AdiEdit, QStringLiteral("Yarım kalan"));
    fixed.setLines(ctl::fixedasset::SBKRich, {QStringLiteral("eski")});

    ASSERT_TRUE(workspace->openItem(stock));
    EXPECT_EQ(fixed.text(ctl::fixedasset::AdiEdit), QString());
    EXPECT_TRUE(fixed.lines(ctl::fixedasset::SBKRich).isEmpty());
    EXPECT_EQ(workspace->stocks().text(ctl::stock::AdiEditS), QStringLiteral("Hammadde"));
    EXPECT_EQ(workspace->state().itemIndex(ctl::workspace::DuzeltmePage), WorkspaceState::StockPage);

    ASSERT_TRUE(workspace->openItem(other));
    EXPECT_EQ(workspace->stocks().text(ctl::stock::AdiEditS), QString());
    EXPECT_EQ(workspace->state().itemIndex(ctl::workspace::DuzeltmePage), WorkspaceState::StockPage);
    EXPECT_FALSE(workspace->openItem(9999));
}

TEST_F(WorkspaceTest, ClearingBringsTheUsefulLifeBackToFive) {
    FixedAssetSheet& fixed = workspace->fixedAssets();
    fixed.userSet(ctl::fixedasset::AmortSureEdit, QStringLiteral("8"));
    fixed.userSet(ctl::fixedasset::KayitliTutariEdit, QStringLiteral("10,00"));
    fixed.setText(ctl::fixedasset::DuzeltmeAnaHesapCombo, QStringLiteral("254"));
    fixed.click(ctl::fixedasset::YeniBut);
    EXPECT_EQ(fixed.text(ctl::fixedasset::AmortSureEdit), QStringLiteral("5"));
    EXPECT_EQ(fixed.text(ctl::fixedasset::KayitliTutariEdit), QString());
    EXPECT_EQ(fixed.text(ctl::fixedasset::DuzeltmeAnaHesapCombo), QStringLiteral("254"));
    EXPECT_EQ(home.context().form(velkor::windows::kWorkspace), &workspace->state());
}

TEST_F(WorkspaceTest, TheSheetsRefuseDatesOutsideTheirRangeAndMethodsOutsideTheList) {
    namespace fa = ctl::fixedasset;
    FixedAssetSheet& fixed = workspace->fixedAssets();
    // Past the adjustment date the entry date would silently take another base month.
    EXPECT_EQ(fixed.userSetRefusal(fa::GirisTarihiDate, QStringLiteral("15.01.2024")),
              QStringLiteral("Tarih 01.01.1900 ile 31.12.2023 arasında olmalıdır."));
    EXPECT_EQ(fixed.userSetRefusal(fa::GirisTarihiDate, QStringLiteral("31.12.2023")), QString());
    EXPECT_EQ(fixed.userSetRefusal(fa::ROFMBasDate, QStringLiteral("30.12.2004")),
              QStringLiteral("Tarih 31.12.2004 ile 31.12.2023 arasında olmalıdır."));
    EXPECT_EQ(workspace->stocks().userSetRefusal(ctl::stock::GirisTarihiDateS, QStringLiteral("01.01.2024")),
              QStringLiteral("Tarih 01.01.1900 ile 31.12.2023 arasında olmalıdır."));
    WorkspaceState& state = workspace->state();
    state.click(ctl::workspace::HesapTarihAcBut);
    EXPECT_EQ(state.userSetRefusal(ctl::workspace::HesapTarihiDate, QStringLiteral("31.12.2002")),
              QStringLiteral("Tarih 01.01.2003 ile 31.12.2023 arasında olmalıdır."));
    EXPECT_EQ(state.userSetRefusal(ctl::workspace::HesapTarihiDate, QStringLiteral("31.12.2022")), QString());

    EXPECT_TRUE(fixed.isListOnly(fa::AmortYontemCombo));
    EXPECT_FALSE(fixed.userSetRefusal(fa::AmortYontemCombo, QStringLiteral("NormalN")).isEmpty());
    EXPECT_EQ(fixed.userSetRefusal(fa::AmortYontemCombo, QStringLiteral("Kıst")), QString());
}

} // namespace
} // namespace velkor::test
