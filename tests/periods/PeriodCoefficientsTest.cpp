#include "base/ShownError.h"
#include "periods/PeriodFixture.h"

#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

// Each period takes its own rounded TK from the two index values; TKs are never chained
// (1,19493 × 1,05070 × 1,02368 is not 1,28525).
TEST(PeriodCoefficientsTest, CarryCoefficientOfEachPath) {
    const IndexValues index = indexOf2024();
    EXPECT_DOUBLE_EQ(*carryCoefficient(index, kJune, kBase), 1.19493);
    EXPECT_DOUBLE_EQ(*carryCoefficient(index, kSeptember, kJune), 1.05070);
    EXPECT_DOUBLE_EQ(*carryCoefficient(index, kYearEnd, kSeptember), 1.02368);
    EXPECT_DOUBLE_EQ(*carryCoefficient(index, kYearEnd, kBase), 1.28525);
    EXPECT_FALSE(carryCoefficient(index, QDate(2026, 6, 30), kBase));
}

TEST(PeriodCoefficientsTest, EntryAndSimpleAverageCoefficients) {
    const IndexValues index = indexOf2024();
    EXPECT_DOUBLE_EQ(periodCoefficient(index, kJune, QDate(2024, 1, 20)), 1.14747);
    EXPECT_DOUBLE_EQ(periodCoefficient(index, kSeptember, QDate(2024, 1, 20)), 1.20564);

    EXPECT_EQ(averageBaseMonth(AverageBase::LastAdjustedPeriod, kJune, kBase), kBase);
    EXPECT_EQ(averageBaseMonth(AverageBase::PreviousProvisionalPeriod, kJune, kBase), QDate(2024, 3, 31));
    EXPECT_EQ(averageBaseMonth(AverageBase::PreviousProvisionalPeriod, kYearEnd, kBase), kSeptember);
    EXPECT_DOUBLE_EQ(simpleAverageCoefficient(index, kJune, kBase), 1.08881);
    EXPECT_DOUBLE_EQ(simpleAverageCoefficient(index, kJune, QDate(2024, 3, 31)), 1.03421);
}

TEST(PeriodCoefficientsTest, MissingIndexStopsTheWholePeriod) {
    EXPECT_EQ(periodIndexMissingMessage(20261),
              QStringLiteral("Yİ-ÜFE değeri bulunamadı: 01.2026. Endeks tablosunu güncelleyiniz."));

    // The period's own month is missing.
    std::vector<PeriodLine> lines{machine()};
    const std::vector<PeriodLine> before = lines;
    try {
        computePeriod(contextOf(QDate(2026, 1, 31), kBase), lines);
        FAIL() << "computed without the index of P";
    } catch (const ShownError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("Yİ-ÜFE değeri bulunamadı: 01.2026. Endeks tablosunu güncelleyiniz."));
    }
    EXPECT_EQ(lines[0].coefficient, before[0].coefficient);

    // A new item's month is missing: the lines computed before it are not changed either.
    lines.push_back(newItem(QStringLiteral("255"), QStringLiteral("009"), 1000, QDate(2024, 2, 1)));
    PeriodContext context = contextOf(kJune, kBase);
    const IndexValues full = context.index;
    context.index = [full](int key) { return key == 20242 ? std::optional<double>() : full(key); };
    EXPECT_THROW(computePeriod(context, lines), ShownError);
    EXPECT_EQ(lines[0].adjustedValue, 0.0);
}

} // namespace
