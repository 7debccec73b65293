#include "engine/EquityAdjustment.h"

#include "base/TextHelpers.h"
#include "engine/EquityExplanation.h"
#include "engine/EquitySheetControls.h"
#include "engine/ExplanationText.h"
#include "engine/IndexFields.h"
#include "engine/ItemAdjustment.h"
#include "engine/MonthKey.h"
#include "engine/Rounding.h"

namespace velkor {

namespace {

const ItemFields& kFields = kEquityFields;

} // namespace

bool computeEquityAdjustment(EquitySheet& sheet, const QDate& adjustmentDate, IndexLookup& index,
                             Prompt& prompt) {
    const double amount = ParseAmount(sheet.text(kFields.bookValue));
    const QString mainAccount = sheet.text(kFields.account);
    const bool fromRevaluationFunds = sheet.capitalKind() == CapitalKind::From522;
    const bool capitalIncreaseFromFunds = fromRevaluationFunds && mainAccount == QLatin1String("500");

    const std::optional<QDate> base = itemBaseDate(sheet, kFields, ctl::equity::OzkaynakRich, prompt);
    if (!base)
        return false;
    const int accountKey = MonthKey(adjustmentDate);
    // An increase from the revaluation funds is not restated: it is carried at coefficient 1.
    const int baseKey = capitalIncreaseFromFunds ? accountKey : MonthKey(*base);
    if (!fillItemIndexes(sheet, kFields, ctl::equity::OzkaynakRich, index, baseKey, accountKey, prompt))
        return false;

    const double coefficient = Coefficient(ParseAmount(sheet.text(kFields.baseIndex)),
                                           ParseAmount(sheet.text(kFields.accountIndex)));
    const double adjusted = RoundDecimals(coefficient * amount, 2);
    showItemResults(sheet, kFields, coefficient, adjusted,
                    capitalIncreaseFromFunds ? amount : adjusted - amount);

    EquityText text;
    readSheetPosting(text, sheet, kFields);
    text.fromRevaluationFunds = fromRevaluationFunds;
    text.netValueSentence = netValueSentence(amountText(amount), sheet.text(kFields.coefficient));
    if (sheet.isCapitalAccount())
        text.capitalSentence = capitalKindSentence(sheet.capitalKind());
    sheet.setLines(ctl::equity::OzkaynakRich, equityExplanation(text));
    return true;
}

} // namespace velkor
