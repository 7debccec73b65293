#include "engine/FinancingCost.h"

#include "base/NumberFormat.h"
#include "base/TextHelpers.h"
#include "engine/IndexFields.h"
#include "engine/MonthKey.h"
#include "engine/Rounding.h"

namespace velkor {

QStringList financingMethodCaptions() {
    return {QStringLiteral("Borç Tutarına Göre"), QStringLiteral("Toplam Finansman"),
            QStringLiteral("Birden Fazla Faiz")};
}

QStringList FinancingFields::resultAndInputFields() const {
    return {principal, interest,     amount,          netValue,    increase,
            rate,      realInterest, realCoefficient, adjustedReal};
}

namespace {

void startComputation(FormModel& sheet, const FinancingFields& f) {
    sheet.setText(f.amount, QString());
    sheet.setText(f.increase, QString());
    sheet.setText(f.rate, QString());
    sheet.setText(f.netValue, sheet.text(f.bookValue));
}

bool stop(FinancingContext& context, const QString& message) {
    context.prompt.showMessage(message);
    return false;
}

// A financing that starts before the revaluation month would take the inflation out of
// a value that the revaluation already restated.
bool startsBeforeRevaluation(const QDate& start, const std::optional<QDate>& revaluation) {
    if (!revaluation)
        return false;
    return start.year() < revaluation->year() ||
           (start.year() == revaluation->year() && start.month() < revaluation->month());
}

// Looks the months up in order and stops at the first missing one; the real-interest
// fields are emptied so that no value of an earlier item is added to this one.
bool lookUpAll(FormModel& sheet, const FinancingFields& f, FinancingContext& context,
               std::initializer_list<int> keys, std::vector<double>& values) {
    for (int key : keys) {
        const std::optional<double> value = requireIndex(context.index, key, context.prompt);
        if (!value) {
            sheet.setText(f.realInterest, QString());
            sheet.setText(f.realCoefficient, QString());
            sheet.setText(f.adjustedReal, QString());
            return false;
        }
        values.push_back(*value);
    }
    return true;
}

void showAmountAndNetValue(FormModel& sheet, const FinancingFields& f, double rofm, double bookValue) {
    sheet.setText(f.amount, FormatFloat(patterns::kAmount, rofm));
    sheet.setText(f.netValue, FormatFloat(patterns::kAmount, bookValue - rofm));
}

} // namespace

bool computeDebtAmountFinancing(FormModel& sheet, const FinancingFields& f, FinancingContext& context) {
    startComputation(sheet, f);
    const double k = ParseAmount(sheet.text(f.bookValue));
    const double p = ParseAmount(sheet.text(f.principal));
    const double interest = ParseAmount(sheet.text(f.interest));
    if (k < p || k < interest)
        return stop(context, financing::kDebtAboveBookValue);
    const QDate start = sheet.date(f.start);
    const QDate end = sheet.date(f.end);
    if (startsBeforeRevaluation(start, context.revaluationDate))
        return stop(context, financing::kBeforeRevaluation);

    std::vector<double> v;
    if (!lookUpAll(sheet, f, context, {MonthKey(start), MonthKey(end), MonthKey(context.adjustmentDate)}, v))
        return false;
    const double iS = v[0], iE = v[1], iH = v[2];

    const double g = RoundDecimals(iH / iE, 5);
    sheet.setText(f.realCoefficient, FormatFloat(patterns::kPlainCoefficient, g));
    const double h = RoundDecimals((iE - iS) / iS, 5);
    sheet.setText(f.increase, FormatFloat(patterns::kPlainCoefficient, h));
    double rofm = RoundDecimals(p * h, 2);
    if (interest < rofm)
        rofm = interest;
    if (interest > rofm) {
        const double real = RoundDecimals(interest - rofm, 2);
        sheet.setText(f.realInterest, FormatFloat(patterns::kAmount, real));
        sheet.setText(f.adjustedReal, FormatFloat(patterns::kAmount, real * g));
    } else {
        sheet.setText(f.realInterest, QStringLiteral("0"));
        sheet.setText(f.adjustedReal, QStringLiteral("0"));
    }
    showAmountAndNetValue(sheet, f, rofm, k);
    return true;
}

bool computeTotalFinancing(FormModel& sheet, const FinancingFields& f, FinancingContext& context) {
    startComputation(sheet, f);
    const QDate start = sheet.date(f.start);
    const QDate end = sheet.date(f.end);
    if (!context.interest.hasYear(start.year()))
        return stop(context, financing::kNoAverageRate);
    const int rateMonth = sheet.isChecked(f.january) ? 1 : start.month();
    const std::optional<double> q = context.interest.monthlyRate(start.year(), rateMonth);
    // An empty month or a rate of 0 would divide by zero in the inflation share.
    if (!q || *q == 0.0)
        return stop(context, financing::kNoAverageRate);
    const double k = ParseAmount(sheet.text(f.bookValue));
    const double interest = ParseAmount(sheet.text(f.interest));
    if (k < interest)
        return stop(context, financing::kInterestAboveBookValue);
    if (startsBeforeRevaluation(start, context.revaluationDate))
        return stop(context, financing::kBeforeRevaluation);

    std::vector<double> v;
    if (!lookUpAll(sheet, f, context,
                   {MonthKey(start.year() - 1, 12), MonthKey(start.year(), 12), MonthKey(end),
                    MonthKey(context.adjustmentDate)},
                   v))
        return false;
    const double iPD = v[0], iCD = v[1], iE = v[2], iH = v[3];

    const double e = RoundDecimals(iH / iE, 5);
    sheet.setText(f.realCoefficient, FormatGeneral(e));
    const double j = RoundDecimals((iCD - iPD) / iPD, 5);
    sheet.setText(f.increase, FormatFloat(patterns::kPlainCoefficient, j));
    sheet.setText(f.rate, FormatFloat(patterns::kPlainAmount, *q));
    const double share = RoundDecimals(j / (*q / 100.0), 5);
    double rofm = RoundDecimals(interest * share, 2);
    if (interest < rofm)
        rofm = interest;
    if (interest > rofm) {
        sheet.setText(f.realInterest, FormatFloat(patterns::kAmount, interest - rofm));
        sheet.setText(f.adjustedReal,
                      FormatFloat(patterns::kAmount, RoundDecimals((interest - rofm) * e, 2)));
    } else {
        sheet.setText(f.realInterest, FormatFloat(patterns::kAmount, 0.0));
        sheet.setText(f.adjustedReal, FormatFloat(patterns::kAmount, 0.0));
    }
    showAmountAndNetValue(sheet, f, rofm, k);
    return true;
}

} // namespace velkor
