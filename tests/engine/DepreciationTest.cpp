#include "FixedAssetFixture.h"

#include "engine/Depreciation.h"
#include "engine/FixedAssetSheetControls.h"

namespace velkor::test {
namespace {

class DepreciationTest : public FixedAssetTest {
protected:
    DepreciationTest() {
        enterItem(QStringLiteral("253"), QStringLiteral("01"), QStringLiteral("Makine"), QDate(2021, 4, 10),
                  QStringLiteral("120.000,00"));
    }

    QString accumulated(const QString& method, const QString& life) {
        sheet().userSet(ctl::fixedasset::AmortYontemCombo, method);
        sheet().userSet(ctl::fixedasset::AmortSureEdit, life);
        sheet().setText(ctl::fixedasset::BirikmisAmortEdit, QString());
        sheet().click(ctl::fixedasset::AmortHesaplaBut);
        return field(ctl::fixedasset::BirikmisAmortEdit);
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
    sheet().userSet(ctl::fixedasset::AmortYontemCombo, QStringLiteral("K"));
    EXPECT_EQ(field(ctl::fixedasset::AmortYontemCombo), QStringLiteral("Normal"));
}

TEST_F(DepreciationTest, BookValueAndLifeAreRequired) {
    sheet().userSet(ctl::fixedasset::KayitliTutariEdit, QString());
    sheet().click(ctl::fixedasset::AmortHesaplaBut);
    EXPECT_EQ(shown(),
              QStringList{QStringLiteral("Amortisman hesaplamak için tutar ve süre girilmesi zorunludur!")});
    EXPECT_EQ(field(ctl::fixedasset::BirikmisAmortEdit), QString());
}

TEST_F(DepreciationTest, LifeSetsTheRateAndTheWriteOffDate) {
    sheet().setDate(ctl::fixedasset::GirisTarihiDate, QDate(2020, 2, 29));
    sheet().userSet(ctl::fixedasset::AmortSureEdit, QStringLiteral("4"));
    EXPECT_EQ(field(ctl::fixedasset::AmortOranEdit), QStringLiteral("25,00"));
    EXPECT_EQ(field(ctl::fixedasset::itfaTarihiDate), QStringLiteral("28.02.2023"));
    sheet().userSet(ctl::fixedasset::GirisTarihiDate, QStringLiteral("15.05.2021"));
    EXPECT_EQ(field(ctl::fixedasset::itfaTarihiDate), QStringLiteral("15.05.2024"));
    sheet().userSet(ctl::fixedasset::AmortSureEdit, QString());
    EXPECT_EQ(field(ctl::fixedasset::AmortSureEdit), QStringLiteral("5"));
    EXPECT_EQ(field(ctl::fixedasset::AmortOranEdit), QStringLiteral("20,00"));
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
