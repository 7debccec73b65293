#include "periods/PeriodFixture.h"

#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

TEST(PeriodCarryTest, BaseRowsThatAreNeverItemsOfALaterPeriod) {
    for (const char* account : {"257", "268", "178", "358", "697", "698", "600", "649", "770", "522", "523",
                                "524", "570", "580", "590", "591"}) {
        const BaseCarry carry =
            carryFromBase(baseRow(1, QString::fromLatin1(account), QStringLiteral("001"), 100));
        EXPECT_FALSE(carry.line) << account;
        EXPECT_FALSE(carry.leftOut) << account;
    }
    for (const char* account :
         {"150", "180", "250", "253", "258", "260", "500", "520", "540", "549", "170"}) {
        const BaseCarry carry =
            carryFromBase(baseRow(1, QString::fromLatin1(account), QStringLiteral("001"), 100));
        EXPECT_TRUE(carry.line) << account;
    }
}

TEST(PeriodCarryTest, RowsNotAdjustedToDecember2023AreListedWithTheirReason) {
    const QString reason =
        QStringLiteral("31.12.2023 düzeltmesi eksik: önce 31.12.2023 çalışmasında düzeltiniz.");
    BaseRow never = baseRow(4, QStringLiteral("253"), QStringLiteral("004"), 0);
    never.adjustedValue.reset();
    never.bookValue = 5000;
    BaseCarry carry = carryFromBase(never);
    ASSERT_TRUE(carry.leftOut);
    EXPECT_FALSE(carry.line);
    EXPECT_EQ(carry.leftOut->baseItemId, 4);
    EXPECT_EQ(carry.leftOut->reason, reason);

    BaseRow otherMonth = baseRow(5, QStringLiteral("253"), QStringLiteral("005"), 8000);
    otherMonth.adjustmentDate = QDate(2023, 9, 30);
    carry = carryFromBase(otherMonth);
    ASSERT_TRUE(carry.leftOut);
    EXPECT_EQ(carry.leftOut->reason, reason);

    const QStringList obstacles = closingObstacles({}, {*carry.leftOut});
    EXPECT_EQ(obstacles, QStringList{QStringLiteral("Devredilmedi: 253.005 KALEM 005 (") + reason + ')'});
}

TEST(PeriodCarryTest, FixedAssetTakesItsAdjustedValuesAndColumns) {
    BaseRow row = baseRow(9, QStringLiteral("253"), QStringLiteral("001"), 138470.00, 27694.00, 5);
    row.depreciationAccount = QStringLiteral("257.01");
    row.rofm = 1500;
    const PeriodLine line = *carryFromBase(row).line;
    EXPECT_EQ(line.baseItemId, 9);
    EXPECT_EQ(line.previousLineId, 0);
    EXPECT_EQ(line.status, LineStatus::Carried);
    EXPECT_DOUBLE_EQ(line.bookValue, 138470.00);
    EXPECT_DOUBLE_EQ(line.accumulatedOfQ, 27694.00);
    EXPECT_EQ(line.entryDate, QDate(2021, 3, 15));
    EXPECT_EQ(line.usefulLife, 5);
    EXPECT_EQ(line.depreciationAccount, QStringLiteral("257.01"));
    EXPECT_EQ(line.lastAdjustedEnd, kBase);
    EXPECT_EQ(line.stockMethod, PeriodStockMethod::None);
}

TEST(PeriodCarryTest, StocksOfTheSimpleAverageAndTurnoverWaitForTheirBalance) {
    BaseRow row = baseRow(3, QStringLiteral("153"), QStringLiteral("001"), 40000);
    row.stockMethod = QStringLiteral("Devir");
    PeriodLine line = *carryFromBase(row).line;
    EXPECT_EQ(line.stockMethod, PeriodStockMethod::SimpleAverage);
    EXPECT_DOUBLE_EQ(line.bookValue, 0);

    // Turned to the actual method, it needs the part still on hand as an amount: a share
    // has no previous adjusted value to apply to.
    line.stockMethod = PeriodStockMethod::Actual;
    line.remainingShare = 0.25;
    std::vector<PeriodLine> lines{line};
    computePeriod(contextOf(kJune, kBase), lines);
    EXPECT_EQ(lines[0].status, LineStatus::NotComputed);
    lines[0].remainingAmount = 10000;
    computePeriod(contextOf(kJune, kBase), lines);
    EXPECT_EQ(lines[0].status, LineStatus::Carried);
    EXPECT_DOUBLE_EQ(lines[0].adjustedValue, 11949.30);

    row.stockMethod = QStringLiteral("Gercek");
    line = *carryFromBase(row).line;
    EXPECT_EQ(line.stockMethod, PeriodStockMethod::Actual);
    EXPECT_DOUBLE_EQ(line.bookValue, 40000);
}

