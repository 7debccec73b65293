#include "ItemRows.h"

#include "reports/ClosingStep.h"
#include "storage/DatabaseError.h"
#include "support/TestEngine.h"

#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

const QDate kAdjustmentDate(2023, 12, 31);

// A fixed asset with the given stored differences, bypassing the computation.
RowValues asset(const QString& account, const QString& sub, double difference, double depreciationDifference,
                double accumulated = 0, double adjustedDepreciation = 0) {
    return {{"anahesapkodu", account},
            {"sbk_kodu", sub},
            {"sbk_adi", QStringLiteral("VARLIK")},
            {"VUK_Son_Degeri", 1000.0},
            {"Duzeltilmis_Tutar", 1000.0 + difference},
            {"Enflasyon_Farki", difference},
            {"vuk_birikmis_amortisman", accumulated},
            {"Duzeltilmis_Amortisman", adjustedDepreciation},
            {"Amortisman_Farki", depreciationDifference},
            {"SBK_Diger", QStringLiteral("SBK")}};
}

RowValues other(const QString& account, const QString& sub, double value, double difference,
                const QString& kind = QStringLiteral("Gercek")) {
    return {{"anahesapkodu", account},
            {"sbk_kodu", sub},
            {"sbk_adi", QStringLiteral("KALEM")},
            {"VUK_Son_Degeri", value},
            {"Duzeltilmis_Tutar", value + difference},
            {"Enflasyon_Farki", difference},
            {"Hesaplama_Yontemi", kind},
            {"SBK_Diger", QStringLiteral("Diger")}};
}

class ClosingStepTest : public ::testing::Test {
protected:
    CompanyDatabase db;

    ClosingTotals close() { return KarZarar698Ayarla(db.connection(), kAdjustmentDate); }
    QVariant column(const QString& account, const QString& sub, const QString& name) {
        const auto id = sub.isNull() ? db.find(account) : db.find(account, sub);
        return id ? db.value(*id, name) : QVariant();
    }
};

} // namespace

TEST_F(ClosingStepTest, EmptyTableWritesNothing) {
    close();
    EXPECT_EQ(db.rowCount(), 0);
}

TEST_F(ClosingStepTest, FixedAssetsOnlyGiveAProfitRow) {
    db.insert(asset("253", "01", 600, 120, 400, 520));
    db.insert(asset("250", "01", 400, 80));
    close();
    ASSERT_TRUE(db.find("698"));
    EXPECT_EQ(column("698", {}, "sbk_kodu").toString(), "KAR");
    EXPECT_EQ(column("698", {}, "sbk_adi").toString(), "ENFLASYON DÜZELTME KARI");
    EXPECT_DOUBLE_EQ(column("698", {}, "Duzeltilmis_Tutar").toDouble(), 1000);
    EXPECT_DOUBLE_EQ(column("698", {}, "VUK_Son_Degeri").toDouble(), 200);
    EXPECT_DOUBLE_EQ(column("698", {}, "Enflasyon_Farki").toDouble(), 800);
    EXPECT_FALSE(db.find("697"));
}

TEST_F(ClosingStepTest, LargerEquityDifferencesGiveALossRow) {
    db.insert(asset("253", "01", 100, 0));
    db.insert(other("500", "01", 1000, 700, "Nakti"));
    close();
    EXPECT_EQ(column("698", {}, "sbk_kodu").toString(), "ZARAR");
    EXPECT_EQ(column("698", {}, "sbk_adi").toString(), "ENFLASYON DÜZELTME ZARARI");
    EXPECT_DOUBLE_EQ(column("698", {}, "Enflasyon_Farki").toDouble(), -600);
}

TEST_F(ClosingStepTest, BalancedDifferencesGiveALossRowOfZero) {
    db.insert(asset("253", "01", 300, 0));
    db.insert(other("500", "01", 1000, 300, "Nakti"));
    close();
    EXPECT_EQ(column("698", {}, "sbk_kodu").toString(), "ZARAR");
    EXPECT_DOUBLE_EQ(column("698", {}, "Enflasyon_Farki").toDouble(), 0);
}

