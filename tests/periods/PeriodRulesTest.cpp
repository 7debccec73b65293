#include "periods/PeriodRules.h"

#include <gtest/gtest.h>

using namespace velkor;

namespace {

CompanyThreshold below() {
    return {40'000'000.0, false};
}
CompanyThreshold above() {
    return {60'000'000.0, false};
}
CompanyThreshold dealer() {
    return {std::nullopt, true};
}

Period periodOf(qint64 id, const QDate& end, PeriodState state, PeriodKind kind = PeriodKind::Legal) {
    Period p;
    p.id = id;
    p.end = end;
    p.state = state;
    p.kind = kind;
    return p;
}

const QDate kMarch(2024, 3, 31);
const QDate kJune(2024, 6, 30);
const QDate kSeptember(2024, 9, 30);
const QDate kYearEnd(2024, 12, 31);

} // namespace

TEST(PeriodRules, EndsAreMonthEndsAfterTheBase) {
    EXPECT_EQ(offeredPeriodEnds(), (QList<QDate>{kJune, kSeptember, kYearEnd}));
    EXPECT_TRUE(periodEndProblem(QDate(2028, 12, 31)).isEmpty());
    EXPECT_TRUE(periodEndProblem(QDate(2024, 2, 29)).isEmpty());
    EXPECT_FALSE(periodEndProblem(QDate(2024, 2, 28)).isEmpty());
    EXPECT_FALSE(periodEndProblem(QDate(2024, 6, 15)).isEmpty());
    EXPECT_FALSE(periodEndProblem(QDate(2023, 12, 31)).isEmpty());
    EXPECT_FALSE(periodEndProblem(QDate()).isEmpty());
}

TEST(PeriodRules, InformationalPeriodsAskWithTheirReasons) {
    const PeriodKindDecision march = decidePeriodKind(kMarch, above());
    EXPECT_EQ(march.kind, PeriodKind::Informational);
    EXPECT_EQ(march.question,
              QStringLiteral("Bu dönem için enflasyon düzeltmesi yapılmaz (560 Sıra No.lu VUK Genel "
                             "Tebliği). Yine de devam etmek istiyor musunuz?"));

    const PeriodKindDecision later = decidePeriodKind(QDate(2025, 6, 30), above());
    EXPECT_EQ(later.kind, PeriodKind::Informational);
    EXPECT_EQ(later.question,
              QStringLiteral("Bu dönem için enflasyon düzeltmesi yapılmaz (7571 sayılı Kanun, VUK "
                             "geçici 37. madde). Yine de devam etmek istiyor musunuz?"));
    EXPECT_EQ(decidePeriodKind(QDate(2027, 12, 31), above()).kind, PeriodKind::Informational);

    const PeriodKindDecision quarter = decidePeriodKind(kJune, below());
    EXPECT_EQ(quarter.kind, PeriodKind::Informational);
    EXPECT_EQ(
        quarter.question,
        QStringLiteral("Bu dönem için enflasyon düzeltmesi yapılmaz (563 Sıra No.lu VUK Genel Tebliği: 2023 "
                       "brüt satışları 50.000.000 TL'nin altında). Yine de devam etmek istiyor musunuz?"));
    EXPECT_EQ(decidePeriodKind(kSeptember, below()).kind, PeriodKind::Informational);
}

TEST(PeriodRules, LegalPeriodsAskNothing) {
    for (const QDate& end : {kJune, kSeptember, kYearEnd}) {
        const PeriodKindDecision d = decidePeriodKind(end, above());
        EXPECT_EQ(d.kind, PeriodKind::Legal);
        EXPECT_TRUE(d.question.isEmpty());
    }
    // The threshold is "below 50.000.000": exactly that much is adjusted.
    EXPECT_EQ(decidePeriodKind(kJune, {50'000'000.0, false}).kind, PeriodKind::Legal);
    // The year end is adjusted whatever the sales; the law may bring the adjustment back.
    EXPECT_EQ(decidePeriodKind(kYearEnd, below()).kind, PeriodKind::Legal);
    EXPECT_EQ(decidePeriodKind(QDate(2028, 12, 31), below()).kind, PeriodKind::Legal);
}

TEST(PeriodRules, PreciousMetalDealers) {
    const PeriodKindDecision march = decidePeriodKind(kMarch, dealer());
    EXPECT_EQ(march.kind, PeriodKind::Legal);
    EXPECT_TRUE(march.question.isEmpty());
    // Never below the threshold, also without gross sales.
    EXPECT_EQ(decidePeriodKind(kJune, dealer()).kind, PeriodKind::Legal);
    EXPECT_FALSE(needsGrossSales(kJune, dealer()));
    const PeriodKindDecision later = decidePeriodKind(QDate(2026, 3, 31), dealer());
    EXPECT_EQ(later.question,
              QStringLiteral("Kıymetli maden ticareti yapanlar için 2025–2027 dönemlerine ilişkin "
                             "kural doğrulanamadı. Devam edilsin mi?"));
}

TEST(PeriodRules, GrossSalesAreAskedForTheThresholdQuartersOnly) {
    const CompanyThreshold empty;
    EXPECT_TRUE(needsGrossSales(kJune, empty));
    EXPECT_TRUE(needsGrossSales(kSeptember, empty));
    EXPECT_FALSE(needsGrossSales(kYearEnd, empty));
    EXPECT_FALSE(needsGrossSales(kMarch, empty));
    EXPECT_FALSE(needsGrossSales(kJune, below()));
}

