#include "engine/ExplanationText.h"

#include "base/NumberFormat.h"
#include "base/TextHelpers.h"

namespace velkor {

QString separatorLine() {
    return dateSeparator(41);
}

QString debitLine(const QString& label, const QString& description, const QString& amount) {
    return PadRight(10, label) + QLatin1Char(' ') + PadRight(40, description) + QLatin1Char(' ') +
           PadLeft(23, amount);
}

QString creditLine(const QString& label, const QString& description, const QString& amount) {
    return QString(16, QLatin1Char(' ')) + debitLine(label, description, amount);
}

QString itemLabel(const QString& mainAccount, const QString& subAccount) {
    return (mainAccount + QLatin1Char('.') + subAccount).left(10);
}

QString itemDescription(const QString& name, int length) {
    return name.left(length);
}

QString amountText(double value) {
    return FormatFloat(patterns::kAmount, value);
}

QString reformattedAmount(const QString& fieldText) {
    return amountText(ParseAmount(fieldText));
}

QString financingMethodSentence(FinancingMethod method, const QString& realInterest,
                                const QString& coefficient) {
    QString start;
    switch (method) {
    case FinancingMethod::Debt:
        start = QStringLiteral("ROFM \"Borç Tutarı\" Yöntemi ile Reel Faiz (");
        break;
    case FinancingMethod::TotalFinancing:
        start = QStringLiteral("ROFM \"Toplam Finansman\" Yöntemi ile Reel Faiz (");
        break;
    case FinancingMethod::SeveralRates:
        start = QStringLiteral("ROFM \"Birden Fazla Faiz\" Yöntemi ile Reel Faiz (");
        break;
    }
    return start + realInterest + QStringLiteral(") X (") + coefficient +
           QStringLiteral(") Katsayı ile Düzeltilmiştir.");
}

QString financingAmountSentence(const QString& amount) {
    return QStringLiteral("ROFM (") + amount + QStringLiteral(") TL varlık tutarından çıkarılmıştır.");
}

QString netValueSentence(const QString& netValue, const QString& coefficient) {
    return QStringLiteral("Varlık Net Değeri (") + netValue + QStringLiteral(") X (") + coefficient +
           QStringLiteral(") Katsayı ile Düzeltilmiştir.");
}

QStringList adjustmentPostings(const QString& label, const QString& description, const QString& amount,
                               bool itemIsCredit) {
    if (itemIsCredit)
        return {separatorLine(), debitLine(kAdjustmentAccount, kAdjustmentAccountName, amount), QString(),
                creditLine(label, description, amount), QString()};
    return {separatorLine(), debitLine(label, description, amount), QString(),
            creditLine(kAdjustmentAccount, kAdjustmentAccountName, amount), QString()};
}

} // namespace velkor