TEST_F(ClosingStepTest, PastProfitsLossesAndFundsBecomeClosingKindRows) {
    struct Case {
        const char* account;
        const char* kind;
    };
    for (const Case& c : {Case{"570", "KarKapama"}, Case{"590", "KarKapama"}, Case{"580", "ZararKapama"},
                          Case{"591", "ZararKapama"}, Case{"522", "MDVDKapama"}, Case{"523", "MDVDKapama"},
                          Case{"524", "MDVDKapama"}}) {
        db.insert(other(c.account, "01", 100, 0, "Nakti"));
    }
    const qint64 untouched = db.insert(other("5700", "01", 100, 0, "Nakti"));
    const ClosingTotals totals = close();
    for (const Case& c : {Case{"570", "KarKapama"}, Case{"590", "KarKapama"}, Case{"580", "ZararKapama"},
                          Case{"591", "ZararKapama"}, Case{"522", "MDVDKapama"}, Case{"523", "MDVDKapama"},
                          Case{"524", "MDVDKapama"}}) {
        const qint64 id = *db.find(c.account, "01");
        EXPECT_EQ(db.value(id, "Hesaplama_Yontemi").toString(), c.kind) << c.account;
        EXPECT_DOUBLE_EQ(db.value(id, "Enflasyon_Farki").toDouble(), 100) << c.account;
        for (const char* index : {"Giris_Yi_UFE", "Hesap_Yi_UFE", "Duzeltme_Katsayisi"})
            EXPECT_DOUBLE_EQ(db.value(id, index).toDouble(), -1) << c.account << index;
        for (const char* date : {"fatura_tarihi", "Giris_Yi_UFE_Tarihi", "Hesap_Yi_UFE_Tarihi"})
            EXPECT_EQ(db.value(id, date).toDate(), kAdjustmentDate) << c.account << date;
    }
    EXPECT_EQ(db.value(untouched, "Hesaplama_Yontemi").toString(), "Nakti");
    // 570, 590, 522, 523, 524 are gains; 580 and 591 losses.
    EXPECT_DOUBLE_EQ(totals.gain698, 500);
    EXPECT_DOUBLE_EQ(totals.loss698, 200);
}

TEST_F(ClosingStepTest, CapitalKindDecidesTheSide) {
    db.insert(other("500", "01", 1000, 250, "522"));
    db.insert(other("500", "02", 1000, 40, "Nakti"));
    const ClosingTotals totals = close();
    EXPECT_DOUBLE_EQ(totals.gain698, 250);
    EXPECT_DOUBLE_EQ(totals.loss698, 40);
}

TEST_F(ClosingStepTest, ConstructionAccountsGoTo697Only) {
    db.insert(other("172", "01", 1000, 300));
    db.insert(other("355", "01", 1000, 100));
    const ClosingTotals totals = close();
    EXPECT_DOUBLE_EQ(totals.gain697, 300);
    EXPECT_DOUBLE_EQ(totals.loss697, 100);
    EXPECT_DOUBLE_EQ(totals.gain698, 0);
    EXPECT_DOUBLE_EQ(totals.loss698, 0);
    EXPECT_FALSE(db.find("698"));
    EXPECT_EQ(column("697", {}, "sbk_kodu").toString(), "KAR");
    EXPECT_EQ(column("697", {}, "sbk_adi").toString(), "YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME KARI");
    EXPECT_DOUBLE_EQ(column("697", {}, "Enflasyon_Farki").toDouble(), 200);
}

