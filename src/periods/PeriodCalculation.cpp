#include "periods/PeriodCalculation.h"

#include "base/NumberFormat.h"
#include "base/ShownError.h"
#include "engine/Rounding.h"
#include "periods/PeriodAccounts.h"
#include "periods/PeriodEntries.h"
#include "periods/PeriodExplanation.h"
#include "periods/PeriodLineDepreciation.h"

#include <algorithm>
#include <map>

namespace velkor {

namespace {

const QDate kBaseEnd(2023, 12, 31);

double r2(double x) {
    return RoundDecimals(x, 2);
}

QString movingAverageNote() {
    return QStringLiteral(
        "Hareketli ağırlıklı ortalama yönteminin hesaplama kuralı programda bulunmuyor; Gerçek "
        "Yöntem veya Basit Ortalama seçiniz.");
}

QString earlyEntryNote() {
    return QStringLiteral("Bu tarihte aktife girmiş bir kalem önceki düzeltme döneminde düzeltilmelidir.");
}

QString investmentNote() {
    return QStringLiteral("7529 sayılı Kanun: yapılmakta olan yatırımların düzeltme farkı için özel fon "
                          "uygulaması kontrol edilmelidir.");
}

QString averageReadingNote() {
    return QStringLiteral("176 Sıra No.lu VUK Sirküleri (01.11.2024) öncesinde beyan edilen dönemlerde "
                          "uygulamada 31.03.2024 endeksi kullanılmıştır.");
}

QString remainingAmountNote() {
    return QStringLiteral("Önceki düzeltilmiş değer bulunmuyor: 'Kalan Tutar (önceki düzeltilmiş değerle)' "
                          "giriniz.");
}

QString interruptedNote() {
    return QStringLiteral("Devreden (ara verilmiş)");
}

// Whether two dates fall in one month (as their month keys would tell, without forming them:
// every line of a period asks).
bool sameMonth(const QDate& a, const QDate& b) {
    return a.year() == b.year() && a.month() == b.month();
}

QString lineLabel(const QString& account, const QString& subAccount, const QString& name) {
    const QString code = subAccount.isEmpty() ? account : account + QLatin1Char('.') + subAccount;
    return code + QLatin1Char(' ') + name;
}

void clearResults(PeriodLine& line) {
    line.coefficient = 0;
    line.adjustedValue = 0;
    line.difference = 0;
    line.periodDepreciation = 0;
    line.periodDepreciationComputed = false;
    line.accumulatedBefore = 0;
    line.adjustedAccumulated = 0;
    line.accumulatedDifference = 0;
    line.oldMonthly = 0;
    line.newMonthly = 0;
    line.catchUpMonths = 0;
    line.catchUp = 0;
    line.lastMonthDepreciation = 0;
    line.closingAccumulated = 0;
    line.explanation.clear();
    line.notes.clear();
    line.interrupted = false;
}

void markNotComputed(PeriodLine& line, const QString& note) {
    clearResults(line);
    line.status = LineStatus::NotComputed;
    line.notes << note;
}

// A line left out of P keeps its values as they stood: the next adjusted period takes it
// up again from the month it was adjusted to last.
void markOutside(PeriodLine& line, double book, double accumulated, const QString& note) {
    clearResults(line);
    line.status = LineStatus::Outside;
    line.adjustedValue = book;
    line.adjustedAccumulated = accumulated;
    line.accumulatedBefore = accumulated;
    line.closingAccumulated = accumulated;
    line.notes << note;
}

bool matchesSource(const PeriodLine& line, const QString& source) {
    if (source.contains(QLatin1Char('.')))
        return line.account + QLatin1Char('.') + line.subAccount == source;
    return line.account == source;
}

// An internal transfer ("İç Aktarım") moves an amount at its source's base into another
// equity account: the source line is reduced by it, never the amount counted twice.
std::map<std::size_t, double> transferReductions(std::vector<PeriodLine>& lines) {
    std::map<std::size_t, double> reductions;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString source = lines[i].transferSource.trimmed();
        if (source.isEmpty())
            continue;
        std::size_t found = lines.size();
        for (std::size_t j = 0; j < lines.size(); ++j) {
            if (j != i && lines[j].transferSource.isEmpty() && matchesSource(lines[j], source)) {
                found = j;
                break;
            }
        }
        if (found == lines.size())
            continue;
        reductions[found] += lines[i].bookValue;
    }
    return reductions;
}

struct Calendar {
    QDate periodEnd;
    QDate previousEnd;
    double carry = 0;
};

class LineComputation {
public:
    LineComputation(const PeriodContext& context, const Calendar& calendar)
        : m_context(context), m_settings(context.period.settings), m_calendar(calendar) {}