TEST(PeriodCarryTest, ResultOf2023BecomesTheLineOf570Or580) {
    BaseRow closing = baseRow(20, QStringLiteral("698"), QStringLiteral("KAR"), 0);
    closing.closingText = QStringLiteral("KAR");
    closing.difference = 12500.50;
    PeriodLine line = *resultLineFromBase(closing);
    EXPECT_EQ(line.account, QStringLiteral("570"));
    EXPECT_EQ(line.subAccount, QStringLiteral("698"));
    EXPECT_EQ(line.name, QStringLiteral("ENFLASYON DÜZELTME KARI"));
    EXPECT_DOUBLE_EQ(line.bookValue, 12500.50);

    closing.closingText = QStringLiteral("ZARAR");
    closing.difference = -3000;
    line = *resultLineFromBase(closing);
    EXPECT_EQ(line.account, QStringLiteral("580"));
    EXPECT_EQ(line.name, QStringLiteral("ENFLASYON DÜZELTME ZARARI"));
    EXPECT_DOUBLE_EQ(line.bookValue, 3000);

    closing.difference = 0;
    EXPECT_FALSE(resultLineFromBase(closing));
}

TEST(PeriodCarryTest, LineOfAPreviousPeriod) {
    std::vector<PeriodLine> june{machine()};
    computePeriod(contextOf(kJune, kBase), june);
    june[0].id = 41;
    const PeriodLine line = *carryFromPrevious(june[0]);
    EXPECT_EQ(line.previousLineId, 41);
    EXPECT_EQ(line.baseItemId, 1);
    EXPECT_DOUBLE_EQ(line.bookValue, 165461.96);
    EXPECT_DOUBLE_EQ(line.accumulatedOfQ, 46880.87);
    EXPECT_DOUBLE_EQ(*line.previousNewMonthly, 2757.70);
    EXPECT_DOUBLE_EQ(line.bookedSinceQ, 0);
    EXPECT_FALSE(line.lastAdjustedEnd.isValid());
    EXPECT_FALSE(line.interrupted);

    // Disposed of wholly: gone. Partly: the share is inside Q's values and applies once.
    PeriodLine disposed = june[0];
    disposed.disposalDate = QDate(2024, 5, 10);
    EXPECT_FALSE(carryFromPrevious(disposed));
    disposed.remainingShare = 0.5;
    const PeriodLine rest = *carryFromPrevious(disposed);
    EXPECT_FALSE(rest.remainingShare);
    EXPECT_FALSE(rest.disposalDate.isValid());
    EXPECT_DOUBLE_EQ(rest.bookValue, 165461.96);
}

TEST(PeriodCarryTest, DisposalOnTheLineOfThePeriod) {
    PeriodLine whole = machine();
    whole.disposalDate = QDate(2024, 4, 30);
    PeriodLine half = machine();
    half.disposalDate = QDate(2024, 4, 30);
    half.remainingShare = 0.5;
    PeriodLine later = machine();
    later.disposalDate = QDate(2024, 8, 1);
    later.remainingShare = 0.5;
    std::vector<PeriodLine> lines{whole, half, later};
    const PeriodTotals totals = computePeriod(contextOf(kJune, kBase), lines);

    EXPECT_EQ(lines[0].status, LineStatus::Outside);
    EXPECT_DOUBLE_EQ(lines[0].adjustedValue, 0);
    // The share applies to the item as it stood in Q, then the coefficient.
    EXPECT_EQ(lines[1].status, LineStatus::Carried);
    EXPECT_DOUBLE_EQ(lines[1].adjustedValue, 82730.98); // 69.235,00 × 1,19493
    EXPECT_DOUBLE_EQ(lines[1].oldMonthly, 1153.92);     // 2.307,83 × 0,5
    EXPECT_DOUBLE_EQ(lines[1].accumulatedBefore, 19616.60);
    // A disposal after P's end does not touch P.
    EXPECT_DOUBLE_EQ(lines[2].adjustedValue, 165461.96);
    EXPECT_DOUBLE_EQ(totals.g698, lines[1].difference + lines[2].difference);
}

} // namespace
