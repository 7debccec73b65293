#include "engine/FixedAssetAdjustment.h"

#include "base/NumberFormat.h"
#include "base/TextHelpers.h"
#include "engine/Rounding.h"

namespace velkor {

FixedAssetResult adjustFixedAsset(double k, double n, double c, double d, double a) {
    FixedAssetResult r;
    if (k == 0.0)
        return r;
    r.adjusted = RoundDecimals(c * n, 2) + d;
    r.difference = r.adjusted - k;
    r.increaseRate = (r.adjusted - k) / k;
    r.adjustedDepreciation = RoundDecimals((r.increaseRate + 1) * a, 2);
    r.depreciationDifference = r.adjustedDepreciation - a;
    return r;
}

QStringList fixedAssetExplanation(const FixedAssetExplanation& e) {
    QStringList lines = adjustmentPostings(itemLabel(e.mainAccount, e.subAccount), itemDescription(e.name),
                                           reformattedAmount(e.difference));
    lines << netValueSentence(amountText(e.netValue), e.coefficient);
    if (e.financingLines) {
        lines << financingMethodSentence(e.method, e.realInterest, e.realCoefficient);
        lines << financingAmountSentence(e.financingAmount);
    }
    if (!e.revaluationSentence.isEmpty())
        lines << e.revaluationSentence;
    if (ParseAmount(e.unamortised) > 0)
        lines << QStringLiteral("ROFM nin İtfa Olunmayan Kısmı (") + e.unamortised +
                     QStringLiteral("TL) dir.");
    lines << separatorLine();
    if (ParseAmount(e.depreciationDifference) > 0) {
        const QString amount = reformattedAmount(e.depreciationDifference);
        lines << debitLine(kAdjustmentAccount, kAdjustmentAccountName, amount) << QString();
        lines << creditLine(QStringLiteral("257"),
                            QStringLiteral("AMORTİSMAN HESABI (") + e.mainAccount + QLatin1Char('.') +
                                e.subAccount + QLatin1Char(')'),
                            amount)
              << QString();
        lines << QStringLiteral("Birikmiş Amortisman (") + e.accumulated + QStringLiteral(") X (") +
                     FormatFloat(patterns::kCoefficient, e.increaseRate) +
                     QStringLiteral(") Varlık Artış Oranı ile Düzeltilmiştir.");
        lines << separatorLine();
    }
    return lines;
}

} // namespace velkor
