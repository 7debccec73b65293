#include "periods/PeriodFixture.h"

#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

PeriodLine stockLine(PeriodStockMethod method, double value) {
    PeriodLine line = *carryFromBase(baseRow(30, QStringLiteral("153"), QStringLiteral("001"), value)).line;
    line.stockMethod = method;
    line.bookValue = value;
    return line;
}

TEST(PeriodLinesTest, SimpleAverageByBothReadingsOfThePreviousPeriod) {
    PeriodSettings settings;
    settings.averageBase = AverageBase::PreviousProvisionalPeriod;
    std::vector<PeriodLine> lines{stockLine(PeriodStockMethod::SimpleAverage, 600000.00)};
    computePeriod(contextOf(kJune, kBase, settings), lines);
    EXPECT_EQ(lines[0].status, LineStatus::SimpleAverage);
    EXPECT_DOUBLE_EQ(lines[0].coefficient, 1.03421);
    EXPECT_DOUBLE_EQ(lines[0].difference, 20526.00);
    EXPECT_EQ(lines[0].explanation, QStringLiteral("Dönem sonu stok (600.000,00) X (1,03421) Basit Ortalama "
                                                   "katsayısı ile düzeltilmiştir."));
    EXPECT_TRUE(lines[0].notes.isEmpty());

    // The default reading at 30.06.2024 notes what practice did before circular 176.
    lines = {stockLine(PeriodStockMethod::SimpleAverage, 600000.00)};
    computePeriod(contextOf(kJune, kBase), lines);
    EXPECT_DOUBLE_EQ(lines[0].coefficient, 1.08881);
    EXPECT_EQ(lines[0].notes,
              QStringList{QStringLiteral("176 Sıra No.lu VUK Sirküleri (01.11.2024) öncesinde beyan "
                                         "edilen dönemlerde uygulamada 31.03.2024 endeksi "
                                         "kullanılmıştır.")});
    lines = {stockLine(PeriodStockMethod::SimpleAverage, 600000.00)};
    computePeriod(contextOf(kSeptember, kJune), lines);
    EXPECT_TRUE(lines[0].notes.isEmpty());

    // An empty balance is not computed as 0.
    lines = {stockLine(PeriodStockMethod::SimpleAverage, 0)};
    computePeriod(contextOf(kJune, kBase), lines);
    EXPECT_EQ(lines[0].status, LineStatus::NotComputed);
    EXPECT_EQ(lines[0].notes, QStringList{QStringLiteral("Dönem sonu stok bakiyesini giriniz.")});
}

TEST(PeriodLinesTest, ActualMethodCarriesThePartStillOnHand) {
    PeriodLine byShare = stockLine(PeriodStockMethod::Actual, 50000.00);
    byShare.remainingShare = 0.4;
    PeriodLine byAmount = stockLine(PeriodStockMethod::Actual, 50000.00);
    byAmount.remainingAmount = 12345.67;
    std::vector<PeriodLine> lines{byShare, byAmount};
    computePeriod(contextOf(kJune, kBase), lines);
    EXPECT_DOUBLE_EQ(lines[0].adjustedValue, 23898.60); // 20.000,00 × 1,19493
    EXPECT_DOUBLE_EQ(lines[1].adjustedValue, 14752.21); // 12.345,67 × 1,19493
    EXPECT_EQ(lines[1].explanation,
              QStringLiteral("Önceki dönem düzeltilmiş değeri (12.345,67) Taşıma katsayısı "
                             "(1,19493) ile düzeltilmiştir."));
}

