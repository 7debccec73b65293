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

TEST(ParseAmountTest, RefusesWhatNoAmountFieldHolds) {
    EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("1.000.000.000.000.000")), 1e15);
    EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("-999.999.999.999.999")), -999999999999999.0);
    for (const QString& text :
         {QStringLiteral("1") + QString(400, QLatin1Char('0')), QStringLiteral("1.000.000.000.000.001"),
          QStringLiteral("-1000000000000000,5")}) {
        try {
            ParseAmount(text);
            ADD_FAILURE() << text.toStdString();
        } catch (const ConversionError& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("10^15"))) << e.message().toStdString();
        }
    }
    EXPECT_THROW(ParseDigits(QString(20, QLatin1Char('9'))), ConversionError);
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
