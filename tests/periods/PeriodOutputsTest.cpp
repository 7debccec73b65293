#include "periods/PeriodFixture.h"
#include "periods/PeriodReport.h"
#include "periods/PeriodVouchers.h"

#include <gtest/gtest.h>

namespace velkor {
namespace {

using test::indexOf2024;

PeriodEntry entry(const QString& debit, const QString& credit, double amount, PeriodEntry::Kind kind,
                  qint64 line) {
    PeriodEntry e;
    e.debitAccount = debit;
    e.creditAccount = credit;
    e.amount = amount;
    e.kind = kind;
    e.lineId = line;
    e.explanation = QStringLiteral("Açıklama ") + debit;
    return e;
}

std::vector<PeriodEntry> journalOfTwoItems() {
    using K = PeriodEntry::Kind;
    return {entry(QStringLiteral("253.01"), QStringLiteral("698"), 135220.20, K::Difference, 1),
            entry(QStringLiteral("698"), QStringLiteral("257.01"), 105922.48, K::AccumulatedDifference, 1),
            entry(QStringLiteral("500.01"), QStringLiteral("698"), 0.004, K::Difference, 2),
            entry(QStringLiteral("698"), QStringLiteral("502.01"), 359634.07, K::Difference, 2),
            entry(QStringLiteral("698"), QStringLiteral("690"), 14878.18, K::Closing698, 0)};
}

// The vouchers of a period are the entries of its journal: one debit and one credit of the
// same amount each, with the transfer options applied to the accounts and the counters.
TEST(PeriodVoucherLines, OnePairPerEntryWithTheTransferOptions) {
    TransferOptions options;
    options.separator = QStringLiteral("-");
    options.counterAccount = QStringLiteral("698.01");
    const std::vector<VoucherLine> lines =
        periodVoucherLines(journalOfTwoItems(), options, VoucherTarget::Luca);
    // The entry that rounds to no kuruş gives no lines.
    ASSERT_EQ(lines.size(), 8u);
    double debit = 0, credit = 0;
    for (size_t i = 0; i < lines.size(); i += 2) {
        EXPECT_EQ(lines[i].side, VoucherSide::Debit);
        EXPECT_EQ(lines[i + 1].side, VoucherSide::Credit);
        EXPECT_EQ(lines[i].amount, lines[i + 1].amount);
        EXPECT_EQ(lines[i].counter, lines[i + 1].counter);
        debit += lines[i].amount;
        credit += lines[i + 1].amount;
    }
    EXPECT_DOUBLE_EQ(debit, credit);
    EXPECT_EQ(lines[0].account, QStringLiteral("253-01"));
    EXPECT_EQ(lines[1].account, QStringLiteral("698.01"));
    EXPECT_EQ(lines[3].account, QStringLiteral("257-01"));
    EXPECT_EQ(lines[7].account, QStringLiteral("690"));
    EXPECT_EQ(lines[0].description, QStringLiteral("Açıklama 253.01"));
    // Per item: the AD entry shares its item's voucher; the next item and the closing get their own.
    EXPECT_EQ(lines[0].counter, 1);
    EXPECT_EQ(lines[2].counter, 1);
    EXPECT_TRUE(lines[2].depreciation);
    EXPECT_EQ(lines[4].counter, 2);
    EXPECT_EQ(lines[6].counter, 3);
}

TEST(PeriodVoucherLines, GroupingFixedAccountsAndLogo) {
    TransferOptions options;
    options.depreciationInItemVoucher = false;
    options.useFixedDepreciationAccount = true;
    std::vector<VoucherLine> lines = periodVoucherLines(journalOfTwoItems(), options, VoucherTarget::Logo);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[3].account, options.fixedDepreciationAccount);
    EXPECT_EQ(lines[3].parent, QStringLiteral("257"));
    EXPECT_TRUE(lines[0].description.isEmpty());
    EXPECT_EQ(lines[2].counter, 2); // depreciation in a voucher of its own

