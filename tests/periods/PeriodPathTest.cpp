#include "periods/PeriodFixture.h"

#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

// A company at 31.12.2023: the machine of the published example, a second machine half
// written off, capital and a stock; a vehicle bought on 20.01.2024.
std::vector<PeriodLine> baseLines() {
    std::vector<PeriodLine> lines{
        machine(),
        *carryFromBase(baseRow(2, QStringLiteral("253"), QStringLiteral("002"), 256482.00, 205185.60, 5))
             .line,
        *carryFromBase(baseRow(3, QStringLiteral("500"), QStringLiteral("01"), 100000.00)).line,
        *carryFromBase(baseRow(4, QStringLiteral("153"), QStringLiteral("01"), 40000.00)).line};
    return lines;
}

PeriodLine vehicle() {
    return newItem(QStringLiteral("254"), QStringLiteral("001"), 50000.00, QDate(2024, 1, 20), 5);
}

struct PathEnd {
    std::vector<PeriodLine> lines;
    double result = 0;       // the year's 698 balances less the year's depreciation expense
    double depreciation = 0; // the year's depreciation expense
    std::vector<PeriodTotals> totals;
};

// Computes the periods in turn, each carrying the lines of the one before; the vehicle
// comes in with the first period.
PathEnd walk(const std::vector<QDate>& ends, PeriodDepreciation setting) {
    PathEnd path;
    std::vector<PeriodLine> lines = baseLines();
    lines.push_back(vehicle());
    QDate previous = kBase;
    for (const QDate& end : ends) {
        if (previous != kBase)
            lines = carriedFrom(lines);
        const PeriodTotals totals = computePeriod(contextOf(end, previous, settingsWith(setting)), lines);
        path.totals.push_back(totals);
        path.result += totals.g698 - totals.l698;
        for (const PeriodLine& line : lines)
            path.depreciation += line.periodDepreciation + line.catchUp;
        previous = end;
    }
    for (const PeriodLine& line : lines)
        path.depreciation += line.lastMonthDepreciation;
    path.result -= path.depreciation;
    path.lines = lines;
    return path;
}

TEST(PeriodPathTest, ThroughTheQuartersBothSettingsMeetAtTheYearEnd) {
    const std::vector<QDate> ends{kJune, kSeptember, kYearEnd};
    const PathEnd included = walk(ends, PeriodDepreciation::IncludedInAccumulated);
    const PathEnd fromAdjusted = walk(ends, PeriodDepreciation::FromAdjustedValue);
    ASSERT_EQ(included.lines.size(), fromAdjusted.lines.size());
    for (std::size_t i = 0; i < included.lines.size(); ++i) {
        EXPECT_DOUBLE_EQ(included.lines[i].adjustedValue, fromAdjusted.lines[i].adjustedValue) << i;
        EXPECT_NEAR(included.lines[i].closingAccumulated, fromAdjusted.lines[i].closingAccumulated, 0.10)
            << i;
    }
    // Each period took its own TK.
    EXPECT_DOUBLE_EQ(included.lines[0].coefficient, 1.02368);
    EXPECT_DOUBLE_EQ(included.lines[0].adjustedValue, 177967.67); // 173.850,88 × 1,02368
    // The quarters split the year's charge differently; the year does not.
    EXPECT_GT(std::abs(included.totals[0].l698 - fromAdjusted.totals[0].l698), 1000);
    EXPECT_NEAR(included.result, fromAdjusted.result, 0.30);
    EXPECT_NEAR(included.depreciation + included.totals[0].l698 + included.totals[1].l698 +
                    included.totals[2].l698,
                fromAdjusted.depreciation + fromAdjusted.totals[0].l698 + fromAdjusted.totals[1].l698 +
                    fromAdjusted.totals[2].l698,
                0.30);
}

