#include "base/NumberFormat.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace velkor;

namespace {

TEST(NumberFormatTest, PatternsOfAmountsAndCoefficients) {
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), 1234567.5), QStringLiteral("1.234.567,50"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), 0), QStringLiteral("0,00"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), 0.5), QStringLiteral("0,50"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), -245884), QStringLiteral("-245.884,00"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00000"), 2.45884), QStringLiteral("2,45884"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#0.00"), 1234567.5), QStringLiteral("1234567,50"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#0.00000"), 1.0), QStringLiteral("1,00000"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,###.00"), 1234.5), QStringLiteral("1.234,50"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,###.00"), 0.5), QStringLiteral(",50"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,###.00000"), 2.4588449), QStringLiteral("2,45884"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00 %"), 6.66), QStringLiteral("6,66 %"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), 999.995), QStringLiteral("1.000,00"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), 1e15), QStringLiteral("1.000.000.000.000.000,00"));
}

// The pattern is read character by character: optional decimals, padded integers, a
// carry that adds a group and text after the number.
TEST(NumberFormatTest, EveryPartOfAPatternCounts) {
    EXPECT_EQ(FormatFloat(QStringLiteral("#.##"), 1.5), QStringLiteral("1,5"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#.##"), 2), QStringLiteral("2"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.0#"), 0.05), QStringLiteral("0,05"));
    EXPECT_EQ(FormatFloat(QStringLiteral("000.0"), 5), QStringLiteral("005,0"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), 99999.995), QStringLiteral("100.000,00"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0"), -999.5), QStringLiteral("-1.000"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00 TL"), -1234.5), QStringLiteral("-1.234,50 TL"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,###.00"), 0.004), QStringLiteral(",00"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), 1e-300), QStringLiteral("0,00"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), -HUGE_VAL), QStringLiteral("0,00"));
}

TEST(NumberFormatTest, HalvesRoundAwayFromZeroOnTheShortestDecimalText) {
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), 0.125), QStringLiteral("0,13"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), 2.675), QStringLiteral("2,68"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), -2.675), QStringLiteral("-2,68"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), 1.005), QStringLiteral("1,01"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), 0.124999), QStringLiteral("0,12"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00000"), 0.000005), QStringLiteral("0,00001"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), -0.004), QStringLiteral("0,00"));
}

TEST(NumberFormatTest, GeneralFormatHasFifteenSignificantDigitsAndNoGrouping) {
    EXPECT_EQ(FormatGeneral(1234.5), QStringLiteral("1234,5"));
    EXPECT_EQ(FormatGeneral(-1234.5), QStringLiteral("-1234,5"));
    EXPECT_EQ(FormatGeneral(15), QStringLiteral("15"));
    EXPECT_EQ(FormatGeneral(0), QStringLiteral("0"));
    EXPECT_EQ(FormatGeneral(0.1 + 0.2), QStringLiteral("0,3"));
    EXPECT_EQ(FormatGeneral(123456789012.345678), QStringLiteral("123456789012,346"));
    EXPECT_EQ(FormatGeneral(0.00012), QStringLiteral("0,00012"));
    EXPECT_EQ(FormatGeneral(1e20), QStringLiteral("1E+20"));
}

TEST(NumberFormatTest, Dates) {
    EXPECT_EQ(FormatDate(QDate(2023, 12, 31)), QStringLiteral("31.12.2023"));
    EXPECT_EQ(FormatDate(QDate(2005, 1, 1)), QStringLiteral("01.01.2005"));
    EXPECT_EQ(FormatDate(QDate()), QString());
    EXPECT_EQ(ParseDate(QStringLiteral("30.09.2023")), QDate(2023, 9, 30));
    EXPECT_FALSE(ParseDate(QStringLiteral("31.02.2023")).isValid());
}

} // namespace