TEST(PeriodLinesTest, MovingWeightedAverageIsRefusedAndLeftOutOfTheTotals) {
    PeriodLine moving = stockLine(PeriodStockMethod::MovingWeightedAverage, 70000);
    std::vector<PeriodLine> lines{moving, stockLine(PeriodStockMethod::Actual, 10000)};
    const PeriodTotals totals = computePeriod(contextOf(kJune, kBase), lines);
    EXPECT_EQ(lines[0].status, LineStatus::NotComputed);
    EXPECT_EQ(lines[0].notes,
              QStringList{QStringLiteral("Hareketli ağırlıklı ortalama yönteminin hesaplama kuralı "
                                         "programda bulunmuyor; Gerçek Yöntem veya Basit Ortalama "
                                         "seçiniz.")});
    EXPECT_EQ(lines[1].status, LineStatus::Carried);
    EXPECT_DOUBLE_EQ(totals.g698, 1949.30);
    EXPECT_EQ(totals.warnings,
              QStringList{QStringLiteral("Hesaplanmayan 1 kalem toplamlara dahil edilmemiştir.")});
    EXPECT_EQ(closingObstacles(lines, {}).size(), 1);
    EXPECT_TRUE(
        closingObstacles(lines, {}).first().startsWith(QStringLiteral("Hesaplanmadı: 153.001 KALEM 001 (")));
}

TEST(PeriodLinesTest, NewItemMustHaveComeInWithinThePeriod) {
    std::vector<PeriodLine> lines{
        newItem(QStringLiteral("255"), QStringLiteral("1"), 100, QDate(2024, 6, 30)),
        newItem(QStringLiteral("255"), QStringLiteral("2"), 100, QDate(2024, 6, 30)),
        newItem(QStringLiteral("255"), QStringLiteral("3"), 100, QDate(2024, 7, 1))};
    computePeriod(contextOf(kSeptember, kJune), lines);
    EXPECT_EQ(lines[0].status, LineStatus::NotComputed);
    EXPECT_EQ(lines[0].notes, QStringList{QStringLiteral("Bu tarihte aktife girmiş bir kalem önceki düzeltme "
                                                         "döneminde düzeltilmelidir.")});
    EXPECT_EQ(lines[2].status, LineStatus::New);
    EXPECT_DOUBLE_EQ(lines[2].coefficient, 1.03069); // 3.659,84 / 3.550,88

    lines = {newItem(QStringLiteral("255"), QStringLiteral("1"), 100, QDate(2024, 10, 1))};
    computePeriod(contextOf(kSeptember, kJune), lines);
    EXPECT_EQ(lines[0].status, LineStatus::NotComputed);
}

TEST(PeriodLinesTest, EquityIsCarriedNewCapitalFromItsPaymentMonth) {
    PeriodLine capital =
        *carryFromBase(baseRow(40, QStringLiteral("500"), QStringLiteral("01"), 100000)).line;
    PeriodLine paid = newItem(QStringLiteral("500"), QStringLiteral("02"), 50000, QDate(2024, 3, 5));
    PeriodLine reserve = *carryFromBase(baseRow(41, QStringLiteral("540"), QStringLiteral("01"), 20000)).line;
    PeriodLine fixedFund =
        *carryFromBase(baseRow(42, QStringLiteral("549"), QStringLiteral("01"), 9000)).line;
    fixedFund.notAdjusted = true;
    // A distribution from the reserve: a partial disposal with its date.
    reserve.disposalDate = QDate(2024, 5, 20);
    reserve.remainingShare = 0.75;
    std::vector<PeriodLine> lines{capital, paid, reserve, fixedFund};
    const PeriodTotals totals = computePeriod(contextOf(kJune, kBase), lines);
    EXPECT_DOUBLE_EQ(lines[0].difference, 19493.00);
    EXPECT_DOUBLE_EQ(lines[1].coefficient, 1.07085); // 3.483,25 / 3.252,79
    EXPECT_DOUBLE_EQ(lines[1].difference, 3542.50);
    EXPECT_DOUBLE_EQ(lines[2].adjustedValue, 17923.95);
    EXPECT_EQ(lines[3].status, LineStatus::Outside);
    // Equity increases are debited to 698.
    EXPECT_DOUBLE_EQ(totals.g698, 0);
    EXPECT_DOUBLE_EQ(totals.l698, 19493.00 + 3542.50 + 2923.95);
}