TEST(PeriodPathTest, DirectlyToTheYearEndBothSettingsMeet) {
    const PathEnd included = walk({kYearEnd}, PeriodDepreciation::IncludedInAccumulated);
    const PathEnd fromAdjusted = walk({kYearEnd}, PeriodDepreciation::FromAdjustedValue);
    for (std::size_t i = 0; i < included.lines.size(); ++i)
        EXPECT_NEAR(included.lines[i].closingAccumulated, fromAdjusted.lines[i].closingAccumulated, 0.10)
            << i;
    EXPECT_NEAR(included.result, fromAdjusted.result, 0.30);

    // The published year-end figures of the second machine.
    EXPECT_DOUBLE_EQ(included.lines[1].coefficient, 1.28525);
    EXPECT_DOUBLE_EQ(included.lines[1].periodDepreciation, 47021.70);
    EXPECT_DOUBLE_EQ(included.lines[1].adjustedAccumulated, 324149.43);
    EXPECT_EQ(fromAdjusted.lines[1].catchUpMonths, 11);
    // The vehicle is new at the year end, from January.
    EXPECT_EQ(included.lines[4].status, LineStatus::New);
    EXPECT_DOUBLE_EQ(included.lines[4].coefficient, 1.23420); // 3.746,52 / 3.035,59
}

TEST(PeriodPathTest, VehicleOfJanuaryInEachPeriod) {
    // At 30.06.2024 it is new; at 30.09.2024 with no June period it is new from January
    // again; after a June period it is carried with TK.
    std::vector<PeriodLine> lines{vehicle()};
    computePeriod(contextOf(kJune, kBase), lines);
    EXPECT_DOUBLE_EQ(lines[0].coefficient, 1.14747);

    std::vector<PeriodLine> withoutJune{vehicle()};
    computePeriod(contextOf(kSeptember, kBase), withoutJune);
    EXPECT_DOUBLE_EQ(withoutJune[0].coefficient, 1.20564);
    EXPECT_EQ(withoutJune[0].catchUpMonths, 0);

    std::vector<PeriodLine> afterJune = carriedFrom(lines);
    computePeriod(contextOf(kSeptember, kJune), afterJune);
    EXPECT_EQ(afterJune[0].status, LineStatus::Carried);
    EXPECT_DOUBLE_EQ(afterJune[0].coefficient, 1.05070);
    EXPECT_EQ(afterJune[0].explanation,
              QStringLiteral("Önceki dönem düzeltilmiş değeri (57.373,50) Taşıma katsayısı "
                             "(1,05070) ile düzeltilmiştir."));
}

TEST(PeriodPathTest, NextYearStartsFromTheYearEndBalance) {
    // Under "Düzeltilmiş değerden yeniden" the year's depreciation joins the AD at the year
    // end: 30.06.2025 carries the AD in the books at 31.12.2024, as "Birikmişe dahil" does.
    const PathEnd included = walk({kJune, kSeptember, kYearEnd}, PeriodDepreciation::IncludedInAccumulated);
    const PathEnd fromAdjusted = walk({kJune, kSeptember, kYearEnd}, PeriodDepreciation::FromAdjustedValue);
    const QDate june2025(2025, 6, 30);
    std::vector<PeriodLine> a = carriedFrom(included.lines);
    std::vector<PeriodLine> b = carriedFrom(fromAdjusted.lines);
    computePeriod(contextOf(june2025, kYearEnd, settingsWith(PeriodDepreciation::IncludedInAccumulated)), a);
    computePeriod(contextOf(june2025, kYearEnd, settingsWith(PeriodDepreciation::FromAdjustedValue)), b);
    // The machine: A counts December 2024 to May 2025 in DP; B holds December in the AD.
    EXPECT_NEAR(a[0].periodDepreciation, a[0].oldMonthly * 6, 0.001);
    EXPECT_NEAR(b[0].accumulatedBefore, fromAdjusted.lines[0].closingAccumulated, 0.01);
    EXPECT_EQ(b[0].catchUpMonths, 5);
    EXPECT_NEAR(a[0].closingAccumulated, b[0].closingAccumulated, 0.10);
}

} // namespace
