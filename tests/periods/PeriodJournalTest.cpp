#include "periods/PeriodFixture.h"
#include "periods/PeriodReport.h"

#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

Period periodOf(const QDate& end, PeriodSettings settings = {}) {
    Period period;
    period.end = end;
    period.previousEnd = kBase;
    period.settings = settings;
    return period;
}

// A small company at 30.06.2024: the machine, capital, the 2023 loss and a stock.
std::vector<PeriodLine> company() {
    BaseRow loss = baseRow(20, QStringLiteral("698"), QStringLiteral("ZARAR"), 0);
    loss.closingText = QStringLiteral("ZARAR");
    loss.difference = -1000;
    std::vector<PeriodLine> lines{
        *carryFromBase(baseRow(40, QStringLiteral("500"), QStringLiteral("01"), 100000)).line, machine(),
        *resultLineFromBase(loss),
        *carryFromBase(baseRow(30, QStringLiteral("153"), QStringLiteral("001"), 10000)).line};
    qint64 id = 0;
    for (PeriodLine& line : lines)
        line.id = ++id;
    return lines;
}

TEST(PeriodJournalTest, EntriesOnTheirNaturalSidesInAccountOrder) {
    const PeriodSettings settings = settingsWith(PeriodDepreciation::FromAdjustedValue);
    std::vector<PeriodLine> lines = company();
    const PeriodTotals totals = computePeriod(contextOf(kJune, kBase, settings), lines);
    const std::vector<PeriodEntry> entries = periodEntries(periodOf(kJune, settings), lines, totals);

    struct Expected {
        const char* debit;
        const char* credit;
        double amount;
        PeriodEntry::Kind kind;
    };
    const Expected expected[] = {
        {"153.001", "698", 1949.30, PeriodEntry::Kind::Difference},
        {"253.001", "698", 26991.96, PeriodEntry::Kind::Difference},
        {"698", "257", 5398.39, PeriodEntry::Kind::AccumulatedDifference},
        {"698", "502.01", 19493.00, PeriodEntry::Kind::Difference},
        {"580.698", "698", 194.93, PeriodEntry::Kind::Difference},
        {"770", "257", 2249.35, PeriodEntry::Kind::CatchUp},
        {"698", "690", 4244.80, PeriodEntry::Kind::Closing698},
    };
    ASSERT_EQ(entries.size(), std::size(expected));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].debitAccount, QString::fromUtf8(expected[i].debit)) << i;
        EXPECT_EQ(entries[i].creditAccount, QString::fromUtf8(expected[i].credit)) << i;
        EXPECT_DOUBLE_EQ(entries[i].amount, expected[i].amount) << i;
        EXPECT_EQ(entries[i].kind, expected[i].kind) << i;
    }
    EXPECT_DOUBLE_EQ(totals.g698, 1949.30 + 26991.96 + 194.93);
    EXPECT_DOUBLE_EQ(totals.l698, 5398.39 + 19493.00);
    EXPECT_DOUBLE_EQ(totals.catchUps, 2249.35);
    EXPECT_EQ(entries[2].explanation,
              QStringLiteral("Birikmiş Amortisman (27.694,00) X (1,19493) Katsayı ile Düzeltilmiştir."));
    EXPECT_EQ(entries[5].explanation,
              QStringLiteral("Düzeltilmiş değerden amortisman farkı ((2.757,70 - 2.307,83) X 5 ay)"));
}

TEST(PeriodJournalTest, DecreaseTurnsTheSidesRound) {
    PeriodLine line = machine();
    line.difference = -120.5;
    line.accumulatedDifference = -10;
    const std::vector<PeriodEntry> entries = periodEntries(periodOf(kJune), {line}, PeriodTotals{});
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].debitAccount, QStringLiteral("698"));
    EXPECT_EQ(entries[0].creditAccount, QStringLiteral("253.001"));
    EXPECT_DOUBLE_EQ(entries[0].amount, 120.5);
    EXPECT_EQ(entries[1].debitAccount, QStringLiteral("257"));
    EXPECT_EQ(entries[1].creditAccount, QStringLiteral("698"));
}

