#include "FixedAssetFixture.h"

#include "engine/Depreciation.h"

namespace velkor::test {
namespace {

class DepreciationTest : public FixedAssetTest {
protected:
    DepreciationTest() {
        enterItem(QStringLiteral("253"), QStringLiteral("01"), QStringLiteral("Makine"), QDate(2021, 4, 10),
                  QStringLiteral("120.000,00"));
    }

    QString accumulated(const QString& method, const QString& life) {
        sheet().userSet(QStringLiteral("AmortYontemCombo"), method);
        sheet().userSet(QStringLiteral("AmortSureEdit"), life);
        sheet().setText(QStringLiteral("BirikmisAmortEdit"), QString());
        sheet().click(QStringLiteral("AmortHesaplaBut"));
        return field(QStringLiteral("BirikmisAmortEdit"));
    }
};

TEST_F(DepreciationTest, ThreeMethodsOverFiveYearsAfterThreeYearsOfUse) {
    EXPECT_EQ(accumulated(QStringLiteral("Normal"), QStringLiteral("5")), QStringLiteral("72.000,00"));
    EXPECT_EQ(accumulated(QStringLiteral("Kıst"), QStringLiteral("5")), QStringLiteral("66.000,00"));
    EXPECT_EQ(accumulated(QStringLiteral("Hızlandırılmış"), QStringLiteral("5")),
              QStringLiteral("94.080,00"));
}

TEST_F(DepreciationTest, ALifeUsedUpDepreciatesTheWholeValue) {
    for (const QString& method : FixedAssetSheet::depreciationMethods()) {
        EXPECT_EQ(accumulated(method, QStringLiteral("3")), QStringLiteral("120.000,00"))
            << method.toStdString();
        EXPECT_EQ(accumulated(method, QStringLiteral("1")), QStringLiteral("120.000,00"))
            << method.toStdString();
    }
}

TEST_F(DepreciationTest, AnUnknownMethodComputesNothingAndAShortOneBecomesNormal) {
    EXPECT_EQ(accumulated(QStringLiteral("Azalan"), QStringLiteral("5")), QString());
    sheet().userSet(QStringLiteral("AmortYontemCombo"), QStringLiteral("K"));
    EXPECT_EQ(field(QStringLiteral("AmortYontemCombo")), QStringLiteral("Normal"));
}

TEST_F(DepreciationTest, BookValueAndLifeAreRequired) {
    sheet().userSet(QStringLiteral("KayitliTutariEdit"), QString());
    sheet().click(QStringLiteral("AmortHesaplaBut"));
    EXPECT_EQ(shown(),
              QStringList{QStringLiteral("Amortisman hesaplamak için tutar ve süre girilmesi zorunludur!")});
    EXPECT_EQ(field(QStringLiteral("BirikmisAmortEdit")), QString());
}

TEST_F(DepreciationTest, LifeSetsTheRateAndTheWriteOffDate) {
    sheet().setDate(QStringLiteral("GirisTarihiDate"), QDate(2020, 2, 29));
    sheet().userSet(QStringLiteral("AmortSureEdit"), QStringLiteral("4"));
    EXPECT_EQ(field(QStringLiteral("AmortOranEdit")), QStringLiteral("25,00"));
    EXPECT_EQ(field(QStringLiteral("itfaTarihiDate")), QStringLiteral("28.02.2023"));
    sheet().userSet(QStringLiteral("GirisTarihiDate"), QStringLiteral("15.05.2021"));
    EXPECT_EQ(field(QStringLiteral("itfaTarihiDate")), QStringLiteral("15.05.2024"));
    sheet().userSet(QStringLiteral("AmortSureEdit"), QString());
    EXPECT_EQ(field(QStringLiteral("AmortSureEdit")), QStringLiteral("5"));
    EXPECT_EQ(field(QStringLiteral("AmortOranEdit")), QStringLiteral("20,00"));
}

TEST(DepreciationRulesTest, NoYearOfUseGivesNoDepreciation) {
    for (const QString& method : {depreciation::kNormal, depreciation::kPartYear, depreciation::kDeclining}) {
        EXPECT_EQ(accumulatedDepreciation(method, 120000.0, 5, 0, 4), 0.0);
        EXPECT_EQ(accumulatedDepreciation(method, 120000.0, 5, -1, 4), 0.0);
    }
    EXPECT_EQ(yearsOfUse(QDate(2024, 1, 1), QDate(2023, 6, 30)), 0);
}

} // namespace
} // namespace velkor::test
