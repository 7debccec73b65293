#include "periods/PeriodCarry.h"

#include "engine/Rounding.h"
#include "periods/PeriodAccounts.h"

namespace velkor {

QString baseAdjustmentMissingReason() {
    return QStringLiteral("31.12.2023 düzeltmesi eksik: önce 31.12.2023 çalışmasında düzeltiniz.");
}

QString stockBalanceMissingNote() {
    return QStringLiteral("Dönem sonu stok bakiyesini giriniz.");
}

namespace {

const QDate kBaseEnd(2023, 12, 31);

// Depreciation summaries, the closing rows and the accounts whose amounts are already inside
// the 2023 result: none of them is an item of a later period.
bool neverCarried(const QString& account) {
    const int n = accountNumber(account);
    if (n >= 600)
        return true;
    static const int skipped[] = {257, 268, 178, 358, 697, 698, 522, 523, 524, 570, 580, 590, 591};
    for (int s : skipped) {
        if (n == s)
            return true;
    }
    return false;
}

PeriodStockMethod stockMethodOf(const BaseRow& row) {
    if (!isStockAccount(row.mainAccount))
        return PeriodStockMethod::None;
    // "Devir Hızı" ended with 2023; its stocks and those of the simple average are offered
    // as simple average until the user gives the part still on hand.
    if (row.stockMethod == QLatin1String("Basit") || row.stockMethod == QLatin1String("Devir"))
        return PeriodStockMethod::SimpleAverage;
    return PeriodStockMethod::Actual;
}

bool wholeDisposal(const PeriodLine& line) {
    return line.disposalDate.isValid() && (!line.remainingShare || *line.remainingShare <= 0.0);
}

} // namespace

BaseCarry carryFromBase(const BaseRow& row) {
    BaseCarry carry;
    if (neverCarried(row.mainAccount))
        return carry;
    const double adjusted = row.adjustedValue.value_or(0.0);
    const bool neverAdjusted = adjusted == 0.0 && row.bookValue.value_or(0.0) > 0.0;
    const bool otherMonth = row.adjustmentDate.isValid() && (row.adjustmentDate.year() != kBaseEnd.year() ||
                                                             row.adjustmentDate.month() != kBaseEnd.month());
    if (neverAdjusted || otherMonth) {
        carry.leftOut =
            LeftOutRow{row.id, row.mainAccount, row.subAccount, row.name, baseAdjustmentMissingReason()};
        return carry;
    }
    PeriodLine line;
    line.baseItemId = row.id;
    line.account = row.mainAccount;
    line.subAccount = row.subAccount;
    line.name = row.name;
    line.status = LineStatus::Carried;
    line.lastAdjustedEnd = kBaseEnd;
    line.entryDate = row.entryDate;
    line.usefulLife = row.usefulLife;
    line.depreciationMethod = row.depreciationMethod;
    line.depreciationAccount = row.depreciationAccount;
    line.stockMethod = stockMethodOf(row);
    if (line.stockMethod == PeriodStockMethod::SimpleAverage) {
        // The balance of the simple average is typed at the period end, at cost.
        line.status = LineStatus::SimpleAverage;
        line.notes << stockBalanceMissingNote();
    } else {
        line.bookValue = adjusted;
    }
    if (isDepreciableAccount(row.mainAccount))
        line.accumulatedOfQ = row.adjustedDepreciation.value_or(0.0);
    carry.line = std::move(line);
    return carry;
}

std::optional<PeriodLine> resultLineFromBase(const BaseRow& closing698) {
    const double result = closing698.difference.value_or(0.0);
    if (result == 0.0)
        return std::nullopt;
    const QString marker = closing698.closingText.isEmpty() ? closing698.subAccount : closing698.closingText;
    const bool profit = marker == QLatin1String("KAR");
    PeriodLine line;
    line.baseItemId = closing698.id;
    line.account = profit ? QStringLiteral("570") : QStringLiteral("580");
    line.subAccount = QStringLiteral("698");
    line.name =
        profit ? QStringLiteral("ENFLASYON DÜZELTME KARI") : QStringLiteral("ENFLASYON DÜZELTME ZARARI");
    line.status = LineStatus::Carried;
    line.lastAdjustedEnd = kBaseEnd;
    line.entryDate = kBaseEnd;
    line.bookValue = profit ? result : -result;
    return line;
}

std::optional<PeriodLine> carryFromPrevious(const PeriodLine& lineOfQ) {
    if (wholeDisposal(lineOfQ))
        return std::nullopt;
    PeriodLine line;
    line.baseItemId = lineOfQ.baseItemId;
    line.previousLineId = lineOfQ.id;
    line.account = lineOfQ.account;
    line.subAccount = lineOfQ.subAccount;
    line.name = lineOfQ.name;
    line.entryDate = lineOfQ.entryDate;
    line.usefulLife = lineOfQ.usefulLife;
    line.depreciationMethod = lineOfQ.depreciationMethod;
    line.depreciationAccount = lineOfQ.depreciationAccount;
    line.expenseAccount = lineOfQ.expenseAccount;
    line.notAdjusted = lineOfQ.notAdjusted;
    line.stockMethod = lineOfQ.stockMethod;
    line.status = LineStatus::Carried;

    const bool adjusted = lineOfQ.status != LineStatus::Outside && lineOfQ.status != LineStatus::NotComputed;
    if (adjusted) {
        // Q's end is the month of the values carried: left empty, it stands for Q's end.
        line.bookValue = lineOfQ.adjustedValue;
        line.accumulatedOfQ = lineOfQ.adjustedAccumulated;
        line.previousNewMonthly = lineOfQ.newMonthly;
        line.bookedSinceQ =
            std::max(0.0, RoundDecimals(lineOfQ.closingAccumulated - lineOfQ.adjustedAccumulated -
                                            lineOfQ.lastMonthDepreciation,
                                        2));
    } else {
        line.bookValue = lineOfQ.bookValue;
        line.accumulatedOfQ = lineOfQ.accumulatedOfQ;
        line.bookedSinceQ = lineOfQ.bookedSinceQ;
        line.lastAdjustedEnd = lineOfQ.lastAdjustedEnd;
        line.interrupted = true;
    }
    if (line.stockMethod == PeriodStockMethod::SimpleAverage) {
        // The balance of the simple average is typed anew at every period end, at cost.
        line.bookValue = 0;
        line.status = LineStatus::SimpleAverage;
        line.notes << stockBalanceMissingNote();
    }
    return line;
}

} // namespace velkor