TEST(PeriodJournalTest, ClosingOf698ByTheSetting) {
    PeriodTotals totals;
    totals.g698 = 500;
    totals.l698 = 200;
    Period period = periodOf(kJune);
    std::vector<PeriodEntry> entries = periodEntries(period, {}, totals);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].debitAccount, QStringLiteral("698"));
    EXPECT_EQ(entries[0].creditAccount, QStringLiteral("690"));
    EXPECT_EQ(entries[0].creditDescription, QStringLiteral("DÖNEM KARI VEYA ZARARI"));
    EXPECT_EQ(entries[0].explanation,
              QStringLiteral("ENFLASYON DÜZELTME FARKININ DÖNEM KAR/ZARARINA VİRMANI"));
    EXPECT_DOUBLE_EQ(entries[0].amount, 300);

    period.settings.closing = ResultClosing::To648Or658;
    entries = periodEntries(period, {}, totals);
    EXPECT_EQ(entries[0].creditAccount, QStringLiteral("648"));
    EXPECT_EQ(entries[0].creditDescription, QStringLiteral("ENFLASYON DÜZELTMESİ KARLARI"));
    EXPECT_EQ(entries[0].explanation, QStringLiteral("ENFLASYON DÜZELTME KARININ 648 HESABA VİRMANI"));

    totals.l698 = 800;
    entries = periodEntries(period, {}, totals);
    EXPECT_EQ(entries[0].debitAccount, QStringLiteral("658"));
    EXPECT_EQ(entries[0].debitDescription, QStringLiteral("ENFLASYON DÜZELTMESİ ZARARLARI"));
    EXPECT_EQ(entries[0].creditAccount, QStringLiteral("698"));
    EXPECT_EQ(entries[0].explanation, QStringLiteral("ENFLASYON DÜZELTME ZARARININ 658 HESABA VİRMANI"));

    period.settings.closing = ResultClosing::To690;
    entries = periodEntries(period, {}, totals);
    EXPECT_EQ(entries[0].debitAccount, QStringLiteral("690"));
    EXPECT_EQ(entries[0].creditAccount, QStringLiteral("698"));

    totals.l698 = 500;
    EXPECT_TRUE(periodEntries(period, {}, totals).empty());
}

// The report prints the closing entries without forming the lines' entries: they are the
// journal's last ones.
TEST(PeriodJournalTest, TheClosingEntriesAreTheJournalsLast) {
    PeriodTotals totals;
    totals.g698 = 500;
    totals.l698 = 200;
    totals.g697 = 40;
    totals.l697 = 90;
    const Period period = periodOf(kJune);
    const std::vector<PeriodEntry> journal = periodEntries(period, {}, totals);
    const std::vector<PeriodEntry> closing = closingEntries(period, totals);
    ASSERT_EQ(journal.size(), 2u);
    ASSERT_EQ(closing.size(), 2u);
    EXPECT_EQ(closing[0].kind, PeriodEntry::Kind::Closing697);
    EXPECT_EQ(closing[1].kind, PeriodEntry::Kind::Closing698);
    for (size_t i = 0; i < closing.size(); ++i) {
        EXPECT_EQ(closing[i].debitAccount, journal[i].debitAccount);
        EXPECT_EQ(closing[i].creditAccount, journal[i].creditAccount);
        EXPECT_DOUBLE_EQ(closing[i].amount, journal[i].amount);
        EXPECT_EQ(closing[i].explanation, journal[i].explanation);
    }
}

