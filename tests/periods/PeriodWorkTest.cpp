#include "PeriodStorageFixture.h"

#include "periods/PeriodStore.h"
#include "periods/PeriodWork.h"
#include "storage/PeriodGuard.h"
#include "storage/Transaction.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

const QDate kMarch(2024, 3, 31);
const QDate kJune(2024, 6, 30);
const QDate kYearEnd(2024, 12, 31);

class PeriodWorkTest : public ::testing::Test {
protected:
    PeriodWorkTest() {
        work.setClock([] { return QDateTime(QDate(2025, 2, 10), QTime(9, 30)); });
    }

    void setGrossSales(double sales, bool dealer = false) {
        home.context().general().database().execute(
            QStringLiteral("UPDATE firmalar SET brut_satis_2023 = ?, kiymetli_maden = ? WHERE kodu = ?"),
            {sales, dealer ? 1 : 0, QStringLiteral("ESK")});
    }

    void registerCompany() {
        home.context().general().database().execute(
            QStringLiteral("INSERT INTO firmalar (kodu, firmaadi) VALUES (?, ?)"),
            {QStringLiteral("ESK"), QStringLiteral("Eski Dosya A.Ş.")});
    }

    const PeriodLine* lineOf(const PeriodView& view, const QString& account) {
        for (const PeriodLine& line : view.lines) {
            if (line.account == account)
                return &line;
        }
        return nullptr;
    }

    int backups() {
        return static_cast<int>(QDir(home.home() + QStringLiteral("Yedek"))
                                    .entryList({QStringLiteral("ESK_*.zip")}, QDir::Files)
                                    .size());
    }

    Database& db() { return home.context().company().database(); }

    EarlierCompanyHome home;
    PeriodWork work{home.context()};
};

} // namespace

TEST_F(PeriodWorkTest, AnInformationalPeriodIsAddedOnlyWhenTheUserGoesOn) {
    registerCompany();
    home.prompt().addAnswer(No);
    EXPECT_FALSE(work.add(kMarch, home.prompt()));
    EXPECT_TRUE(work.periods().empty());
    home.prompt().addAnswer(Yes);
    const std::optional<Period> march = work.add(kMarch, home.prompt());
    ASSERT_TRUE(march);
    EXPECT_EQ(march->kind, PeriodKind::Informational);
    EXPECT_EQ(march->kindReason, QStringLiteral("560 Sıra No.lu VUK Genel Tebliği"));
    const std::vector<Period> stored = work.periods();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].kind, PeriodKind::Informational);
    EXPECT_EQ(stored[0].state, PeriodState::Open);
    EXPECT_EQ(stored[0].previousEnd, QDate(2023, 12, 31));
    EXPECT_THROW(work.add(kMarch, home.prompt()), ShownError);
    EXPECT_THROW(work.add(QDate(2024, 6, 15), home.prompt()), ShownError);
    // Computed and printed, never closed.
    EXPECT_THROW(work.close(kMarch), ShownError);
}

TEST_F(PeriodWorkTest, AQuarterWaitsForTheGrossSales) {
    registerCompany();
    EXPECT_FALSE(work.add(kJune, home.prompt()));
    ASSERT_FALSE(home.prompt().texts().isEmpty());
    EXPECT_TRUE(home.prompt().texts().back().contains(QStringLiteral("\"2023 Brüt Satışlar\"")));
    EXPECT_TRUE(work.periods().empty());

    setGrossSales(60'000'000.0);
    const std::optional<Period> june = work.add(kJune, home.prompt());
    ASSERT_TRUE(june);
    EXPECT_EQ(june->kind, PeriodKind::Legal);
}

TEST_F(PeriodWorkTest, AQuarterBelowTheThresholdBecomesLegalWhenDeclared) {
    registerCompany();
    setGrossSales(10'000'000.0);
    home.prompt().addAnswer(Yes);
    std::optional<Period> june = work.add(kJune, home.prompt());
    ASSERT_TRUE(june);
    EXPECT_EQ(june->kind, PeriodKind::Informational);
    june->declared = true;
    work.update(*june);
    EXPECT_EQ(work.periods().front().kind, PeriodKind::Legal);
    EXPECT_TRUE(work.periods().front().declared);
}

TEST_F(PeriodWorkTest, ANewPeriodCopiesTheSettingsOfThePreviousOne) {
    PeriodSettings settings;
    settings.depreciation = PeriodDepreciation::FromAdjustedValue;
    settings.closing = ResultClosing::To648Or658;
    settings.adjustFullyDepreciated = false;
    ASSERT_TRUE(work.add(kYearEnd, settings, home.prompt()));
    ASSERT_TRUE(work.add(QDate(2028, 12, 31), home.prompt()));
    const Period later = work.periods().back();
    EXPECT_EQ(later.settings.depreciation, PeriodDepreciation::FromAdjustedValue);
    EXPECT_EQ(later.settings.closing, ResultClosing::To648Or658);
    EXPECT_FALSE(later.settings.adjustFullyDepreciated);
    EXPECT_EQ(later.settings.booking, DepreciationBooking::Monthly);
}

