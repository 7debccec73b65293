#include "engine/MonthKey.h"
#include "engine/IndexLookup.h"
#include "engine/Rounding.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace velkor;

namespace {

TEST(MonthKeyTest, YearFollowedByMonthWithoutLeadingZero) {
    EXPECT_EQ(MonthKey(QDate(2023, 12, 31)), 202312);
    EXPECT_EQ(MonthKey(QDate(2018, 4, 15)), 20184);
    EXPECT_EQ(MonthKey(QDate(2021, 10, 1)), 202110);
    EXPECT_EQ(MonthKey(2005, 1), 20051);
    EXPECT_EQ(MonthKeyText(20241), QStringLiteral("01.2024"));
    EXPECT_EQ(MonthKeyText(202312), QStringLiteral("12.2023"));
}

TEST(RoundDecimalsTest, TiesGoToEven) {
    EXPECT_DOUBLE_EQ(RoundDecimals(2.458844, 5), 2.45884);
    EXPECT_DOUBLE_EQ(RoundDecimals(0.5, 0), 0);
    EXPECT_DOUBLE_EQ(RoundDecimals(1.5, 0), 2);
    EXPECT_DOUBLE_EQ(RoundDecimals(2.5, 0), 2);
    EXPECT_DOUBLE_EQ(RoundDecimals(-2.5, 0), -2);
    EXPECT_DOUBLE_EQ(RoundDecimals(1234.565, 2), 1234.56);
    EXPECT_DOUBLE_EQ(RoundDecimals(3035.59 / 1234.56, 5), 2.45884);
}

TEST(IndexLookupTest, ExactKeysOnly) {
    test::TempHome home;
    IndexLookup lookup(home.context().rates());
    EXPECT_DOUBLE_EQ(lookup.LookupIndex(202312).value(), 2915.02);
    EXPECT_DOUBLE_EQ(lookup.LookupIndex(20241).value(), 3035.59);
    EXPECT_FALSE(lookup.LookupIndex(201804).has_value());
    EXPECT_TRUE(lookup.LookupIndex(20184).has_value());
    home.setIndexValues({{20203, 462.42}});
    lookup.reload();
    EXPECT_DOUBLE_EQ(lookup.LookupIndex(20203).value(), 462.42);
    EXPECT_FALSE(lookup.LookupIndex(202312).has_value());
}

} // namespace