TEST(PeriodJournalTest, JournalTextInThe2023LayoutWithThePeriodsDate) {
    std::vector<PeriodLine> lines{machine()};
    lines[0].name = QStringLiteral("CNC TEZGAHI");
    const PeriodTotals totals = computePeriod(contextOf(kJune, kBase), lines);
    const Period period = periodOf(kJune);
    const QStringList text = periodJournalLines(period, periodEntries(period, lines, totals),
                                                QStringLiteral("Tümü"), QStringLiteral("DENEME A.Ş."));
    const QString separator = QString(42, '-') + QStringLiteral("30/06/2024") + QString(42, '-');
    const QStringList expected{
        QString(),
        QStringLiteral("DENEME A.Ş."),
        QString(),
        QStringLiteral("30/06/2024 ENFLASYON DÜZELTMESİ YEVMİYE KAYITLARI - Tümü"),
        QString(),
        separator,
        QStringLiteral("253.001      CNC TEZGAHI                                            26.991,96"),
        QString(),
        QStringLiteral(
            "                698          ENFLASYON DÜZELTME HESABI                              26.991,96"),
        QString(),
        QStringLiteral(
            "Önceki dönem düzeltilmiş değeri (138.470,00) Taşıma katsayısı (1,19493) ile düzeltilmiştir."),
        separator,
        QStringLiteral("698          ENFLASYON DÜZELTME HESABI                               7.647,72"),
        QString(),
        QStringLiteral(
            "                257          AMORTİSMAN HESABI (253.001)                             7.647,72"),
        QString(),
        QStringLiteral("Birikmiş Amortisman (39.233,15) X (1,19493) Katsayı ile Düzeltilmiştir."),
        separator,
        QStringLiteral("698          ENFLASYON DÜZELTME HESABI                              19.344,24"),
        QString(),
        QStringLiteral(
            "                690          DÖNEM KARI VEYA ZARARI                                 19.344,24"),
        QString(),
        QStringLiteral("ENFLASYON DÜZELTME FARKININ DÖNEM KAR/ZARARINA VİRMANI"),
        separator,
    };
    ASSERT_EQ(text.size(), expected.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        EXPECT_EQ(text[i].toStdString(), expected[i].toStdString()) << i;

    // A period without entries has the heading only.
    EXPECT_EQ(periodJournalLines(period, {}, QStringLiteral("Tümü")).size(), 5);
}

// "Beyana esas fark" takes the catch-ups and the increase of the last month's depreciation out
// of the 698 balance, so both settings come to the same figure within cents.
TEST(PeriodJournalTest, DeclarationDifferenceAgreesUnderBothSettings) {
    std::vector<PeriodLine> included{machine()};
    const PeriodTotals a = computePeriod(
        contextOf(kJune, kBase, settingsWith(PeriodDepreciation::IncludedInAccumulated)), included);
    std::vector<PeriodLine> fromAdjusted{machine()};
    const PeriodTotals b = computePeriod(
        contextOf(kJune, kBase, settingsWith(PeriodDepreciation::FromAdjustedValue)), fromAdjusted);
    EXPECT_DOUBLE_EQ(a.declarationDifference, 26991.96 - 7647.72 - 449.87);
    EXPECT_DOUBLE_EQ(b.declarationDifference, 26991.96 - 5398.39 - 2249.35 - 449.87);
    EXPECT_NEAR(a.declarationDifference, b.declarationDifference, 0.05);
    EXPECT_EQ(a.declarationText,
              QStringLiteral("Düzeltme dönem kârını 18.894,37 TL artırmıştır; beyannamede 'Zarar "
                             "olsa dahi indirilecek istisna ve indirimler – Diğer indirimler' "
                             "satırında gösterilir."));
    EXPECT_EQ(declarationSentence(-12.5),
              QStringLiteral("Düzeltme dönem kârını 12,50 TL azaltmıştır; 'Kanunen kabul "
                             "edilmeyen giderler' satırında gösterilir."));
    EXPECT_TRUE(declarationSentence(0.001).isEmpty());

    PeriodContext context = contextOf(kYearEnd, kBase);
    context.afterYearWithoutAdjustment = true;
    std::vector<PeriodLine> lines;
    EXPECT_EQ(
        computePeriod(context, lines).declarationText,
        QStringLiteral("VUK mük. 298/A-7: ara verilen yıldan sonra yapılan düzeltmenin vergi karşısındaki "
                       "durumu doğrulanamadı."));
}

// The AD at the period's end in the balance summary is the same under both settings: under
// "Düzeltilmiş değerden yeniden" it holds the months at the old figure and the catch-up too.
TEST(PeriodJournalTest, BalanceSummaryShowsTheADInTheBooksAtThePeriodsEnd) {
    for (const PeriodDepreciation setting :
         {PeriodDepreciation::IncludedInAccumulated, PeriodDepreciation::FromAdjustedValue}) {
        PeriodView view;
        view.period = periodOf(kJune, settingsWith(setting));
        view.lines = {machine()};
        view.totals = computePeriod(contextOf(kJune, kBase, view.period.settings), view.lines);
        const PeriodTable table = balanceSummary(view);
        const auto row = std::find_if(table.rows.begin(), table.rows.end(), [](const QStringList& r) {
            return r.value(0) == QStringLiteral("257");
        });
        ASSERT_NE(row, table.rows.end());
        EXPECT_EQ(row->value(4), setting == PeriodDepreciation::IncludedInAccumulated
                                     ? QStringLiteral("49.638,57")
                                     : QStringLiteral("49.638,59"));
    }
}

} // namespace
