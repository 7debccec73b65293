#include "periods/PeriodLineDepreciation.h"

#include "engine/Depreciation.h"
#include "engine/Rounding.h"

#include <algorithm>

namespace velkor {

QString typedDepreciationNote() {
    return QStringLiteral("Bu amortisman yönteminde dönem amortismanını giriniz.");
}

namespace {

double r2(double x) {
    return RoundDecimals(x, 2);
}

// Booking is counted in months, or in quarters under "Üç aylık": the same rules then read
// quarter for month.
struct BookingUnits {
    bool quarterly = false;
    int perYear() const { return quarterly ? 4 : 12; }
    int of(const QDate& date) const {
        return quarterly ? date.year() * 4 + (date.month() - 1) / 3 : date.year() * 12 + date.month() - 1;
    }
};

bool isNormalMethod(const QString& method) {
    return method.isEmpty() || method == depreciation::kNormal;
}

} // namespace

DepreciationOutcome computeLineDepreciation(PeriodLine& line, const DepreciationBasis& basis,
                                            const PeriodSettings& settings) {
    DepreciationOutcome outcome;
    const BookingUnits units{settings.booking == DepreciationBooking::Quarterly};
    const double rate = 1.0 / line.usefulLife;
    const double perUnit = rate / units.perYear();

    const int periodUnit = units.of(basis.periodEnd);
    const int start = units.of(basis.firstOutside);
    const int yearStart = units.of(QDate(basis.periodEnd.year(), 1, 1));
    const int outsideUnits = std::max(0, periodUnit - start);
    const bool fromAdjusted = settings.depreciation == PeriodDepreciation::FromAdjustedValue;

    // Under "Düzeltilmiş değerden yeniden" the depreciation of the years before P's year was
    // added to the AD at those year ends; only the months of P's year stay outside it.
    const int priorUnits = fromAdjusted ? std::clamp(yearStart - start, 0, outsideUnits) : 0;
    const int yearUnits = outsideUnits - priorUnits;
    const bool sameYearAsQ = basis.firstOutside.year() == basis.periodEnd.year() && basis.previousNewMonthly;

    double computedMonthly = r2(basis.book * perUnit);
    if (basis.share != 1.0)
        computedMonthly = r2(r2(basis.bookBeforeShare * perUnit) * basis.share);
    double oldMonthly = computedMonthly;
    if (line.typedOldMonthly)
        oldMonthly = *line.typedOldMonthly;
    else if (fromAdjusted && sameYearAsQ)
        oldMonthly = *basis.previousNewMonthly;

    double heldOfQ = basis.accumulatedOfQ;
    double bookedBefore = basis.bookedSinceQ;
    if (fromAdjusted && !sameYearAsQ) {
        // The year of Q has ended: what was booked outside its AD, and the months up to this
        // year at the figure then booked, belong to the AD now.
        const double figure = basis.previousNewMonthly ? *basis.previousNewMonthly : computedMonthly;
        heldOfQ = r2(heldOfQ + bookedBefore + figure * priorUnits);
        bookedBefore = 0;
    } else if (!fromAdjusted) {
        heldOfQ = r2(heldOfQ + bookedBefore);
        bookedBefore = 0;
    }
    heldOfQ = std::min(heldOfQ, std::max(basis.book, 0.0));

    const int dpUnits = fromAdjusted ? yearUnits : outsideUnits;
    const double dpFigure = fromAdjusted ? oldMonthly : computedMonthly;
    double dp = 0;
    line.periodDepreciationComputed = false;
    if (line.typedPeriodDepreciation) {
        dp = *line.typedPeriodDepreciation;
    } else if (dpUnits > 0) {
        if (!isNormalMethod(line.depreciationMethod)) {
            outcome.needsTypedDepreciation = true;
            return outcome;
        }
        dp = r2(dpFigure * dpUnits);
        line.periodDepreciationComputed = true;
    }
    dp = std::clamp(dp, 0.0, std::max(0.0, r2(basis.book - heldOfQ - bookedBefore)));
    line.periodDepreciation = dp;
    outcome.netBefore = r2(basis.book - heldOfQ - bookedBefore - dp);

    line.newMonthly = r2(basis.adjustedValue * perUnit);
    line.oldMonthly = oldMonthly;
    line.catchUpMonths = 0;
    line.catchUp = 0;
    if (!fromAdjusted) {
        line.accumulatedBefore = r2(heldOfQ + dp);
        line.adjustedAccumulated = r2(line.accumulatedBefore * basis.coefficient);
        line.accumulatedDifference = r2(line.adjustedAccumulated - line.accumulatedBefore);
        const double left = std::max(0.0, r2(basis.adjustedValue - line.adjustedAccumulated));
        line.lastMonthDepreciation = std::min(line.newMonthly, left);
        line.closingAccumulated = r2(line.adjustedAccumulated + line.lastMonthDepreciation);
        return outcome;
    }

    line.accumulatedBefore = heldOfQ;
    line.adjustedAccumulated = r2(heldOfQ * basis.coefficient);
    line.accumulatedDifference = r2(line.adjustedAccumulated - heldOfQ);
    // The months of P's year before its last month in which the item was depreciated, from
    // January or from its entry month.
    int catchUpStart = yearStart;
    if (line.entryDate.isValid())
        catchUpStart = std::max(catchUpStart, units.of(line.entryDate));
    const int catchUpUnits = std::clamp(periodUnit - catchUpStart, 0, line.usefulLife * units.perYear());
    double booked = r2(line.adjustedAccumulated + bookedBefore + dp);
    double catchUp = r2((line.newMonthly - oldMonthly) * catchUpUnits);
    // The AD never exceeds the adjusted value.
    catchUp = std::min(catchUp, std::max(0.0, r2(basis.adjustedValue - booked)));
    line.catchUpMonths = catchUpUnits;
    line.catchUp = catchUp;
    booked = r2(booked + catchUp);
    line.lastMonthDepreciation = std::min(line.newMonthly, std::max(0.0, r2(basis.adjustedValue - booked)));
    line.closingAccumulated = r2(booked + line.lastMonthDepreciation);
    return outcome;
}

} // namespace velkor
