#include "base/NumberFormat.h"
#include "base/StrictAmount.h"
#include "base/TextHelpers.h"

#include <gtest/gtest.h>

using namespace velkor;

namespace {

// The texts an import cell or a typed option brought in before, each of which
// ParseAmount read as some other number.
const char* const kNoAmounts[] = {"1e309", "0x10",   "5-",  "=1/0",  "(100)", "inf",   "abc",      "nan",
                                  "1,2,3", "12,",    ",5",  "-",     "+",     "1 000", "9.00.000", "1.2345",
                                  ".500",  "1..000", "--5", "5,0,0", "₺100",  "100 TL"};

TEST(ParseStrictAmount, takesTheAmountsTheFieldsTakeUnderTurkishSeparators) {
    EXPECT_EQ(ParseStrictAmount(QStringLiteral("900.000,00")), 900000.0);
    EXPECT_EQ(ParseStrictAmount(QStringLiteral("900000")), 900000.0);
    EXPECT_EQ(ParseStrictAmount(QStringLiteral("-12,5")), -12.5);
    EXPECT_EQ(ParseStrictAmount(QStringLiteral("+7")), 7.0);
    EXPECT_EQ(ParseStrictAmount(QStringLiteral("1.234.567,891")), 1234567.891);
    EXPECT_EQ(ParseStrictAmount(QStringLiteral(" 12 ")), 12.0);
    EXPECT_EQ(ParseStrictAmount(QString()), 0.0);
    EXPECT_EQ(ParseStrictAmount(QStringLiteral("  ")), 0.0);
    for (const char* text : kNoAmounts)
        EXPECT_EQ(ParseStrictAmount(QString::fromUtf8(text)), std::nullopt) << text;
    // Well formed, but more than any field holds.
    EXPECT_EQ(ParseStrictAmount(QStringLiteral("1.000.000.000.000.001")), std::nullopt);
    EXPECT_EQ(ParseStrictAmount(QString(400, QLatin1Char('9'))), std::nullopt);
}

TEST(ParseStrictAmount, followsTheRegionalSeparators) {
    setRegionalSeparators({QLatin1Char(','), QLatin1Char('.')});
    EXPECT_EQ(ParseStrictAmount(QStringLiteral("900,000.00")), 900000.0);
    EXPECT_EQ(ParseStrictAmount(QStringLiteral("-12.5")), -12.5);
    EXPECT_EQ(ParseStrictAmount(QStringLiteral("1.2345")), 1.2345);
    EXPECT_EQ(ParseStrictAmount(QStringLiteral("900.000,00")), std::nullopt);
    EXPECT_EQ(ParseStrictAmount(QStringLiteral("1,2345")), std::nullopt);
    resetRegionalSeparators();
}

} // namespace