TEST_F(ClosingStepTest, DepreciationSummaryRowsPerAssetAccount) {
    db.insert(asset("253", "01", 500, 50, 100, 150));
    db.insert(asset("253", "02", 500, 70, 200, 270));
    db.insert(asset("251", "01", 500, 30, 60, 90));
    db.insert(asset("265", "01", 500, 10, 20, 30));
    const ClosingTotals totals = close();
    EXPECT_DOUBLE_EQ(totals.loss698, 50 + 70 + 30 + 10);

    const auto machines = db.find("257", "253");
    ASSERT_TRUE(machines);
    EXPECT_EQ(db.value(*machines, "sbk_adi").toString(), "MAKİNA TESİS CİHAZ AMORTİSMANLARI");
    EXPECT_DOUBLE_EQ(db.value(*machines, "VUK_Son_Degeri").toDouble(), 300);
    EXPECT_DOUBLE_EQ(db.value(*machines, "Duzeltilmis_Tutar").toDouble(), 420);
    EXPECT_DOUBLE_EQ(db.value(*machines, "Enflasyon_Farki").toDouble(), 120);
    EXPECT_FALSE(db.find("257", "251"));
    const auto other = db.find("268", "265");
    ASSERT_TRUE(other);
    EXPECT_EQ(db.value(*other, "sbk_adi").toString(), "DİĞER MADDİ OLMAYAN DURAN VARLIKLAR AMORTİSMANLARI");
    EXPECT_EQ(db.rowCount(), 4 + 1 + 2);
}

TEST_F(ClosingStepTest, ExistingResultRowsAreRewritten) {
    const qint64 first698 = db.insert(other("698", "ZARAR", 1, 1, {}));
    const qint64 second698 = db.insert(other("698", "X", 2, 2, {}));
    const qint64 summary = db.insert(other("257", "253", 5, 5, {}));
    db.insert(asset("253", "01", 500, 50, 100, 150));
    close();
    EXPECT_EQ(db.value(first698, "sbk_kodu").toString(), "KAR");
    EXPECT_DOUBLE_EQ(db.value(first698, "Enflasyon_Farki").toDouble(), 450);
    EXPECT_EQ(db.value(second698, "sbk_kodu").toString(), "X");
    EXPECT_DOUBLE_EQ(db.value(summary, "Enflasyon_Farki").toDouble(), 50);
    EXPECT_EQ(db.rowCount(), 4);
}

TEST_F(ClosingStepTest, ResultsWhoseConditionFailsKeepEarlierRows) {
    const qint64 old697 = db.insert(other("697", "KAR", 10, 10, {}));
    db.insert(asset("253", "01", 500, 0));
    close();
    EXPECT_EQ(db.value(old697, "sbk_kodu").toString(), "KAR");
    EXPECT_DOUBLE_EQ(db.value(old697, "Enflasyon_Farki").toDouble(), 10);
}

TEST_F(ClosingStepTest, SecondRunLeavesEveryValueAsItWas) {
    FixedAssetInput machine;
    machine.accumulated = 300;
    db.insert(fixedAssetRow(machine));
    machine.sub = "02";
    machine.value = 2345.67;
    machine.accumulated = 1000;
    db.insert(fixedAssetRow(machine));
    db.insert(stockRow("153", "01", "MAL", 5000, 1200, 2915.02));
    db.insert(stockRow("171", "01", "İNŞAAT", 3000, 1500, 2915.02));
    db.insert(stockRow("350", "01", "HAKEDİŞ", 800, 1500, 2915.02));
    db.insert(equityRow("500", "01", "SERMAYE", 10000, 800, 2915.02, "Nakti"));
    db.insert(equityRow("570", "01", "GEÇMİŞ YIL KARI", 1200, 2915.02, 2915.02, "Nakti"));
    db.insert(equityRow("580", "01", "GEÇMİŞ YIL ZARARI", 700, 2915.02, 2915.02, "Nakti"));
    close();
    const auto once = db.snapshot();
    Database& file = db.connection().database();
    const qint64 changes = file.scalar(QStringLiteral("SELECT total_changes()")).toLongLong();
    close();
    EXPECT_EQ(db.snapshot(), once);
    // The list runs the step on every opening: a run that finds nothing to change writes no row.
    EXPECT_EQ(file.scalar(QStringLiteral("SELECT total_changes()")).toLongLong(), changes);
}

