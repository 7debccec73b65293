#include "periods/PeriodFixture.h"

#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

PeriodLine computedMachine(const QDate& end, PeriodDepreciation setting, PeriodLine line = machine()) {
    std::vector<PeriodLine> lines{line};
    computePeriod(contextOf(end, kBase, settingsWith(setting)), lines);
    return lines[0];
}

TEST(PeriodDepreciationTest, IncludedInAccumulatedAtJune) {
    const PeriodLine line = computedMachine(kJune, PeriodDepreciation::IncludedInAccumulated);
    EXPECT_EQ(line.status, LineStatus::Carried);
    EXPECT_DOUBLE_EQ(line.coefficient, 1.19493);
    EXPECT_DOUBLE_EQ(line.adjustedValue, 165461.96);
    EXPECT_DOUBLE_EQ(line.difference, 26991.96);
    EXPECT_DOUBLE_EQ(line.oldMonthly, 2307.83);
    EXPECT_DOUBLE_EQ(line.periodDepreciation, 11539.15);
    EXPECT_TRUE(line.periodDepreciationComputed);
    EXPECT_DOUBLE_EQ(line.accumulatedBefore, 39233.15);
    EXPECT_DOUBLE_EQ(line.adjustedAccumulated, 46880.87);
    EXPECT_DOUBLE_EQ(line.accumulatedDifference, 7647.72);
    EXPECT_DOUBLE_EQ(line.catchUp, 0);
    // June is booked after the adjustment on the adjusted value.
    EXPECT_DOUBLE_EQ(line.newMonthly, 2757.70);
    EXPECT_DOUBLE_EQ(line.lastMonthDepreciation, 2757.70);
    EXPECT_DOUBLE_EQ(line.closingAccumulated, 49638.57);
}

TEST(PeriodDepreciationTest, FromAdjustedValueAtJune) {
    const PeriodLine line = computedMachine(kJune, PeriodDepreciation::FromAdjustedValue);
    EXPECT_DOUBLE_EQ(line.adjustedValue, 165461.96);
    EXPECT_DOUBLE_EQ(line.accumulatedBefore, 27694.00);
    EXPECT_DOUBLE_EQ(line.adjustedAccumulated, 33092.39);
    EXPECT_DOUBLE_EQ(line.oldMonthly, 2307.83);
    EXPECT_DOUBLE_EQ(line.newMonthly, 2757.70);
    EXPECT_EQ(line.catchUpMonths, 5);
    EXPECT_DOUBLE_EQ(line.catchUp, 2249.35);
    EXPECT_DOUBLE_EQ(line.periodDepreciation, 11539.15);
    // Six months at the new figure besides the adjusted AD.
    EXPECT_DOUBLE_EQ(line.closingAccumulated, 33092.39 + 11539.15 + 2249.35 + 2757.70);
}

TEST(PeriodDepreciationTest, YearEndWithoutQuartersCountsElevenMonths) {
    // The published year-end figure: an AD of Q of 205.185,60 and eleven months of 4.274,70.
    BaseRow row = baseRow(7, QStringLiteral("254"), QStringLiteral("002"), 256482.00, 205185.60, 5);
    const PeriodLine line =
        computedMachine(kYearEnd, PeriodDepreciation::IncludedInAccumulated, *carryFromBase(row).line);
    EXPECT_DOUBLE_EQ(line.coefficient, 1.28525);
    EXPECT_DOUBLE_EQ(line.periodDepreciation, 47021.70);
    EXPECT_DOUBLE_EQ(line.accumulatedBefore, 252207.30);
    EXPECT_DOUBLE_EQ(line.adjustedAccumulated, 324149.43);
}