TEST_F(PeriodWorkTest, TheLinesAreCarriedFromThe2023WorkAndSavedWithTheirInputs) {
    ASSERT_TRUE(work.add(kYearEnd, home.prompt()));
    PeriodView view = work.calculate(kYearEnd);
    EXPECT_DOUBLE_EQ(*view.period.carryCoefficient, 1.28525);
    // 153, 250, 253, 255, 500 and the 2023 result; the depreciation summaries and 698 are not lines.
    EXPECT_EQ(view.lines.size(), 6u);
    const PeriodLine* land = lineOf(view, QStringLiteral("250"));
    ASSERT_TRUE(land);
    EXPECT_DOUBLE_EQ(land->bookValue, 1713670.00);
    EXPECT_DOUBLE_EQ(land->adjustedValue, 2202494.37);
    const PeriodLine* result = lineOf(view, QStringLiteral("570"));
    ASSERT_TRUE(result);
    EXPECT_EQ(result->subAccount, QStringLiteral("698"));
    EXPECT_DOUBLE_EQ(result->bookValue, 577301.28);
    EXPECT_TRUE(work.load(kYearEnd).lines.empty());

    for (PeriodLine& line : view.lines) {
        if (line.account == QLatin1String("250")) {
            line.disposalDate = QDate(2024, 8, 15);
            line.remainingShare = 0.4;
        }
    }
    view = work.calculate(kYearEnd, view.lines);
    work.save(view);
    const PeriodView loaded = work.load(kYearEnd);
    ASSERT_EQ(loaded.lines.size(), view.lines.size());
    for (size_t i = 0; i < loaded.lines.size(); ++i) {
        const PeriodLine& a = loaded.lines[i];
        const PeriodLine& b = view.lines[i];
        EXPECT_GT(a.id, 0);
        EXPECT_EQ(a.account, b.account);
        EXPECT_EQ(a.status, b.status);
        EXPECT_EQ(a.stockMethod, b.stockMethod);
        EXPECT_EQ(a.baseItemId, b.baseItemId);
        EXPECT_DOUBLE_EQ(a.adjustedValue, b.adjustedValue);
        EXPECT_DOUBLE_EQ(a.adjustedAccumulated, b.adjustedAccumulated);
        EXPECT_EQ(a.explanation, b.explanation);
        EXPECT_EQ(a.notes, b.notes);
    }
    EXPECT_DOUBLE_EQ(loaded.totals.g698, view.totals.g698);
    EXPECT_DOUBLE_EQ(*loaded.period.carryCoefficient, 1.28525);

    // The stored inputs survive the next "Hesapla", the carried values are read afresh.
    const PeriodLine* sold = lineOf(work.calculate(kYearEnd), QStringLiteral("250"));
    ASSERT_TRUE(sold);
    EXPECT_EQ(sold->disposalDate, QDate(2024, 8, 15));
    EXPECT_EQ(sold->remainingShare, 0.4);
    EXPECT_DOUBLE_EQ(sold->bookValue, 1713670.00);
    // Saved again, the lines keep their rows.
    const std::vector<PeriodLine> before = work.load(kYearEnd).lines;
    work.save(work.calculate(kYearEnd));
    const std::vector<PeriodLine> after = work.load(kYearEnd).lines;
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i)
        EXPECT_EQ(after[i].id, before[i].id);
}

TEST_F(PeriodWorkTest, ANewItemMustComeInAfterThePreviousPeriod) {
    ASSERT_TRUE(work.add(kYearEnd, home.prompt()));
    PeriodLine item;
    item.account = QStringLiteral("255");
    item.subAccount = QStringLiteral("02");
    item.name = QStringLiteral("BİLGİSAYAR");
    item.entryDate = QDate(2023, 12, 15);
    item.bookValue = 50000.0;
    item.usefulLife = 4;
    try {
        work.addLine(kYearEnd, item);
        FAIL() << "an item of 2023 was added";
    } catch (const ShownError& e) {
        EXPECT_EQ(
            e.message(),
            QStringLiteral("Bu tarihte aktife girmiş bir kalem önceki düzeltme döneminde düzeltilmelidir."));
    }
    item.entryDate = QDate(2025, 1, 15);
    EXPECT_THROW(work.addLine(kYearEnd, item), ShownError);
    item.entryDate = QDate(2024, 1, 15);
    const PeriodLine added = work.addLine(kYearEnd, item);
    EXPECT_GT(added.id, 0);
    EXPECT_EQ(added.status, LineStatus::New);
    const PeriodView view = work.calculate(kYearEnd);
    EXPECT_EQ(view.lines.size(), 7u);
    EXPECT_EQ(view.lines.back().id, added.id);
    EXPECT_DOUBLE_EQ(view.lines.back().coefficient, 1.23420);
}