TEST(PeriodLinesTest, InternalTransferKeepsTheSourceBase) {
    PeriodLine reserve = *carryFromBase(baseRow(41, QStringLiteral("540"), QStringLiteral("01"), 20000)).line;
    PeriodLine moved = *carryFromBase(baseRow(41, QStringLiteral("540"), QStringLiteral("01"), 8000)).line;
    moved.account = QStringLiteral("500");
    moved.subAccount = QStringLiteral("01");
    moved.transferSource = QStringLiteral("540.01");
    std::vector<PeriodLine> lines{reserve, moved};
    computePeriod(contextOf(kJune, kBase), lines);
    EXPECT_DOUBLE_EQ(lines[0].adjustedValue, 14339.16); // (20.000 - 8.000) × TK
    EXPECT_DOUBLE_EQ(lines[1].coefficient, 1.19493);
    EXPECT_DOUBLE_EQ(lines[1].adjustedValue, 9559.44);
    EXPECT_EQ(lines[1].status, LineStatus::Carried);
    // Computing again does not reduce the source twice.
    computePeriod(contextOf(kJune, kBase), lines);
    EXPECT_DOUBLE_EQ(lines[0].adjustedValue, 14339.16);
}

TEST(PeriodLinesTest, InvestmentsInProgressAndConstruction) {
    PeriodLine investment =
        *carryFromBase(baseRow(50, QStringLiteral("258"), QStringLiteral("01"), 10000)).line;
    PeriodLine construction =
        *carryFromBase(baseRow(51, QStringLiteral("170"), QStringLiteral("01"), 30000)).line;
    PeriodLine billing = *carryFromBase(baseRow(52, QStringLiteral("350"), QStringLiteral("01"), 10000)).line;
    std::vector<PeriodLine> lines{investment, construction, billing};
    PeriodTotals totals = computePeriod(contextOf(kJune, kBase), lines);
    EXPECT_EQ(lines[0].notes,
              QStringList{QStringLiteral("7529 sayılı Kanun: yapılmakta olan yatırımların düzeltme "
                                         "farkı için özel fon uygulaması kontrol edilmelidir.")});
    EXPECT_DOUBLE_EQ(totals.g698, 1949.30);
    EXPECT_DOUBLE_EQ(totals.g697, 5847.90);
    EXPECT_DOUBLE_EQ(totals.l697, 1949.30);

    PeriodSettings settings;
    settings.investmentDifference = InvestmentDifference::SpecialFund549;
    totals = computePeriod(contextOf(kJune, kBase, settings), lines);
    EXPECT_DOUBLE_EQ(totals.g698, 0);
    Period period;
    period.end = kJune;
    period.settings = settings;
    const std::vector<PeriodEntry> entries = periodEntries(period, lines, totals);
    EXPECT_EQ(entries[0].debitAccount, QStringLiteral("170.01"));
    EXPECT_EQ(entries[0].creditAccount, QStringLiteral("697"));
    EXPECT_EQ(entries[1].debitAccount, QStringLiteral("258.01"));
    EXPECT_EQ(entries[1].creditAccount, QStringLiteral("549"));
    EXPECT_EQ(entries[2].debitAccount, QStringLiteral("697"));
    EXPECT_EQ(entries[2].creditAccount, QStringLiteral("350.01"));
    // 697 closes to 358 as at 31.12.2023, and nothing goes to 698.
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[3].kind, PeriodEntry::Kind::Closing697);
    EXPECT_EQ(entries[3].debitAccount, QStringLiteral("697"));
    EXPECT_EQ(entries[3].creditAccount, QStringLiteral("358.697"));
    EXPECT_DOUBLE_EQ(entries[3].amount, 3898.60);
}

} // namespace
