#include "engine/StockAdjustment.h"

#include "engine/ExplanationText.h"
#include "engine/FinancingCost.h"
#include "engine/IndexFields.h"
#include "engine/MonthKey.h"
#include "engine/Rounding.h"
#include "engine/StockExplanation.h"
#include "workspace/NumberFormat.h"
#include "workspace/TextHelpers.h"

namespace velkor {

namespace {

const QString kEntryDate = QStringLiteral("GirisTarihiDateS");
const QString kBaseDate = QStringLiteral("YiUfeGirisDateS");
const QString kBaseIndex = QStringLiteral("GirisYi_UfeEditS");
const QString kAccountIndex = QStringLiteral("HesapYi_UfeEditS");
const QString kCoefficient = QStringLiteral("DuzeltKatsayiEditS");
const QString kAdjusted = QStringLiteral("DuzeltilmisTutarEditS");
const QString kDifference = QStringLiteral("EnflasyonFarkEditS");
const QString kText = QStringLiteral("DigerRich");

// Balances carried from before 2005 were already restated at 31.12.2004.
const QDate kFloorDate{2004, 12, 31};

void emptyResults(StockSheet& sheet) {
    for (const QString& name : {kBaseIndex, kAccountIndex, kCoefficient, kAdjusted, kDifference})
        sheet.setText(name, QString());
    sheet.setLines(kText, {});
}

QStringList explanationSentences(const StockSheet& sheet, double netValue) {
    const FinancingFields f(QStringLiteral("S"));
    const bool withFinancing = ParseAmount(sheet.text(f.amount)) > 0;
    const int financingMethod = sheet.itemIndex(f.method);
    QStringList sentences{netValueSentence(amountText(netValue), sheet.text(kCoefficient))};
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
    const double opening = ParseAmount(sheet.text(QStringLiteral("DBasiStokEdit")));
    const double closing = ParseAmount(sheet.text(QStringLiteral("DSonuStokEdit")));
    const double costOfSales = ParseAmount(sheet.text(QStringLiteral("DonemiciSMMEdit")));
    if (opening + closing < 0.01) {
        prompt.showMessage(stock::kNoOpeningOrClosingStock);
        return false;
    }
    if (costOfSales < 0.01) {
        prompt.showMessage(stock::kNoCostOfSales);
        return false;
    }
    const double turnover = RoundDecimals(costOfSales / ((opening + closing) / 2), 2);
    sheet.setText(QStringLiteral("DevirHiziEdit"), FormatFloat(patterns::kAmount, turnover));
    if (!(turnover > 0)) {
        prompt.showMessage(stock::kTurnoverNotPositive);
        return false;
    }
    const qint64 days = static_cast<qint64>(RoundDecimals(365.0 / turnover, 0));
    sheet.setText(QStringLiteral("StoktaKalmaSureEdit"), QString::number(days));
    const QDate base = adjustmentDate.addDays(-days);
    sheet.setDate(kEntryDate, base);
    sheet.setDate(kBaseDate, base);
    return true;
}

bool computeStockAdjustment(StockSheet& sheet, const QDate& adjustmentDate, IndexLookup& index,
                            Prompt& prompt) {
    const StockMethod method = sheet.method();
    if (method == StockMethod::SimpleAverage) {
        for (const QString& name : StockSheet::financingFields())
            sheet.setText(name, QString());
        const QDate base = simpleAverageBaseDate(adjustmentDate);
        sheet.setDate(kEntryDate, base);
        sheet.setDate(kBaseDate, base);
    } else if (method == StockMethod::Turnover) {
        for (const QString& name : StockSheet::financingFields())
            sheet.setText(name, QString());
        computeTurnover(sheet, adjustmentDate, prompt);
    }

    const double bookValue = ParseAmount(sheet.text(QStringLiteral("KayitliTutariEditS")));
    const double interest = ParseAmount(sheet.text(QStringLiteral("ROFMFaizEditS")));
    const double netValue = bookValue - interest;

    QDate base = sheet.date(kEntryDate);
    if (!base.isValid()) {
        emptyResults(sheet);
        prompt.showMessage(QStringLiteral("Kayıt Tarihi geçerli bir tarih değil: ") + sheet.text(kEntryDate));
        return false;
    }
    if (base.year() < 2005)
        base = kFloorDate;
    sheet.setDate(kBaseDate, base);

    emptyResults(sheet);
    if (!fillIndexField(sheet, kBaseIndex, index, MonthKey(base), prompt) ||
        !fillIndexField(sheet, kAccountIndex, index, MonthKey(adjustmentDate), prompt)) {
        emptyResults(sheet);
        return false;
    }
    const double baseValue = ParseAmount(sheet.text(kBaseIndex));
    const double accountValue = ParseAmount(sheet.text(kAccountIndex));
    const double divisor = method == StockMethod::SimpleAverage ? (baseValue + accountValue) / 2 : baseValue;
    const double coefficient = Coefficient(divisor, accountValue);

    const double adjustedReal = ParseAmount(sheet.text(QStringLiteral("Duz_Reel_FaizEditS")));
    const double adjusted = RoundDecimals(coefficient * netValue, 2) + adjustedReal;
    sheet.setText(kCoefficient, FormatFloat(patterns::kCoefficient, coefficient));
    sheet.setText(kAdjusted, FormatFloat(patterns::kAmount, adjusted));
    sheet.setText(kDifference, FormatFloat(patterns::kAmount, adjusted - bookValue));

    StockText text;
    text.mainAccount = sheet.text(QStringLiteral("DuzeltmeAnaHesapComboS"));
    text.subAccount = sheet.text(QStringLiteral("KoduEditS"));
    text.name = sheet.text(QStringLiteral("AdiEditS"));
    text.difference = reformattedAmount(sheet.text(kDifference));
    text.sentences = explanationSentences(sheet, netValue);
    sheet.setLines(kText, stockExplanation(text));
    return true;
}

} // namespace velkor
