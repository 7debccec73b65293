#include "engine/StockAdjustment.h"

#include "base/NumberFormat.h"
#include "base/TextHelpers.h"
#include "engine/ExplanationText.h"
#include "engine/FinancingCost.h"
#include "engine/IndexFields.h"
#include "engine/ItemAdjustment.h"
#include "engine/MonthKey.h"
#include "engine/Rounding.h"
#include "engine/StockExplanation.h"
#include "engine/StockSheetControls.h"

namespace velkor {

namespace {

const ItemFields& kFields = kStockFields;

QStringList explanationSentences(const StockSheet& sheet, double netValue) {
    const FinancingFields& f = kStockFinancing;
    const bool withFinancing = ParseAmount(sheet.text(f.amount)) > 0;
    const int financingMethod = sheet.itemIndex(f.method);
    QStringList sentences{netValueSentence(amountText(netValue), sheet.text(kFields.coefficient))};
    if (withFinancing && (financingMethod == 0 || financingMethod == 1))
        sentences << financingMethodSentence(static_cast<FinancingMethod>(financingMethod),
                                             sheet.text(f.realInterest), sheet.text(f.realCoefficient));
    sentences << computedMethodSentence(sheet.method());
    if (withFinancing)
        sentences << financingAmountSentence(sheet.text(f.amount));
    return sentences;
}

} // namespace

QDate simpleAverageBaseDate(const QDate& adjustmentDate) {
    const QDate month = adjustmentDate.addMonths(-3);
    return QDate(month.year(), month.month(), month.daysInMonth());
}

bool computeTurnover(StockSheet& sheet, const QDate& adjustmentDate, Prompt& prompt) {
    const double opening = ParseAmount(sheet.text(ctl::stock::DBasiStokEdit));
    const double closing = ParseAmount(sheet.text(ctl::stock::DSonuStokEdit));
    const double costOfSales = ParseAmount(sheet.text(ctl::stock::DonemiciSMMEdit));
    if (opening + closing < 0.01) {
        prompt.showMessage(stock::kNoOpeningOrClosingStock);
        return false;
    }
    if (costOfSales < 0.01) {
        prompt.showMessage(stock::kNoCostOfSales);
        return false;
    }
    const double turnover = RoundDecimals(costOfSales / ((opening + closing) / 2), 2);
    sheet.setText(ctl::stock::DevirHiziEdit, FormatFloat(patterns::kAmount, turnover));
    if (!(turnover > 0)) {
        prompt.showMessage(stock::kTurnoverNotPositive);
        return false;
    }
    const qint64 days = static_cast<qint64>(RoundDecimals(365.0 / turnover, 0));
    sheet.setText(ctl::stock::StoktaKalmaSureEdit, QString::number(days));
    const QDate base = adjustmentDate.addDays(-days);
    sheet.setDate(kFields.entryDate, base);
    sheet.setDate(kFields.baseDate, base);
    return true;
}

bool computeStockAdjustment(StockSheet& sheet, const QDate& adjustmentDate, IndexLookup& index,
                            Prompt& prompt) {
    const StockMethod method = sheet.method();
    if (method == StockMethod::SimpleAverage) {
        for (const QString& name : StockSheet::financingFields())
            sheet.setText(name, QString());
        const QDate base = simpleAverageBaseDate(adjustmentDate);
        sheet.setDate(kFields.entryDate, base);
        sheet.setDate(kFields.baseDate, base);
    } else if (method == StockMethod::Turnover) {
        for (const QString& name : StockSheet::financingFields())
            sheet.setText(name, QString());
        computeTurnover(sheet, adjustmentDate, prompt);
    }

    const double bookValue = ParseAmount(sheet.text(kFields.bookValue));
    const double interest = ParseAmount(sheet.text(ctl::stock::ROFMFaizEditS));
    const double netValue = bookValue - interest;

    const std::optional<QDate> base = itemBaseDate(sheet, kFields, ctl::stock::DigerRich, prompt);
    if (!base || !fillItemIndexes(sheet, kFields, ctl::stock::DigerRich, index, MonthKey(*base),
                                  MonthKey(adjustmentDate), prompt))
        return false;
    const double baseValue = ParseAmount(sheet.text(kFields.baseIndex));
    const double accountValue = ParseAmount(sheet.text(kFields.accountIndex));
    const double divisor = method == StockMethod::SimpleAverage ? (baseValue + accountValue) / 2 : baseValue;
    const double coefficient = Coefficient(divisor, accountValue);

    const double adjustedReal = ParseAmount(sheet.text(ctl::stock::Duz_Reel_FaizEditS));
    const double adjusted = RoundDecimals(coefficient * netValue, 2) + adjustedReal;
    showItemResults(sheet, kFields, coefficient, adjusted, adjusted - bookValue);

    StockText text;
    readSheetPosting(text, sheet, kFields);
    text.sentences = explanationSentences(sheet, netValue);
    sheet.setLines(ctl::stock::DigerRich, stockExplanation(text));
    return true;
}

} // namespace velkor