    options.grouping = VoucherGrouping::Single;
    options.counterStart = 7;
    lines = periodVoucherLines(journalOfTwoItems(), options, VoucherTarget::Mikro);
    for (const VoucherLine& line : lines)
        EXPECT_EQ(line.counter, 7);
}

TEST(PeriodVoucherLines, DatedAtThePeriodsEnd) {
    TransferOptions options = periodTransferOptions({}, test::kJune);
    EXPECT_EQ(options.voucherDate, QStringLiteral("30.06.2024"));
    EXPECT_EQ(options.yearCode, QStringLiteral("2024"));
    EXPECT_EQ(options.monthCode, QStringLiteral("06"));
    // Codes the user typed stay.
    TransferOptions typed;
    typed.yearCode = QStringLiteral("24");
    options = periodTransferOptions(typed, test::kJune);
    EXPECT_EQ(options.yearCode, QStringLiteral("24"));
    EXPECT_EQ(options.monthCode, QStringLiteral("12"));
    // The 31.12.2023 vouchers keep their date.
    EXPECT_EQ(TransferOptions{}.voucherDate, QStringLiteral("31.12.2023"));
}

Period periodAt(const QDate& end, const QDate& previous, AverageBase base = AverageBase::LastAdjustedPeriod) {
    Period period;
    period.end = end;
    period.previousEnd = previous;
    period.settings.averageBase = base;
    return period;
}

QStringList rowOf(const PeriodTable& table, const QString& month, const QString& what) {
    for (const QStringList& row : table.rows)
        if (row.value(0) == month && row.value(3).startsWith(what))
            return row;
    return {};
}

// The published coefficients of 2024 come out of the coefficient table.
TEST(PeriodCoefficientTable, PublishedFigures) {
    PeriodTable table = coefficientTable(periodAt(test::kJune, test::kBase), indexOf2024());
    EXPECT_EQ(rowOf(table, QStringLiteral("12.2023"), QStringLiteral("Taşıma")).value(2),
              QStringLiteral("1,19493"));
    EXPECT_EQ(rowOf(table, QStringLiteral("12.2023"), QStringLiteral("Basit")).value(2),
              QStringLiteral("1,08881"));
    EXPECT_EQ(rowOf(table, QStringLiteral("01.2024"), QStringLiteral("Giriş")).value(2),
              QStringLiteral("1,14747"));
    EXPECT_TRUE(table.footer.isEmpty());

    table = coefficientTable(periodAt(test::kJune, test::kBase, AverageBase::PreviousProvisionalPeriod),
                             indexOf2024());
    EXPECT_EQ(rowOf(table, QStringLiteral("03.2024"), QStringLiteral("Basit")).value(2),
              QStringLiteral("1,03421"));

    table = coefficientTable(periodAt(test::kSeptember, test::kJune), indexOf2024());
    EXPECT_EQ(rowOf(table, QStringLiteral("06.2024"), QStringLiteral("Taşıma")).value(2),
              QStringLiteral("1,05070"));
    table = coefficientTable(periodAt(test::kYearEnd, test::kBase), indexOf2024());
    EXPECT_EQ(rowOf(table, QStringLiteral("12.2023"), QStringLiteral("Taşıma")).value(2),
              QStringLiteral("1,28525"));
    // Entry coefficients of every month after Q up to P.
    int entries = 0;
    for (const QStringList& row : table.rows)
        entries += row.value(3) == QStringLiteral("Giriş katsayısı");
    EXPECT_EQ(entries, 12);
}

TEST(PeriodCoefficientTable, MissingIndexIsNamed) {
    const PeriodTable table = coefficientTable(periodAt(QDate(2026, 6, 30), test::kYearEnd), indexOf2024());
    ASSERT_FALSE(table.footer.isEmpty());
    EXPECT_EQ(table.footer.first(),
              QStringLiteral("Yİ-ÜFE değeri bulunamadı: 06.2026. Endeks tablosunu güncelleyiniz."));
}

PeriodView viewOf(std::vector<PeriodLine> lines) {
    PeriodView view;
    view.period = periodAt(test::kJune, test::kBase);
    view.lines = std::move(lines);
    return view;
}

PeriodLine computedLine(const QString& account, const QString& sub, double book, double coefficient) {
    PeriodLine line;
    line.account = account;
    line.subAccount = sub;
    line.name = QStringLiteral("KALEM ") + sub;
    line.bookValue = book;
    line.coefficient = coefficient;
    line.adjustedValue = book * coefficient;
    line.difference = line.adjustedValue - book;
    return line;
}

// The report: lines by account and sub-account, totals per main account, lines not computed
// shown but left out of the totals, the informational heading.
TEST(PeriodReportTable, OrderTotalsAndOpenPoints) {
    PeriodLine notComputed = computedLine(QStringLiteral("153"), QStringLiteral("02"), 500, 0);
    notComputed.status = LineStatus::NotComputed;
    PeriodView view =
        viewOf({computedLine(QStringLiteral("255"), QStringLiteral("01"), 100, 1.5),
                computedLine(QStringLiteral("153"), QStringLiteral("01"), 200, 1.25), notComputed});
    view.leftOut.push_back(
        {9, QStringLiteral("254"), QStringLiteral("01"), QStringLiteral("TAŞIT"),
         QStringLiteral("31.12.2023 düzeltmesi eksik: önce 31.12.2023 çalışmasında düzeltiniz.")});
    view.period.kind = PeriodKind::Informational;
    const PeriodTable table = periodReport(view, {});
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0].mid(0, 2), (QStringList{QStringLiteral("153"), QStringLiteral("01")}));
    EXPECT_EQ(table.rows[1].value(3), QStringLiteral("Hesaplanmadı"));
    EXPECT_TRUE(table.rows[1].value(6).isEmpty());
    EXPECT_EQ(table.rows[2].value(0), QStringLiteral("255"));
    EXPECT_TRUE(table.footer.contains(kInformationalHeading));
    EXPECT_TRUE(
        table.footer.contains(QStringLiteral("TOPLAM 153\t200,00\t250,00\t50,00\t0,00\t0,00\t0,00\t0,00")));
    EXPECT_TRUE(
        table.footer.contains(QStringLiteral("254\t01\tTAŞIT\t31.12.2023 düzeltmesi eksik: önce 31.12.2023 "
                                             "çalışmasında düzeltiniz.")));
    const QStringList text = tabSeparated(table);
    EXPECT_EQ(text.first(), periodLineHeaders().join(QLatin1Char('\t')));
    EXPECT_EQ(text.value(1).split(QLatin1Char('\t')).size(), periodLineHeaders().size());
}