    void compute(PeriodLine& line, double transferred) const;

private:
    bool hasOrigin(const PeriodLine& line) const {
        return line.baseItemId != 0 || line.previousLineId != 0 || !line.transferSource.trimmed().isEmpty();
    }

    const PeriodContext& m_context;
    const PeriodSettings& m_settings;
    Calendar m_calendar;
};

void LineComputation::compute(PeriodLine& line, double transferred) const {
    const QDate& P = m_calendar.periodEnd;
    const QDate& Q = m_calendar.previousEnd;
    const bool carried = hasOrigin(line);
    if (carried && !line.lastAdjustedEnd.isValid())
        line.lastAdjustedEnd = Q;
    clearResults(line);

    const bool disposedInTime = line.disposalDate.isValid() && line.disposalDate <= P;
    if (disposedInTime && (!line.remainingShare || *line.remainingShare <= 0.0)) {
        markOutside(line, 0, 0, QStringLiteral("Elden çıkarılmıştır: ") + FormatDate(line.disposalDate));
        return;
    }
    if (line.notAdjusted) {
        markOutside(line, line.bookValue, line.accumulatedOfQ,
                    QStringLiteral("Düzeltilmez olarak işaretlenmiştir."));
        return;
    }
    if (!carried) {
        if (!line.entryDate.isValid() || line.entryDate <= Q) {
            markNotComputed(line, earlyEntryNote());
            return;
        }
        if (line.entryDate > P) {
            markNotComputed(line, QStringLiteral("Giriş tarihi dönem sonundan sonradır: ") +
                                      FormatDate(line.entryDate));
            return;
        }
    }

    PeriodStockMethod method = line.stockMethod;
    if (isStockAccount(line.account) && method == PeriodStockMethod::None)
        method = PeriodStockMethod::Actual;
    if (method == PeriodStockMethod::MovingWeightedAverage) {
        markNotComputed(line, movingAverageNote());
        return;
    }

    double book = line.bookValue;
    if (method == PeriodStockMethod::Actual && line.remainingAmount) {
        book = *line.remainingAmount;
    } else if (method == PeriodStockMethod::Actual && book == 0.0 && line.remainingShare) {
        // A stock of the simple average has no previous adjusted value to take a share of.
        markNotComputed(line, remainingAmountNote());
        return;
    }
    double accumulatedOfQ = line.accumulatedOfQ;
    double bookedSinceQ = line.bookedSinceQ;
    std::optional<double> previousNewMonthly = line.previousNewMonthly;
    const bool shareApplies =
        line.remainingShare && (!line.disposalDate.isValid() || disposedInTime) && !line.remainingAmount;
    const double bookBeforeShare = book;
    const double share = shareApplies ? std::clamp(*line.remainingShare, 0.0, 1.0) : 1.0;
    if (shareApplies) {
        book = r2(book * share);
        accumulatedOfQ = r2(accumulatedOfQ * share);
        bookedSinceQ = r2(bookedSinceQ * share);
        if (previousNewMonthly)
            previousNewMonthly = r2(*previousNewMonthly * share);
    }
    if (transferred != 0.0) {
        if (transferred > book) {
            markNotComputed(line, QStringLiteral("İç aktarım tutarı bu kalemin değerini aşıyor."));
            return;
        }
        book = r2(book - transferred);
        line.notes << QStringLiteral("İç aktarımla ") + FormatFloat(patterns::kAmount, transferred) +
                          QStringLiteral(" TL azaltılmıştır.");
    }

    if (method == PeriodStockMethod::SimpleAverage) {
        if (book <= 0.0) {
            markNotComputed(line, stockBalanceMissingNote());
            return;
        }
        line.status = LineStatus::SimpleAverage;
        line.coefficient =
            simpleAverageCoefficient(m_context.index, P, averageBaseMonth(m_settings.averageBase, P, Q));
        line.explanation = simpleAverageExplanation(book, line.coefficient);
        if (m_settings.averageBase == AverageBase::LastAdjustedPeriod && P == QDate(2024, 6, 30))
            line.notes << averageReadingNote();
    } else if (!carried) {
        line.status = LineStatus::New;
        line.coefficient = periodCoefficient(m_context.index, P, line.entryDate);
        line.explanation = newItemExplanation(book, line.coefficient, line.entryDate);
    } else if (!sameMonth(line.lastAdjustedEnd, Q) && line.lastAdjustedEnd < Q) {
        line.status = LineStatus::Carried;
        line.interrupted = true;
        line.coefficient = periodCoefficient(m_context.index, P, line.lastAdjustedEnd);
        line.explanation = readjustedExplanation(book, line.coefficient, line.lastAdjustedEnd);
        line.notes << interruptedNote();
    } else {
        line.status = LineStatus::Carried;
        line.coefficient = m_calendar.carry;
        line.explanation = carriedExplanation(book, line.coefficient);
    }
    if (!line.transferSource.trimmed().isEmpty())
        line.notes << QStringLiteral("İç Aktarım: ") + line.transferSource.trimmed() +
                          QStringLiteral(" hesabından aktarılmıştır.");
    if (accountNumber(line.account) == 258)
        line.notes << investmentNote();

    line.adjustedValue = r2(book * line.coefficient);
    line.difference = r2(line.adjustedValue - book);

    if (!isDepreciableAccount(line.account))
        return;
    if (line.usefulLife <= 0) {
        // Without a life nothing more is depreciated, but the AD already held is adjusted
        // with the value, or the net value would grow by the adjustment.
        line.accumulatedBefore = r2(accumulatedOfQ + bookedSinceQ);
        line.adjustedAccumulated = r2(line.accumulatedBefore * line.coefficient);
        line.accumulatedDifference = r2(line.adjustedAccumulated - line.accumulatedBefore);
        line.closingAccumulated = line.adjustedAccumulated;
        return;
    }
    DepreciationBasis basis;
    basis.book = book;
    basis.accumulatedOfQ = accumulatedOfQ;
    basis.bookedSinceQ = bookedSinceQ;
    basis.previousNewMonthly = previousNewMonthly;
    basis.share = share;
    basis.bookBeforeShare = bookBeforeShare;
    basis.coefficient = line.coefficient;
    basis.adjustedValue = line.adjustedValue;
    basis.periodEnd = P;
    if (!carried) {
        basis.firstOutside = line.entryDate;
    } else if (sameMonth(line.lastAdjustedEnd, kBaseEnd)) {
        // The AD of 31.12.2023 holds the whole year 2023.
        basis.firstOutside = QDate(2024, 1, 1);
    } else {
        basis.firstOutside = line.lastAdjustedEnd;
    }
    const DepreciationOutcome outcome = computeLineDepreciation(line, basis, m_settings);
    if (outcome.needsTypedDepreciation) {
        markNotComputed(line, typedDepreciationNote());
        return;
    }
    if (outcome.netBefore <= 0.0 && !m_settings.adjustFullyDepreciated) {
        markOutside(line, book, r2(accumulatedOfQ + bookedSinceQ + line.periodDepreciation),
                    QStringLiteral("Amortismanı biten kıymet düzeltilmemiştir."));
    }
}

} // namespace