TEST_F(PeriodWorkTest, ALaterPeriodWaitsForAnOpenLegalOneBeforeIt) {
    registerCompany();
    setGrossSales(60'000'000.0);
    ASSERT_TRUE(work.add(kJune, home.prompt()));
    ASSERT_TRUE(work.add(kYearEnd, home.prompt()));
    try {
        work.calculate(kYearEnd);
        FAIL() << "computed past an open period";
    } catch (const ShownError& e) {
        EXPECT_EQ(
            e.message(),
            QStringLiteral("Önce 30.06.2024 dönemini kapatınız veya 'Yapılmadı' olarak işaretleyiniz."));
    }
    Period june = work.periods().front();
    june.state = PeriodState::Skipped;
    work.update(june);
    EXPECT_DOUBLE_EQ(*work.calculate(kYearEnd).period.carryCoefficient, 1.28525);
}

TEST_F(PeriodWorkTest, ClosingBacksUpFreezesAndReopeningDropsTheClosingEntries) {
    registerCompany();
    setGrossSales(60'000'000.0);
    ASSERT_TRUE(work.add(kJune, home.prompt()));
    ASSERT_TRUE(work.add(kYearEnd, home.prompt()));
    EXPECT_FALSE(hasClosedPeriod(db()));
    EXPECT_TRUE(hasOpenPeriod(db()));

    const std::vector<PeriodEntry> computed = work.entries(kJune);
    ASSERT_FALSE(computed.empty());
    EXPECT_EQ(backups(), 0);
    work.close(kJune);
    EXPECT_EQ(backups(), 1);
    const Period june = work.periods().front();
    EXPECT_EQ(june.state, PeriodState::Closed);
    EXPECT_EQ(june.closedOn, QDate(2025, 2, 10));
    EXPECT_DOUBLE_EQ(*june.carryCoefficient, 1.19493);
    EXPECT_TRUE(hasClosedPeriod(db()));

    const std::vector<PeriodEntry> frozen = work.entries(kJune);
    ASSERT_EQ(frozen.size(), computed.size());
    for (size_t i = 0; i < frozen.size(); ++i) {
        EXPECT_EQ(frozen[i].debitAccount, computed[i].debitAccount);
        EXPECT_EQ(frozen[i].creditAccount, computed[i].creditAccount);
        EXPECT_DOUBLE_EQ(frozen[i].amount, computed[i].amount);
        EXPECT_EQ(frozen[i].kind, computed[i].kind);
    }
    // A closed period is read, not computed, and changes nothing.
    EXPECT_EQ(work.calculate(kJune).lines.size(), work.load(kJune).lines.size());
    EXPECT_THROW(work.update(june), ShownError);
    EXPECT_THROW(work.save(work.load(kJune)), ShownError);
    EXPECT_THROW(work.close(kJune), ShownError);

    // The year end now carries from the closed June with its own TK.
    const PeriodView yearEnd = work.calculate(kYearEnd);
    EXPECT_EQ(yearEnd.period.previousEnd, kJune);
    EXPECT_DOUBLE_EQ(*yearEnd.period.carryCoefficient, 1.07558);
    work.close(kYearEnd);
    EXPECT_EQ(backups(), 2);
    try {
        work.reopen(kJune);
        FAIL() << "reopened under a closed later period";
    } catch (const ShownError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Önce sonraki dönemleri açınız."));
    }
    work.reopen(kYearEnd);
    work.reopen(kJune);
    EXPECT_FALSE(hasClosedPeriod(db()));
    EXPECT_TRUE(readEntries(db(), june.id).empty());
    EXPECT_EQ(work.periods().front().state, PeriodState::Open);
    EXPECT_FALSE(work.periods().front().closedOn.isValid());
    EXPECT_THROW(work.reopen(kJune), ShownError);
}

TEST_F(PeriodWorkTest, TheYearsDepreciationSettingsStayOnceAPeriodOfTheYearIsClosed) {
    registerCompany();
    setGrossSales(60'000'000.0);
    ASSERT_TRUE(work.add(kJune, home.prompt()));
    ASSERT_TRUE(work.add(kYearEnd, home.prompt()));
    work.close(kJune);
    Period yearEnd = work.periods().back();
    yearEnd.settings.depreciation = PeriodDepreciation::FromAdjustedValue;
    EXPECT_THROW(work.update(yearEnd), ShownError);
    yearEnd.settings = work.periods().back().settings;
    yearEnd.settings.closing = ResultClosing::To648Or658;
    work.update(yearEnd);
    EXPECT_EQ(work.periods().back().settings.closing, ResultClosing::To648Or658);
}