TEST(PeriodDepreciationTest, DepreciationOfThePeriodStaysWithinTheNetValue) {
    // 130.000 of a 138.470 machine is written off: only 8.470 are left for DP.
    PeriodLine line = machine();
    line.accumulatedOfQ = 130000.00;
    line = computedMachine(kJune, PeriodDepreciation::IncludedInAccumulated, line);
    EXPECT_DOUBLE_EQ(line.periodDepreciation, 8470.00);
    EXPECT_DOUBLE_EQ(line.accumulatedBefore, 138470.00);
    EXPECT_DOUBLE_EQ(line.lastMonthDepreciation, 0);

    // A typed DP is taken as typed, never below 0.
    line = machine();
    line.typedPeriodDepreciation = -5;
    line = computedMachine(kJune, PeriodDepreciation::IncludedInAccumulated, line);
    EXPECT_DOUBLE_EQ(line.periodDepreciation, 0);
    EXPECT_FALSE(line.periodDepreciationComputed);
}

TEST(PeriodDepreciationTest, OtherMethodsWaitForTheTypedDepreciation) {
    PeriodLine line = machine();
    line.depreciationMethod = QStringLiteral("Hızlandırılmış");
    PeriodLine computed = computedMachine(kJune, PeriodDepreciation::IncludedInAccumulated, line);
    EXPECT_EQ(computed.status, LineStatus::NotComputed);
    EXPECT_EQ(computed.notes,
              QStringList{QStringLiteral("Bu amortisman yönteminde dönem amortismanını giriniz.")});
    EXPECT_DOUBLE_EQ(computed.adjustedValue, 0);
    EXPECT_EQ(closingObstacles({computed}, {}).size(), 1);

    line.typedPeriodDepreciation = 20000.00;
    computed = computedMachine(kJune, PeriodDepreciation::IncludedInAccumulated, line);
    EXPECT_EQ(computed.status, LineStatus::Carried);
    EXPECT_DOUBLE_EQ(computed.accumulatedBefore, 47694.00);
    EXPECT_DOUBLE_EQ(computed.adjustedAccumulated, 56990.99);
    EXPECT_TRUE(closingObstacles({computed}, {}).isEmpty());
}

TEST(PeriodDepreciationTest, FullyDepreciatedItemsFollowTheSetting) {
    PeriodLine line = machine();
    line.accumulatedOfQ = 138470.00;
    PeriodSettings settings;
    std::vector<PeriodLine> lines{line};
    computePeriod(contextOf(kJune, kBase, settings), lines);
    EXPECT_EQ(lines[0].status, LineStatus::Carried);
    EXPECT_DOUBLE_EQ(lines[0].adjustedAccumulated, 165461.96);
    EXPECT_DOUBLE_EQ(lines[0].difference, lines[0].accumulatedDifference);

    settings.adjustFullyDepreciated = false;
    lines = {line};
    const PeriodTotals totals = computePeriod(contextOf(kJune, kBase, settings), lines);
    EXPECT_EQ(lines[0].status, LineStatus::Outside);
    EXPECT_DOUBLE_EQ(lines[0].difference, 0);
    EXPECT_DOUBLE_EQ(totals.g698, 0);
    EXPECT_DOUBLE_EQ(totals.l698, 0);

    // Adjusted again at the year end from December 2023, as "Devreden (ara verilmiş)".
    std::vector<PeriodLine> next = carriedFrom(lines);
    ASSERT_EQ(next.size(), 1u);
    EXPECT_TRUE(next[0].interrupted);
    computePeriod(contextOf(kYearEnd, kJune), next);
    EXPECT_EQ(next[0].status, LineStatus::Carried);
    EXPECT_TRUE(next[0].interrupted);
    EXPECT_DOUBLE_EQ(next[0].coefficient, 1.28525);
    EXPECT_DOUBLE_EQ(next[0].adjustedValue, 177968.57);
    EXPECT_TRUE(next[0].notes.contains(QStringLiteral("Devreden (ara verilmiş)")));
}

