#include "engine/StockExplanation.h"

#include "base/TextHelpers.h"
#include "engine/ExplanationText.h"

namespace velkor {

QStringList stockExplanation(const StockText& text) {
    // Liabilities (accounts from 300 on) grow on the credit side, so 698 is debited.
    const bool itemIsCredit = mainAccountValue(text.mainAccount) >= 300;
    QStringList lines =
        adjustmentPostings(itemLabel(text.mainAccount, text.subAccount),
                           itemDescription(text.name, text.nameLength), text.difference, itemIsCredit);
    lines << text.sentences << separatorLine();
    return lines;
}

QString computedMethodSentence(StockMethod method) {
    switch (method) {
    case StockMethod::Real:
        return QStringLiteral("Hesaplama Yöntemi olarak \"Gerçek Yöntem\" kullanılmıştır.");
    case StockMethod::SimpleAverage:
        return QStringLiteral("Hesaplama Yöntemi olarak \"Basit Yöntem\" kullanılmıştır.");
    case StockMethod::Turnover:
        return QStringLiteral("Hesaplama Yöntemi olarak \"Devir Hızı Yöntemi\" kullanılmıştır.");
    }
    return {};
}

QString storedMethodSentence(const QString& key) {
    QString name;
    if (const std::optional<StockMethod> method = stockMethodOfKey(key)) {
        switch (*method) {
        case StockMethod::Real:
            name = QStringLiteral("Gerçek Yöntem");
            break;
        case StockMethod::SimpleAverage:
            name = QStringLiteral("Basit Ortalama Yöntem");
            break;
        case StockMethod::Turnover:
            name = QStringLiteral("Devir Hızı Yöntemi");
            break;
        }
    }
    return QStringLiteral("Hesaplama yöntemi olarak \"") + name + QStringLiteral("\" kullanılmıştır.");
}

QString stockMethodKey(StockMethod method) {
    switch (method) {
    case StockMethod::Real:
        return QStringLiteral("Gercek");
    case StockMethod::SimpleAverage:
        return QStringLiteral("Basit");
    case StockMethod::Turnover:
        return QStringLiteral("Devir");
    }
    return {};
}

std::optional<StockMethod> stockMethodOfKey(const QString& key) {
    if (key == QLatin1String("Gercek"))
        return StockMethod::Real;
    if (key == QLatin1String("Basit"))
        return StockMethod::SimpleAverage;
    if (key == QLatin1String("Devir"))
        return StockMethod::Turnover;
    return std::nullopt;
}

double mainAccountValue(const QString& mainAccount) {
    try {
        return ParseAmount(mainAccount);
    } catch (const ConversionError&) {
        return 0.0;
    }
}

} // namespace velkor
