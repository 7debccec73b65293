#include "periods/PeriodRules.h"

#include "base/NumberFormat.h"
#include "periods/BaseRows.h"

namespace velkor {

namespace {

const QString k563Reason =
    QStringLiteral("563 Sıra No.lu VUK Genel Tebliği: 2023 brüt satışları 50.000.000 TL'nin altında");

QString notAdjustedQuestion(const QString& reason) {
    return QStringLiteral(
               "Bu dönem için enflasyon düzeltmesi yapılmaz (%1). Yine de devam etmek istiyor musunuz?")
        .arg(reason);
}

bool isThresholdQuarter(const QDate& end) {
    return end == QDate(2024, 6, 30) || end == QDate(2024, 9, 30);
}

} // namespace

QList<QDate> offeredPeriodEnds() {
    return {QDate(2024, 6, 30), QDate(2024, 9, 30), QDate(2024, 12, 31)};
}

QString periodEndProblem(const QDate& end) {
    if (!end.isValid() || end.day() != end.daysInMonth())
        return QStringLiteral("Düzeltme dönemi bir ay sonu olmalıdır (gg.aa.yyyy).");
    if (end <= baseEnd())
        return QStringLiteral("Düzeltme dönemi 31.12.2023 tarihinden sonra olmalıdır.");
    return {};
}

bool needsGrossSales(const QDate& end, const CompanyThreshold& threshold) {
    return isThresholdQuarter(end) && !threshold.preciousMetalDealer && !threshold.grossSales2023;
}

PeriodKindDecision decidePeriodKind(const QDate& end, const CompanyThreshold& threshold) {
    PeriodKindDecision decision;
    if (end == QDate(2024, 3, 31)) {
        if (threshold.preciousMetalDealer)
            return decision;
        decision.kind = PeriodKind::Informational;
        decision.reason = QStringLiteral("560 Sıra No.lu VUK Genel Tebliği");
        decision.question = notAdjustedQuestion(decision.reason);
        return decision;
    }
    if (end.year() >= 2025 && end.year() <= 2027) {
        decision.kind = PeriodKind::Informational;
        decision.reason = QStringLiteral("7571 sayılı Kanun, VUK geçici 37. madde");
        decision.question =
            threshold.preciousMetalDealer
                ? QStringLiteral("Kıymetli maden ticareti yapanlar için 2025–2027 dönemlerine "
                                 "ilişkin kural doğrulanamadı. Devam edilsin mi?")
                : notAdjustedQuestion(decision.reason);
        return decision;
    }
    if (isThresholdQuarter(end) && !threshold.preciousMetalDealer && threshold.grossSales2023 &&
        *threshold.grossSales2023 < kQuarterThreshold) {
        decision.kind = PeriodKind::Informational;
        decision.reason = k563Reason;
        decision.question = notAdjustedQuestion(decision.reason);
    }
    return decision;
}

bool isLegal(const Period& period) {
    return period.kind == PeriodKind::Legal;
}

void applyDeclared(Period& period, bool declared) {
    period.declared = declared;
    // Only the threshold's quarters become legal by being booked and declared; the other
    // informational periods are not adjusted by law whatever the books hold.
    if (period.kindReason == k563Reason)
        period.kind = declared ? PeriodKind::Legal : PeriodKind::Informational;
}

std::optional<Period> previousAdjusted(const std::vector<Period>& periods, const QDate& end) {
    std::optional<Period> previous;
    for (const Period& p : periods) {
        if (p.end < end && isLegal(p) && p.state == PeriodState::Closed &&
            (!previous || p.end > previous->end))
            previous = p;
    }
    return previous;
}

QString openEarlierPeriodProblem(const std::vector<Period>& periods, const QDate& end) {
    for (const Period& p : periods) {
        if (p.end < end && isLegal(p) && p.state == PeriodState::Open)
            return QStringLiteral("Önce %1 dönemini kapatınız veya 'Yapılmadı' olarak işaretleyiniz.")
                .arg(FormatDate(p.end));
    }
    return {};
}

QString laterClosedPeriodProblem(const std::vector<Period>& periods, const QDate& end) {
    for (const Period& p : periods) {
        if (p.end > end && p.state == PeriodState::Closed)
            return QStringLiteral("Önce sonraki dönemleri açınız.");
    }
    return {};
}

PeriodSettings settingsForNewPeriod(const std::vector<Period>& periods, const QDate& end) {
    const Period* latest = nullptr;
    for (const Period& p : periods) {
        if (p.end < end && (!latest || p.end > latest->end))
            latest = &p;
    }
    return latest ? latest->settings : PeriodSettings{};
}

QString calendarYearProblem(const std::vector<Period>& periods, const Period& period,
                            const PeriodSettings& settings) {
    for (const Period& p : periods) {
        if (p.id == period.id || p.end.year() != period.end.year() || p.state != PeriodState::Closed)
            continue;
        if (p.settings.depreciation != settings.depreciation || p.settings.booking != settings.booking)
            return QStringLiteral(
                       "\"Dönem amortismanı\" ve \"Amortisman kaydı\" aynı yılın dönemleri arasında "
                       "değiştirilemez: %1 dönemi bu ayarlarla kapandı.")
                .arg(FormatDate(p.end));
    }
    return {};
}

bool adjustedEarlierInYear(const QDate& end, const std::optional<Period>& previous) {
    return previous && previous->end.year() == end.year();
}

bool afterYearWithoutAdjustment(const std::vector<Period>& periods, const QDate& end) {
    const int year = end.year() - 1;
    if (year <= baseEnd().year())
        return false;
    for (const Period& p : periods) {
        if (p.end.year() == year && isLegal(p) && p.state == PeriodState::Closed)
            return false;
    }
    return true;
}

} // namespace velkor