TEST(PeriodRules, DeclaringMakesOnlyAThresholdQuarterLegal) {
    Period quarter = periodOf(1, kJune, PeriodState::Open, PeriodKind::Informational);
    quarter.kindReason = decidePeriodKind(kJune, below()).reason;
    applyDeclared(quarter, true);
    EXPECT_TRUE(isLegal(quarter));
    applyDeclared(quarter, false);
    EXPECT_FALSE(isLegal(quarter));

    Period march = periodOf(2, kMarch, PeriodState::Open, PeriodKind::Informational);
    march.kindReason = decidePeriodKind(kMarch, above()).reason;
    applyDeclared(march, true);
    EXPECT_FALSE(isLegal(march));
    EXPECT_TRUE(march.declared);
}

TEST(PeriodRules, PreviousAdjustedIsTheLatestClosedLegalPeriod) {
    const std::vector<Period> periods{
        periodOf(1, kMarch, PeriodState::Closed, PeriodKind::Informational),
        periodOf(2, kJune, PeriodState::Closed),
        periodOf(3, kSeptember, PeriodState::Skipped),
        periodOf(4, kYearEnd, PeriodState::Open),
    };
    EXPECT_FALSE(previousAdjusted(periods, kJune));
    EXPECT_EQ(previousAdjusted(periods, kYearEnd)->id, 2);
    EXPECT_EQ(previousAdjusted(periods, kSeptember)->id, 2);
    EXPECT_TRUE(openEarlierPeriodProblem(periods, kYearEnd).isEmpty());
    EXPECT_TRUE(adjustedEarlierInYear(kYearEnd, previousAdjusted(periods, kYearEnd)));
    EXPECT_FALSE(adjustedEarlierInYear(kJune, std::nullopt));
}

TEST(PeriodRules, AnOpenLegalPeriodBeforeBlocks) {
    const std::vector<Period> periods{periodOf(1, kJune, PeriodState::Open),
                                      periodOf(2, kSeptember, PeriodState::Open, PeriodKind::Informational)};
    EXPECT_EQ(openEarlierPeriodProblem(periods, kYearEnd),
              QStringLiteral("Önce 30.06.2024 dönemini kapatınız veya 'Yapılmadı' olarak işaretleyiniz."));
    EXPECT_TRUE(openEarlierPeriodProblem(periods, kJune).isEmpty());
}

TEST(PeriodRules, OnlyTheLatestClosedPeriodReopens) {
    const std::vector<Period> periods{periodOf(1, kJune, PeriodState::Closed),
                                      periodOf(2, kSeptember, PeriodState::Closed),
                                      periodOf(3, kYearEnd, PeriodState::Open)};
    EXPECT_EQ(laterClosedPeriodProblem(periods, kJune), QStringLiteral("Önce sonraki dönemleri açınız."));
    EXPECT_TRUE(laterClosedPeriodProblem(periods, kSeptember).isEmpty());
}

TEST(PeriodRules, SettingsComeFromThePreviousPeriodAndStayWithinAClosedYear) {
    Period june = periodOf(1, kJune, PeriodState::Closed);
    june.settings.depreciation = PeriodDepreciation::FromAdjustedValue;
    june.settings.closing = ResultClosing::To648Or658;
    const std::vector<Period> periods{june};
    const PeriodSettings copied = settingsForNewPeriod(periods, kSeptember);
    EXPECT_EQ(copied.depreciation, PeriodDepreciation::FromAdjustedValue);
    EXPECT_EQ(copied.closing, ResultClosing::To648Or658);
    EXPECT_EQ(settingsForNewPeriod(periods, QDate(2024, 3, 31)).depreciation,
              PeriodDepreciation::IncludedInAccumulated);

    Period september = periodOf(2, kSeptember, PeriodState::Open);
    PeriodSettings changed = copied;
    changed.closing = ResultClosing::To690;
    EXPECT_TRUE(calendarYearProblem(periods, september, changed).isEmpty());
    changed.depreciation = PeriodDepreciation::IncludedInAccumulated;
    EXPECT_FALSE(calendarYearProblem(periods, september, changed).isEmpty());
    changed = copied;
    changed.booking = DepreciationBooking::Quarterly;
    EXPECT_FALSE(calendarYearProblem(periods, september, changed).isEmpty());
    // A new year starts free.
    Period next = periodOf(3, QDate(2028, 12, 31), PeriodState::Open);
    EXPECT_TRUE(calendarYearProblem(periods, next, PeriodSettings{}).isEmpty());
    // An open period of the year does not bind the others.
    june.state = PeriodState::Open;
    EXPECT_TRUE(calendarYearProblem({june}, september, PeriodSettings{}).isEmpty());
}

TEST(PeriodRules, AYearWithoutAdjustment) {
    EXPECT_FALSE(afterYearWithoutAdjustment({}, QDate(2024, 12, 31)));
    EXPECT_TRUE(afterYearWithoutAdjustment({}, QDate(2028, 12, 31)));
    EXPECT_FALSE(afterYearWithoutAdjustment({periodOf(1, QDate(2027, 12, 31), PeriodState::Closed)},
                                            QDate(2028, 12, 31)));
    EXPECT_TRUE(afterYearWithoutAdjustment(
        {periodOf(1, QDate(2027, 12, 31), PeriodState::Closed, PeriodKind::Informational)},
        QDate(2028, 12, 31)));
}