// A wide table is printed in parts of whole columns: no line is wider than the text box,
// and each cell starts where its title starts.
TEST(PeriodReportTable, PrintedColumnsStayUnderTheirTitles) {
    PeriodLine line = computedLine(QStringLiteral("253"), QStringLiteral("01"), 474041.00, 1.28525);
    line.name = QStringLiteral("TORNA TEZGAHI");
    line.accumulatedBefore = 371332.08;
    line.adjustedAccumulated = 477254.56;
    const PeriodView view = viewOf({line});
    const PeriodTable table = periodReport(view, {});
    const QStringList lines = printedLines(table, view.period);
    for (const QString& printed : lines)
        EXPECT_LE(printed.size(), 96) << printed.toStdString();
    const qsizetype header = lines.indexOf(QString(96, QLatin1Char('-'))) + 1;
    const qsizetype row = lines.indexOf(QString(96, QLatin1Char('-')), header) + 1;
    ASSERT_GT(row, header);
    // The parts of the header and of the row come in the same number of lines.
    const qsizetype parts = row - 1 - header;
    ASSERT_GE(parts, 2);
    // "Birikmiş Amortisman" and its amount, right-aligned under the title, in the same part.
    qsizetype found = 0;
    for (qsizetype part = 0; part < parts; ++part) {
        const qsizetype title = lines[header + part].indexOf(QStringLiteral("Birikmiş Amortisman"));
        const qsizetype amount = lines[row + part].indexOf(QStringLiteral("371.332,08"));
        EXPECT_EQ(title < 0, amount < 0);
        if (title >= 0 && amount >= 0) {
            EXPECT_EQ(amount + 10, title + 19);
            ++found;
        }
    }
    EXPECT_EQ(found, 1);
}

TEST(PeriodReportTable, DepreciationTableMonthsLeft) {
    PeriodLine line = computedLine(QStringLiteral("253"), QStringLiteral("01"), 1200, 1.0);
    line.usefulLife = 5;
    line.adjustedAccumulated = 600;
    line.newMonthly = 20;
    const PeriodTable table =
        depreciationTable(viewOf({line, computedLine(QStringLiteral("250"), QStringLiteral("01"), 9, 1)}));
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0].value(5), QStringLiteral("20,00"));
    EXPECT_EQ(table.rows[0].value(6), QStringLiteral("30"));
}

} // namespace
} // namespace velkor
