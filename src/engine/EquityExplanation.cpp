#include "engine/EquityExplanation.h"

#include "engine/ExplanationText.h"
#include "engine/StockExplanation.h"

#include <array>

namespace velkor {

namespace {

struct KindText {
    CapitalKind kind;
    const char* key;
    const char* sentence;
};

const std::array<KindText, 7> kKinds{{
    {CapitalKind::Cash, "Nakti", "Nakti sermaye ödemesi olarak ödeme tarihi esas alınmıştır."},
    {CapitalKind::InKind, "Ayni",
     "Ayni Olarak Konan Sermaye olarak Mülkiyetin İntikal Ettiği Tarih esas alınmıştır."},
    {CapitalKind::From525, "525",
     "525 Hesaptan Sermayeye İlave Edilmiş Olan Tutarlar Sermaye Artırımının Tescil Tarihi alınmıştır."},
    {CapitalKind::Merger, "NormalBirlesme",
     "Normal Vergili Birleşmelerde Yeni Şirketin Kayıtlarına İntikal Ettiği Tarih alınmıştır."},
    {CapitalKind::Division, "Bolunme",
     "Tam, Kısmi Bölünme ve Nevi Değişikliğinden devrolan işletmenin envanterine alındığı tarih alınmıştır."},
    {CapitalKind::From549, "549",
     "549 Hesaptan Sermayeye İlave Edilmiş Olan Tutarlar Sermaye Artırımının Tescil Tarihi alınmıştır."},
    {CapitalKind::From522, "522",
     "522/523/524 Hesaplardan Yapılan Sermaye Artırımı Nedeniyle artırım yapılmamış 503 hesaba işlenmiştir."},
}};

const KindText& textOf(CapitalKind kind) {
    return kKinds.at(static_cast<size_t>(kind));
}

} // namespace

QStringList equityExplanation(const EquityText& text) {
    // Equity grows on the credit side; only an increase from the revaluation funds is
    // booked the other way round, into 503 against 698.
    const bool itemIsCredit = mainAccountValue(text.mainAccount) >= 300 && !text.fromRevaluationFunds;
    QStringList lines =
        adjustmentPostings(equityItemLabel(text.mainAccount, text.subAccount, text.fromRevaluationFunds),
                           itemDescription(text.name, text.nameLength), text.difference, itemIsCredit);
    if (!text.netValueSentence.isEmpty())
        lines << text.netValueSentence;
    if (!text.capitalSentence.isEmpty())
        lines << text.capitalSentence;
    lines << separatorLine();
    return lines;
}

QString equityItemLabel(const QString& mainAccount, const QString& subAccount, bool fromRevaluationFunds) {
    if (mainAccount == QLatin1String("500"))
        return itemLabel(fromRevaluationFunds ? QStringLiteral("503") : QStringLiteral("502"), subAccount);
    return itemLabel(mainAccount, subAccount);
}

QString capitalKindKey(CapitalKind kind) {
    return QString::fromUtf8(textOf(kind).key);
}

std::optional<CapitalKind> capitalKindOfKey(const QString& key) {
    for (const KindText& k : kKinds) {
        if (key == QString::fromUtf8(k.key))
            return k.kind;
    }
    return std::nullopt;
}

QString capitalKindSentence(CapitalKind kind) {
    return QString::fromUtf8(textOf(kind).sentence);
}

} // namespace velkor