TEST_F(ClosingStepTest, AChangedClosingKindRowIsMarkedAgain) {
    db.insert(asset("253", "01", 500, 0));
    const qint64 profits = db.insert(other("570", "01", 100, 0, "Nakti"));
    close();
    EXPECT_DOUBLE_EQ(db.value(profits, "Enflasyon_Farki").toDouble(), 100);
    db.connection().database().execute(QStringLiteral("UPDATE sabit_kiymet SET VUK_Son_Degeri=?, "
                                                      "Hesaplama_Yontemi=? WHERE id=?"),
                                       {250.0, QStringLiteral("Nakti"), profits});
    close();
    EXPECT_DOUBLE_EQ(db.value(profits, "Enflasyon_Farki").toDouble(), 250);
    EXPECT_EQ(db.value(profits, "Hesaplama_Yontemi").toString(), "KarKapama");
    EXPECT_DOUBLE_EQ(column("698", {}, "Enflasyon_Farki").toDouble(), 500 + 250);
}

TEST_F(ClosingStepTest, ARunOnTheRowsAsStoredNeedsNoRightToWrite) {
    if (companiesOnServer())
        GTEST_SKIP() << "the server's reading role is tested with the command line";
    db.insert(asset("253", "01", 500, 50, 100, 150));
    const qint64 profits = db.insert(other("570", "01", 100, 0, "Nakti"));
    const ClosingTotals first = close();
    const auto stored = db.snapshot();
    // A login that may only read: the engine refuses every statement that would write.
    Database& file = db.connection().database();
    file.exec(QStringLiteral("PRAGMA query_only = ON"));
    const ClosingTotals again = close();
    EXPECT_EQ(again.gain698, first.gain698);
    EXPECT_EQ(again.loss698, first.loss698);
    EXPECT_EQ(again.adjustedDepreciation, first.adjustedDepreciation);
    EXPECT_EQ(db.snapshot(), stored);

    // Rows changed since the last run need writing, which such a login is told it cannot do.
    file.exec(QStringLiteral("PRAGMA query_only = OFF"));
    file.execute(QStringLiteral("UPDATE sabit_kiymet SET VUK_Son_Degeri=? WHERE id=?"), {250.0, profits});
    const auto changed = db.snapshot();
    file.exec(QStringLiteral("PRAGMA query_only = ON"));
    try {
        close();
        ADD_FAILURE() << "the closing step wrote nothing and said nothing";
    } catch (const DatabaseError& error) {
        EXPECT_TRUE(
            error.message().contains(QStringLiteral("yazma yetkisi olan bir kullanıcının hazırlaması")))
            << error.message().toStdString();
    }
    EXPECT_EQ(db.snapshot(), changed);
}

TEST_F(ClosingStepTest, AFailureHalfwayLeavesTheTableAsItWas) {
    db.insert(asset("253", "01", 500, 50, 100, 150));
    db.insert(other("570", "01", 100, 0, "Nakti"));
    const auto before = db.snapshot();
    // The summary row is the last write; refusing it fails the step after the
    // closing-kind row and the 698 row were written.
    db.connection().database().exec(
        "CREATE TRIGGER refuse_summary BEFORE INSERT ON sabit_kiymet WHEN NEW.anahesapkodu='257' "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    try {
        close();
        ADD_FAILURE() << "the refused row went unnoticed";
    } catch (const DatabaseError& error) {
        // A failure that is no refused right is told as itself, not as a matter of rights.
        EXPECT_FALSE(error.message().contains(QStringLiteral("yazma yetkisi")))
            << error.message().toStdString();
    }
    EXPECT_EQ(db.snapshot(), before);
}
