#include "engine/EquityAdjustment.h"

#include "engine/EquityExplanation.h"
#include "engine/ExplanationText.h"
#include "engine/IndexFields.h"
#include "engine/MonthKey.h"
#include "engine/Rounding.h"
#include "workspace/NumberFormat.h"
#include "workspace/TextHelpers.h"

namespace velkor {

namespace {

const QString kEntryDate = QStringLiteral("GirisTarihiDateO");
const QString kBaseIndex = QStringLiteral("GirisYi_UfeEditO");
const QString kAccountIndex = QStringLiteral("HesapYi_UfeEditO");
const QString kCoefficient = QStringLiteral("DuzeltKatsayiEditO");
const QString kAdjusted = QStringLiteral("DuzeltilmisTutarEditO");
const QString kDifference = QStringLiteral("EnflasyonFarkEditO");
const QString kText = QStringLiteral("OzkaynakRich");

// Balances carried from before 2005 were already restated at 31.12.2004.
const QDate kFloorDate{2004, 12, 31};

void emptyResults(EquitySheet& sheet) {
    for (const QString& name : {kBaseIndex, kAccountIndex, kCoefficient, kAdjusted, kDifference})
        sheet.setText(name, QString());
    sheet.setLines(kText, {});
}

} // namespace

bool computeEquityAdjustment(EquitySheet& sheet, const QDate& adjustmentDate, IndexLookup& index,
                             Prompt& prompt) {
    const double amount = ParseAmount(sheet.text(QStringLiteral("KayitliTutariEditO")));
    const QString mainAccount = sheet.text(QStringLiteral("DuzeltmeAnaHesapComboO"));
    const bool fromRevaluationFunds = sheet.capitalKind() == CapitalKind::From522;
    const bool capitalIncreaseFromFunds = fromRevaluationFunds && mainAccount == QLatin1String("500");

    QDate base = sheet.date(kEntryDate);
    if (!base.isValid()) {
        emptyResults(sheet);
        prompt.showMessage(QStringLiteral("Kayıt Tarihi geçerli bir tarih değil: ") + sheet.text(kEntryDate));
        return false;
    }
    if (base.year() < 2005)
        base = kFloorDate;
    sheet.setDate(QStringLiteral("YiUfeGirisDateO"), base);
    const int accountKey = MonthKey(adjustmentDate);
    // An increase from the revaluation funds is not restated: it is carried at coefficient 1.
    const int baseKey = capitalIncreaseFromFunds ? accountKey : MonthKey(base);

    emptyResults(sheet);
    if (!fillIndexField(sheet, kBaseIndex, index, baseKey, prompt) ||
        !fillIndexField(sheet, kAccountIndex, index, accountKey, prompt)) {
        emptyResults(sheet);
        return false;
    }
    const double coefficient =
        Coefficient(ParseAmount(sheet.text(kBaseIndex)), ParseAmount(sheet.text(kAccountIndex)));
    const double adjusted = RoundDecimals(coefficient * amount, 2);
    sheet.setText(kCoefficient, FormatFloat(patterns::kCoefficient, coefficient));
    sheet.setText(kAdjusted, FormatFloat(patterns::kAmount, adjusted));
    sheet.setText(kDifference,
                  FormatFloat(patterns::kAmount, capitalIncreaseFromFunds ? amount : adjusted - amount));

    EquityText text;
    text.mainAccount = mainAccount;
    text.subAccount = sheet.text(QStringLiteral("KoduEditO"));
    text.name = sheet.text(QStringLiteral("AdiEditO"));
    text.difference = reformattedAmount(sheet.text(kDifference));
    text.fromRevaluationFunds = fromRevaluationFunds;
    text.netValueSentence = netValueSentence(amountText(amount), sheet.text(kCoefficient));
    if (sheet.isCapitalAccount())
        text.capitalSentence = capitalKindSentence(sheet.capitalKind());
    sheet.setLines(kText, equityExplanation(text));
    return true;
}

} // namespace velkor
