#include "reports/JournalRules.h"

#include "base/NumberFormat.h"
#include "engine/IndexFields.h"

namespace velkor {

namespace {

QString amountText(double value) {
    return FormatFloat(patterns::kAmount, value);
}

QString coefficientText(double value) {
    return FormatFloat(patterns::kCoefficient, value);
}

bool isOneOf(const QString& text, std::initializer_list<const char*> values) {
    for (const char* v : values) {
        if (text == QLatin1String(v))
            return true;
    }
    return false;
}

bool isOneOf(double number, std::initializer_list<double> values) {
    for (double v : values) {
        if (number == v)
            return true;
    }
    return false;
}

QString itemAccountText(const ItemRow& row) {
    QString account = row.mainAccount;
    if (row.mainAccount == QLatin1String("500"))
        account = row.kind == QLatin1String("522") ? QStringLiteral("503") : QStringLiteral("502");
    return (account + QLatin1Char('.') + row.subAccount).left(12);
}

// K is recomputed from the stored index values: the stored coefficient of a closing-kind
// row is -1 and must not show. A stock item of the simple average was adjusted with
// H / ((G + H) / 2), not with H / G: its sentence shows the coefficient its amount was
// computed with (the stored one; the same formula for a row stored without it), or the
// sentence would contradict the amount beside it.
double coefficientOf(const ItemRow& row) {
    const bool indexed = row.entryIndex && row.accountIndex && *row.entryIndex > 0 && *row.accountIndex > 0;
    if (row.kind == QLatin1String("Basit")) {
        if (row.storedCoefficient && *row.storedCoefficient > 0)
            return *row.storedCoefficient;
        if (indexed)
            return Coefficient((*row.entryIndex + *row.accountIndex) / 2, *row.accountIndex);
        return 1.0;
    }
    if (indexed)
        return Coefficient(*row.entryIndex, *row.accountIndex);
    return 1.0;
}

QString financingMethodSentence(const QString& method) {
    if (method == QLatin1String("Borc"))
        return QStringLiteral("ROFM \"Borç Tutarı\" Yöntemi ile Reel Faiz (");
    if (method == QLatin1String("Toplam"))
        return QStringLiteral("ROFM \"Toplam Finansman\" Yöntemi ile Reel Faiz (");
    if (method == QLatin1String("Fazla"))
        return QStringLiteral("ROFM \"Birden Fazla Faiz\" Yöntemi ile Reel Faiz (");
    return {};
}

QStringList adjustmentExplanation(const ItemRow& row) {
    QStringList lines;
    const double netValue = row.registeredValue - row.financingInterest.value_or(0.0);
    lines << QStringLiteral("Varlık Net Değeri (") + amountText(netValue) + QStringLiteral(") X (") +
                 coefficientText(coefficientOf(row)) + QStringLiteral(") Katsayı ile Düzeltilmiştir.");
    if (row.financingInterest) {
        const QString method = financingMethodSentence(row.financingMethod);
        if (!method.isEmpty()) {
            lines << method + amountText(row.realFinancing) + QStringLiteral(") X (") +
                         coefficientText(row.realCoefficient) +
                         QStringLiteral(") Katsayı ile Düzeltilmiştir.");
        }
        lines << QStringLiteral("ROFM (") + amountText(row.financingCost) +
                     QStringLiteral(") TL varlık tutarından çıkarılmıştır.");
    }
    if (row.revalued) {
        lines << QStringLiteral("Varlık daha önce ") + FormatDate(row.revaluationDate) +
                     QStringLiteral(" tarihinde MDVD yapılmıştır. Düzeltmede bu tarih esas alınmıştır.");
    }
    if (row.unseparatedDepreciation > 0) {
        lines << QStringLiteral("ROFM nin İtfa Olunmayan Kısmı (") + amountText(row.unseparatedDepreciation) +
                     QStringLiteral("TL) dir.");
    }
    const QString note = kindNote(row.kind);
    if (!note.isEmpty())
        lines << note;
    return lines;
}

JournalEntry depreciationEntry(const ItemRow& row, double depreciationDifference) {
    JournalEntry entry;
    entry.debitAccount = journal::kAdjustmentAccount;
    entry.debitDescription = journal::kAdjustmentDescription;
    entry.creditAccount = row.accountNumber <= 259 ? QStringLiteral("257") : QStringLiteral("268");
    entry.creditDescription = QStringLiteral("AMORTİSMAN HESABI (") + row.mainAccount + QLatin1Char('.') +
                              row.subAccount + QLatin1Char(')');
    entry.amount = depreciationDifference;
    const double rate = (row.adjustedAmount - row.registeredValue) / row.registeredValue;
    entry.explanation << QStringLiteral("Birikmiş Amortisman (") + amountText(row.accumulatedDepreciation) +
                             QStringLiteral(") X (") + coefficientText(rate) +
                             QStringLiteral(") Varlık Artış Oranı ile Düzeltilmiştir.");
    return entry;
}

} // namespace

bool isClosingRow(const ItemRow& row) {
    return row.accountNumber >= 600 || row.mainAccount == QLatin1String("178") ||
           row.mainAccount == QLatin1String("358");
}

QString kindNote(const QString& kind) {
    if (kind == QLatin1String("Nakti"))
        return QStringLiteral("Nakti sermaye ödemesi olarak ödeme tarihi esas alınmıştır.");
    if (kind == QLatin1String("Ayni"))
        return QStringLiteral(
            "Ayni Olarak Konan Sermaye olarak Mülkiyetin İntikal Ettiği Tarih esas alınmıştır.");
    if (kind == QLatin1String("522"))
        return QStringLiteral(
            "522/523/524 Hesaplardan Yapılan Sermaye Artırımı Nedeniyle artırım yapılmamış 503 "
            "hesaba işlenmiştir.");
    if (kind == QLatin1String("525"))
        return QStringLiteral("525 Hesaptan Sermayeye İlave Edilmiş Olan Tutarlar Sermaye Artırımının Tescil "
                              "Tarihi alınmıştır.");
    if (kind == QLatin1String("NormalBirlesme"))
        return QStringLiteral("Normal Vergili Birleşmelerde Yeni Şirketin Kayıtlarına İntikal Ettiği Tarih "
                              "alınmıştır.");
    if (kind == QLatin1String("Bolunme"))
        return QStringLiteral("Tam, Kısmi Bölünme ve Nevi Değişikliğinden devrolan işletmenin envanterine "
                              "alındığı tarih alınmıştır.");
    if (kind == QLatin1String("KarKapama") || kind == QLatin1String("MDVDKapama"))
        return QStringLiteral("Geçmiş yıllar ve dönem kar zararları ile MDVD fonları kapatılmıştır.");
    return {};
}

std::vector<JournalEntry> itemEntries(const ItemRow& row) {
    std::vector<JournalEntry> entries;
    const double n = row.accountNumber;
    if (!(row.difference > 0 && row.registeredValue > 0) || isOneOf(n, {257, 268, 178, 358}))
        return entries;

    const QString itemAccount = itemAccountText(row);
    const QString itemDescription = row.name.left(40);
    const bool debited = n < 300 || isOneOf(row.kind, {"522", "KarKapama", "MDVDKapama"});
    const bool construction =
        debited ? isOneOf(row.mainAccount, {"170", "171", "172", "173", "174", "175", "176", "177"})
                : isOneOf(row.mainAccount, {"350", "351", "352", "353", "354", "355", "356", "357"});
    const QString counterAccount = construction ? journal::kConstructionAccount : journal::kAdjustmentAccount;
    const QString counterDescription =
        construction ? journal::kConstructionDescription : journal::kAdjustmentDescription;

    JournalEntry entry;
    if (debited) {
        entry.debitAccount = itemAccount;
        entry.debitDescription = itemDescription;
        entry.creditAccount = counterAccount;
        entry.creditDescription = counterDescription;
    } else {
        entry.debitAccount = counterAccount;
        entry.debitDescription = counterDescription;
        entry.creditAccount = itemAccount;
        entry.creditDescription = itemDescription;
    }
    entry.amount = row.difference;
    entry.explanation = adjustmentExplanation(row);
    entries.push_back(std::move(entry));

    if (row.depreciationDifference && *row.depreciationDifference > 0 && row.rowKind == QLatin1String("SBK"))
        entries.push_back(depreciationEntry(row, *row.depreciationDifference));
    return entries;
}

std::optional<JournalEntry> closingEntry(const ItemRow& row) {
    const bool profit = row.subAccount == QLatin1String("KAR");
    JournalEntry entry;
    if (row.mainAccount == QLatin1String("698")) {
        if (profit) {
            entry.debitAccount = journal::kAdjustmentAccount;
            entry.debitDescription = journal::kAdjustmentDescription;
            entry.creditAccount = QStringLiteral("570.698");
            entry.creditDescription = QStringLiteral("ENFLASYON DÜZELTME KARI");
            entry.amount = row.difference;
            entry.explanation << QStringLiteral("ENFLASYON DÜZELTME KARI GEÇMİŞ DÖNEM KARLARINA VİRMANI");
        } else {
            entry.debitAccount = QStringLiteral("580.698");
            entry.debitDescription = QStringLiteral("ENFLASYON DÜZELTME ZARARI");
            entry.creditAccount = journal::kAdjustmentAccount;
            entry.creditDescription = journal::kAdjustmentDescription;
            entry.amount = -row.difference;
            entry.explanation << QStringLiteral("ENFLASYON DÜZELTME ZARARI GEÇMİŞ DÖNEM ZARARLARINA VİRMANI");
        }
        return entry;
    }
    if (row.mainAccount == QLatin1String("697")) {
        entry.debitAccount = profit ? journal::kConstructionAccount : QStringLiteral("178.697");
        entry.creditAccount = profit ? QStringLiteral("358.697") : journal::kConstructionAccount;
        entry.debitDescription = journal::kConstructionDescription;
        entry.creditDescription = journal::kConstructionDescription;
        entry.amount = profit ? row.difference : -row.difference;
        entry.explanation << QStringLiteral("YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME HESABI VİRMANI");
        return entry;
    }
    return std::nullopt;
}

} // namespace velkor
