#include "storage/ReferenceUpdate.h"
#include "referencedata/PublishedFigures.h"
#include "storage/ReferenceHistory.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace velkor;

namespace {

class ReferenceUpdateTest : public ::testing::Test {
protected:
    Database& rates() { return home.context().rates().database(); }
    QVariant index(int key) {
        return rates().scalar(QStringLiteral("SELECT Yi_UFE FROM YI_UFE_Yeni WHERE YilAy=?"), {key});
    }
    int count(const QString& table) {
        return rates().scalar(QStringLiteral("SELECT count(*) FROM ") + table).toInt();
    }
    void add(FigureKind kind, const QString& csv) {
        home.prompt().addAnswer(PromptButton::Yes);
        ASSERT_GT(addPublishedFigures(rates(), kind, csv, QStringLiteral("Test kaynağı"), home.prompt()), 0)
            << home.prompt().texts().join(QLatin1Char('\n')).toStdString();
    }

    test::TempHome home;
};

TEST_F(ReferenceUpdateTest, AnEarlierInstallationIsUpdatedAtStartUp) {
    test::makeEarlierReferenceData(rates());
    ASSERT_DOUBLE_EQ(index(200412).toDouble(), 115.87);
    ASSERT_EQ(count(QStringLiteral("Amortisman_Oranlari")), 86);
    ASSERT_EQ(storedReferenceVersion(rates()), 1);

    updateShippedReferenceData(home.context().rates(), home.prompt());
    EXPECT_DOUBLE_EQ(index(200412).toDouble(), 118.00);
    EXPECT_TRUE(index(200312).isNull()) << "2003 could not be confirmed";
    EXPECT_DOUBLE_EQ(rates().scalar(QStringLiteral("SELECT Aralik FROM YI_UFE WHERE Yil=2004")).toDouble(),
                     118.00);
    EXPECT_EQ(count(QStringLiteral("YI_UFE_Yeni")), count(QStringLiteral("YI_UFE")) * 12 - 10);
    EXPECT_EQ(count(QStringLiteral("Amortisman_Oranlari")), 89);
    EXPECT_EQ(storedReferenceVersion(rates()), kReferenceDataVersion);
    ASSERT_EQ(home.prompt().texts().size(), 1);
    EXPECT_TRUE(home.prompt().texts().first().contains(QStringLiteral("veri sürümü 1 → 2")));

    // The next start finds the tables current and says nothing.
    updateShippedReferenceData(home.context().rates(), home.prompt());
    EXPECT_EQ(home.prompt().texts().size(), 1);
}

TEST_F(ReferenceUpdateTest, RowsTheUserAddedOrCorrectedSurviveAndAreListed) {
    add(FigureKind::Index, QStringLiteral("year,month,value\n2026,3,5100.00\n"));
    add(FigureKind::Index, QStringLiteral("year,month,value\r\n2004,12,118.50\r\n"));
    add(FigureKind::Interest, QStringLiteral("year,month,rate\n2010,5,12.34\n"));
    add(FigureKind::Depreciation,
        QStringLiteral(
            "ana_kodu,alt1_kodu,alt2_kodu,alt3_kodu,tum_kodu,aciklama,omur_yil,ilave_bilgi_notu,oran,"
            "teblig\n,6.13.,,,6.13.,Deneme sınıfı,4,,0.2500,999\n"));
    setStoredReferenceVersion(rates(), 1);
    rates().exec(QStringLiteral("UPDATE YI_UFE_Yeni SET Yi_UFE=1 WHERE YilAy=202312"));

    const ReferenceUpdate update = updateReferenceTables(rates());
    ASSERT_TRUE(update.updated);
    EXPECT_EQ(update.keptRows, (QStringList{QStringLiteral("Yİ-ÜFE 2026-03: 5.100,00"),
                                            QStringLiteral("Yİ-ÜFE 2004-12: 118,50"),
                                            QStringLiteral("Ortalama faiz 2010-05: 12,34"),
                                            QStringLiteral("Amortisman 6.13.: Deneme sınıfı")}));
    EXPECT_TRUE(referenceUpdateMessage(update).contains(QStringLiteral("Yİ-ÜFE 2026-03: 5.100,00")));
    EXPECT_DOUBLE_EQ(index(20263).toDouble(), 5100.00);
    EXPECT_DOUBLE_EQ(rates().scalar(QStringLiteral("SELECT Mart FROM YI_UFE WHERE Yil=2026")).toDouble(),
                     5100.00);
    EXPECT_DOUBLE_EQ(index(200412).toDouble(), 118.50);
    EXPECT_DOUBLE_EQ(index(202312).toDouble(), 2915.02) << "a shipped row goes back to the shipped figure";
    EXPECT_DOUBLE_EQ(
        rates().scalar(QStringLiteral("SELECT Mayis FROM Ortalama_Faiz WHERE Yil=2010")).toDouble(), 12.34);
    EXPECT_EQ(count(QStringLiteral("Amortisman_Oranlari")), 90);
    // The history stays, and the update itself is recorded in it.
    EXPECT_EQ(count(QStringLiteral("Veri_Degisiklikleri")), 5);
}

TEST_F(ReferenceUpdateTest, AFailedUpdateLeavesTheTablesAsTheyWere) {
    test::makeEarlierReferenceData(rates());
    rates().exec(QStringLiteral("DROP TABLE TEFE"));
    EXPECT_THROW(updateShippedReferenceData(home.context().rates(), home.prompt()), DatabaseError);
    EXPECT_DOUBLE_EQ(index(200412).toDouble(), 115.87);
    EXPECT_DOUBLE_EQ(index(20031).toDouble(), 94.32);
    EXPECT_EQ(count(QStringLiteral("Amortisman_Oranlari")), 86);
    EXPECT_EQ(storedReferenceVersion(rates()), 1);
    EXPECT_TRUE(home.prompt().texts().isEmpty());
}

TEST_F(ReferenceUpdateTest, ForcedRebuildRestoresShippedRowsAndKeepsTheUsers) {
    add(FigureKind::Index, QStringLiteral("year,month,value\n2026,3,5100.00\n"));
    rates().exec(QStringLiteral("DELETE FROM YI_UFE_Yeni WHERE YilAy=20201"));
    EXPECT_FALSE(updateReferenceTables(rates()).updated);
    const ReferenceUpdate update = updateReferenceTables(rates(), true);
    EXPECT_TRUE(update.updated);
    EXPECT_EQ(update.fromVersion, kReferenceDataVersion);
    EXPECT_DOUBLE_EQ(index(20201).toDouble(), 462.42);
    EXPECT_DOUBLE_EQ(index(20263).toDouble(), 5100.00);
}

} // namespace
