#include "base/TextHelpers.h"
#include "base/NumberFormat.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkor;

namespace {

TEST(ParseAmountTest, KeepsLeadingSignDigitsAndDecimalSeparator) {
    EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("1.234,56")), 1234.56);
    EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("-12a3")), -123);
    EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("12-3")), 123);
    EXPECT_DOUBLE_EQ(ParseAmount(QString()), 0);
    EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("  ₺ 1.000.000,5 TL")), 1000000.5);
    EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("+7")), 7);
    EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral(",5")), 0.5);
    EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("abc")), 0);
    EXPECT_THROW(ParseAmount(QStringLiteral("1,2,3")), ConversionError);
    EXPECT_THROW(ParseAmount(QStringLiteral("-")), ConversionError);
    EXPECT_DOUBLE_EQ(ParseDigits(QStringLiteral("1.234,56")), 123456);
    EXPECT_DOUBLE_EQ(ParseDigits(QStringLiteral("-4 yıl")), -4);
}

TEST(ParseAmountTest, FollowsTheRegionalDecimalSeparator) {
    setRegionalSeparators({QLatin1Char(','), QLatin1Char('.')});
    EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("1,234.56")), 1234.56);
    EXPECT_EQ(FormatFloat(patterns::kAmount, 1234567.5), QStringLiteral("1,234,567.50"));
    resetRegionalSeparators();
    EXPECT_EQ(FormatFloat(patterns::kAmount, 1234567.5), QStringLiteral("1.234.567,50"));
}

TEST(TextHelpersTest, TurkishLowerAndPadding) {
    EXPECT_EQ(TurkishLower(QStringLiteral("  IŞIK ")), QStringLiteral("ışık"));
    EXPECT_EQ(TurkishLower(QStringLiteral("İĞDE ÇÖÜ Xyz")), QStringLiteral("iğde çöü xyz"));
    EXPECT_EQ(TurkishLower(QStringLiteral("Yazar KASA")), QStringLiteral("yazar kasa"));
    EXPECT_EQ(PadLeft(5, QStringLiteral("12")), QStringLiteral("   12"));
    EXPECT_EQ(PadRight(2, QStringLiteral("abc")), QStringLiteral("abc"));
    EXPECT_EQ(PadRight(4, QStringLiteral("ab")), QStringLiteral("ab  "));
    EXPECT_EQ(PadLeft(2, QStringLiteral("abc")), QStringLiteral("abc"));
}

TEST(TextHelpersTest, DateSeparatorPutsTheDateBetweenTwoRuns) {
    EXPECT_EQ(dateSeparator(3), QStringLiteral("---31/12/2023---"));
    EXPECT_EQ(dateSeparator(42).size(), 94);
}

} // namespace