QString declarationSentence(double declarationDifference) {
    const double rounded = r2(declarationDifference);
    if (rounded == 0.0)
        return {};
    const QString amount = FormatFloat(patterns::kAmount, std::abs(rounded));
    if (rounded > 0)
        return QStringLiteral("Düzeltme dönem kârını ") + amount +
               QStringLiteral(
                   " TL artırmıştır; beyannamede 'Zarar olsa dahi indirilecek istisna ve indirimler – "
                   "Diğer indirimler' satırında gösterilir.");
    return QStringLiteral("Düzeltme dönem kârını ") + amount +
           QStringLiteral(" TL azaltmıştır; 'Kanunen kabul edilmeyen giderler' satırında gösterilir.");
}

PeriodTotals computePeriod(const PeriodContext& context, std::vector<PeriodLine>& lines) {
    Calendar calendar;
    calendar.periodEnd = context.period.end;
    calendar.previousEnd = context.previousEnd.isValid()          ? context.previousEnd
                           : context.period.previousEnd.isValid() ? context.period.previousEnd
                                                                  : kBaseEnd;
    // Both months are needed by every carried line; a missing one stops the whole period.
    periodIndex(context.index, calendar.periodEnd);
    periodIndex(context.index, calendar.previousEnd);
    calendar.carry = *carryCoefficient(context.index, calendar.periodEnd, calendar.previousEnd);

    // Computed on a copy: a missing index value met halfway leaves the lines as they were.
    std::vector<PeriodLine> computed = lines;
    const std::map<std::size_t, double> reductions = transferReductions(computed);
    const LineComputation computation(context, calendar);
    for (std::size_t i = 0; i < computed.size(); ++i) {
        const auto reduction = reductions.find(i);
        computation.compute(computed[i], reduction == reductions.end() ? 0.0 : reduction->second);
    }

    PeriodTotals totals;
    double lastMonthIncrease = 0;
    int notComputed = 0;
    for (const PeriodLine& line : computed) {
        if (line.status == LineStatus::NotComputed) {
            ++notComputed;
            continue;
        }
        for (const PeriodEntry& entry : lineEntryAmounts(line, context.period.settings))
            addToTotals(entry, totals);
        if (line.status == LineStatus::Outside)
            continue;
        totals.catchUps = r2(totals.catchUps + line.catchUp);
        if (line.lastMonthDepreciation > 0)
            lastMonthIncrease = r2(lastMonthIncrease + line.lastMonthDepreciation - line.oldMonthly);
    }
    totals.declarationDifference = r2(totals.g698 - totals.l698 - totals.catchUps - lastMonthIncrease);
    totals.declarationText = declarationSentence(totals.declarationDifference);
    if (context.afterYearWithoutAdjustment) {
        const QString note =
            QStringLiteral("VUK mük. 298/A-7: ara verilen yıldan sonra yapılan düzeltmenin vergi "
                           "karşısındaki durumu doğrulanamadı.");
        totals.declarationText =
            totals.declarationText.isEmpty() ? note : totals.declarationText + QLatin1Char('\n') + note;
    }
    if (notComputed > 0)
        totals.warnings
            << QStringLiteral("Hesaplanmayan %1 kalem toplamlara dahil edilmemiştir.").arg(notComputed);
    lines = std::move(computed);
    return totals;
}

QStringList closingObstacles(const std::vector<PeriodLine>& lines, const std::vector<LeftOutRow>& leftOut) {
    QStringList obstacles;
    for (const PeriodLine& line : lines) {
        if (line.status != LineStatus::NotComputed)
            continue;
        QString text = QStringLiteral("Hesaplanmadı: ") + lineLabel(line.account, line.subAccount, line.name);
        if (!line.notes.isEmpty())
            text += QStringLiteral(" (") + line.notes.first() + QLatin1Char(')');
        obstacles << text;
    }
    for (const LeftOutRow& row : leftOut)
        obstacles << QStringLiteral("Devredilmedi: ") + lineLabel(row.account, row.subAccount, row.name) +
                         QStringLiteral(" (") + row.reason + QLatin1Char(')');
    return obstacles;
}

} // namespace velkor