TEST(PeriodDepreciationTest, QuarterlyBookingCountsQuarters) {
    PeriodSettings settings = settingsWith(PeriodDepreciation::FromAdjustedValue);
    settings.booking = DepreciationBooking::Quarterly;
    std::vector<PeriodLine> lines{machine()};
    computePeriod(contextOf(kSeptember, kBase, settings), lines);
    // 138.470,00 × 0,20 / 4; two quarters before the last one.
    EXPECT_DOUBLE_EQ(lines[0].oldMonthly, 6923.50);
    EXPECT_DOUBLE_EQ(lines[0].periodDepreciation, 13847.00);
    EXPECT_EQ(lines[0].catchUpMonths, 2);
}

TEST(PeriodDepreciationTest, NewItemDepreciatesFromItsEntryMonth) {
    std::vector<PeriodLine> lines{
        newItem(QStringLiteral("255"), QStringLiteral("004"), 12000.00, QDate(2024, 1, 20), 4)};
    computePeriod(contextOf(kJune, kBase), lines);
    EXPECT_EQ(lines[0].status, LineStatus::New);
    EXPECT_DOUBLE_EQ(lines[0].coefficient, 1.14747);
    EXPECT_DOUBLE_EQ(lines[0].adjustedValue, 13769.64);
    // 250,00 a month for January to May.
    EXPECT_DOUBLE_EQ(lines[0].periodDepreciation, 1250.00);
    EXPECT_DOUBLE_EQ(lines[0].adjustedAccumulated, 1434.34);
    EXPECT_EQ(lines[0].explanation,
              QStringLiteral(
                  "Varlık Net Değeri (12.000,00) X (1,14747) Katsayı ile Düzeltilmiştir. Giriş: 01.2024"));
}

TEST(PeriodDepreciationTest, AccumulatedDepreciationWithoutALifeIsStillAdjusted) {
    PeriodLine line = machine();
    line.usefulLife = 0;
    line = computedMachine(kJune, PeriodDepreciation::IncludedInAccumulated, line);
    EXPECT_DOUBLE_EQ(line.periodDepreciation, 0);
    EXPECT_DOUBLE_EQ(line.accumulatedBefore, 27694.00);
    EXPECT_DOUBLE_EQ(line.adjustedAccumulated, 33092.39);
    EXPECT_DOUBLE_EQ(line.closingAccumulated, 33092.39);
}

TEST(PeriodDepreciationTest, AdditionIsANewItemOfItsOwnMonth) {
    std::vector<PeriodLine> lines{machine()};
    lines.push_back(newItem(QStringLiteral("253"), QStringLiteral("001"), 6000.00, QDate(2024, 4, 2), 5));
    computePeriod(contextOf(kJune, kBase), lines);
    EXPECT_DOUBLE_EQ(lines[0].adjustedValue, 165461.96);
    EXPECT_EQ(lines[1].status, LineStatus::New);
    EXPECT_DOUBLE_EQ(lines[1].coefficient, 1.03361);       // 3.483,25 / 3.369,98
    EXPECT_DOUBLE_EQ(lines[1].periodDepreciation, 200.00); // April and May at 100,00
    // Computed DP is a point to check before closing, not an obstacle.
    EXPECT_TRUE(lines[1].periodDepreciationComputed);
    EXPECT_TRUE(closingObstacles(lines, {}).isEmpty());
}

TEST(PeriodDepreciationTest, PartialDisposalSharesTheMonthlyDepreciationAsBooked) {
    // 27,78 a month was booked; 70 % of the item is kept: 19,45, not 700,00 × 1/3 / 12 = 19,44.
    PeriodLine line =
        *carryFromBase(baseRow(8, QStringLiteral("255"), QStringLiteral("008"), 1000.00, 0.0, 3)).line;
    line.disposalDate = QDate(2024, 2, 10);
    line.remainingShare = 0.7;
    line = computedMachine(kJune, PeriodDepreciation::IncludedInAccumulated, line);
    EXPECT_DOUBLE_EQ(line.oldMonthly, 19.45);
    EXPECT_DOUBLE_EQ(line.periodDepreciation, 97.25);
}

} // namespace
