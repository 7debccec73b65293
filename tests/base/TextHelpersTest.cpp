#include "base/TextHelpers.h"
#include "base/ClassicNumbers.h"
#include "base/NumberFormat.h"
#include "support/CLibraryLocale.h"
#include "support/DesktopLocales.h"

#include <QTemporaryDir>
#include <cstdio>
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

// Qt takes the C library's locale from the environment; on a Turkish desktop printf and
// strtod write and read "12,5". Amounts must read and show the same on every desktop.
TEST(ParseAmountTest, ReadsAndShowsTheSameUnderEveryDesktopLocale) {
    for (const test::Desktop& desktop : test::kDesktops) {
        const QByteArray name = desktop.locale.toLatin1();
        const test::CLibraryLocale locale(name.constData());
        ASSERT_TRUE(locale.available())
            << name.constData() << " is not generated (scripts/install-deps.sh makes it)";
        SCOPED_TRACE(name.constData());
        EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("12,5")), 12.5);
        EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("900.000,00")), 900000.0);
        EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("-1.234.567,89")), -1234567.89);
        EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("+0,01")), 0.01);
        EXPECT_THROW(ParseAmount(QStringLiteral("1,2,3")), ConversionError);
        EXPECT_EQ(FormatFloat(patterns::kAmount, 900000.0), QStringLiteral("900.000,00"));
        EXPECT_EQ(FormatFloat(patterns::kCoefficient, 1.02913), QStringLiteral("1,02913"));
        EXPECT_EQ(FormatGeneral(-1234.5), QStringLiteral("-1234,5"));
    }
}

TEST(ClassicNumbersTest, TheScopeGivesPrintfAPointAndRestoresTheDesktops) {
    const test::CLibraryLocale turkish("tr_TR.UTF-8");
    ASSERT_TRUE(turkish.available());
    ASSERT_EQ(test::CLibraryLocale::printedDecimal(), QStringLiteral(","));
    {
        const ClassicNumbersScope classic;
        char text[32];
        std::snprintf(text, sizeof text, "%.16G", 12.5);
        EXPECT_STREQ(text, "12.5");
    }
    EXPECT_EQ(test::CLibraryLocale::printedDecimal(), QStringLiteral(","));
    useClassicNumbers();
    EXPECT_EQ(test::CLibraryLocale::printedDecimal(), QStringLiteral("."));
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
