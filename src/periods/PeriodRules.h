#pragma once

#include "periods/PeriodTypes.h"
#include "registry/CompanyThreshold.h"

namespace velkor {

// The rules of a company's periods that need no figures: which ends a period may have, which
// periods are adjusted by law, which period a period carries from, and what keeps one from
// being computed, changed or reopened.

/// The ends the period choice offers: 30.06.2024, 30.09.2024, 31.12.2024.
QList<QDate> offeredPeriodEnds();

/// Why a date cannot end a later period (not a month end, not after 31.12.2023); empty when it can.
QString periodEndProblem(const QDate& end);

/// Whether the period needs the 2023 gross sales to decide its kind (the 2024 quarters under
/// the threshold rule; a precious-metal dealer never does).
bool needsGrossSales(const QDate& end, const CompanyThreshold& threshold);

/// The kind a period is added with, the reason of an informational one, and the question the
/// user answers before it is added (empty when none is asked).
struct PeriodKindDecision {
    PeriodKind kind = PeriodKind::Legal;
    QString reason;
    QString question;
};
PeriodKindDecision decidePeriodKind(const QDate& end, const CompanyThreshold& threshold);

/// Whether the period counts as adjusted by law: "Yasal", or a quarter below the threshold
/// whose adjustment the user booked and declared.
bool isLegal(const Period& period);
/// The kind and reason again after "Düzeltme defterlere kaydedildi ve beyan edildi" changed.
void applyDeclared(Period& period, bool declared);

/// Q of the period ending at `end`: the latest legal period before it that is closed; nothing
/// for the base 31.12.2023.
std::optional<Period> previousAdjusted(const std::vector<Period>& periods, const QDate& end);
/// The message that keeps the period from being computed or closed while a legal period
/// before it is open ("Önce gg.aa.yyyy dönemini kapatınız veya 'Yapılmadı' olarak
/// işaretleyiniz."); empty when none is.
QString openEarlierPeriodProblem(const std::vector<Period>& periods, const QDate& end);
/// "Önce sonraki dönemleri açınız." while a period after `end` is closed; else empty.
QString laterClosedPeriodProblem(const std::vector<Period>& periods, const QDate& end);

/// The settings a new period starts with: those of the latest period before it, else the defaults.
PeriodSettings settingsForNewPeriod(const std::vector<Period>& periods, const QDate& end);
/// Why these settings cannot be given to the period: "Dönem amortismanı" and "Amortisman
/// kaydı" stay as a closed period of the same calendar year has them. Empty when they can.
QString calendarYearProblem(const std::vector<Period>& periods, const Period& period,
                            const PeriodSettings& settings);

/// Whether an adjusted period of P's year came before P (its Q lies in P's year).
bool adjustedEarlierInYear(const QDate& end, const std::optional<Period>& previous);
/// Whether the calendar year before P's year had no adjusted period (the base year 2023 had one).
bool afterYearWithoutAdjustment(const std::vector<Period>& periods, const QDate& end);

} // namespace velkor
