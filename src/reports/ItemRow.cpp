#include "reports/ItemRow.h"

#include "base/TextHelpers.h"
#include "storage/Dataset.h"

namespace velkor {

namespace {

// The order of the columns in ItemRowReader::m_columns.
enum Column {
    MainAccount,
    SubAccount,
    Name,
    RegisteredValue,
    AccumulatedDepreciation,
    AdjustedAmount,
    AdjustedDepreciation,
    Difference,
    DepreciationDifference,
    EntryIndex,
    AccountIndex,
    StoredCoefficient,
    FinancingInterest,
    FinancingCost,
    FinancingMethod,
    RealFinancing,
    RealCoefficient,
    UnseparatedDepreciation,
    RevaluationMark,
    RevaluationDate,
    Kind,
    RowKind,
    ColumnCount
};

const char* const kColumnNames[ColumnCount] = {"anahesapkodu",
                                               "sbk_kodu",
                                               "sbk_adi",
                                               "VUK_Son_Degeri",
                                               "vuk_birikmis_amortisman",
                                               "Duzeltilmis_Tutar",
                                               "Duzeltilmis_Amortisman",
                                               "Enflasyon_Farki",
                                               "Amortisman_Farki",
                                               "Giris_Yi_UFE",
                                               "Hesap_Yi_UFE",
                                               "Duzeltme_Katsayisi",
                                               "ROFM_Faiz",
                                               "ROFM_Tutar",
                                               "ROFM_Yontem",
                                               "ROFM_Reel_Finansman",
                                               "ROFM_Reel_Katsayi",
                                               "ROFM_Ayrilmamis_Amort",
                                               "MDVD_Yapildi",
                                               "MDVD_Tarih",
                                               "Hesaplama_Yontemi",
                                               "SBK_Diger"};

} // namespace

const QStringList& itemRowColumns() {
    static const QStringList columns = [] {
        QStringList names;
        for (const char* name : kColumnNames)
            names << QString::fromLatin1(name);
        return names;
    }();
    return columns;
}

ItemRowReader::ItemRowReader(const Dataset& dataset) : m_dataset(dataset) {
    m_columns.reserve(ColumnCount);
    for (const QString& name : itemRowColumns())
        m_columns.push_back(dataset.columnIndex(name));
}

ItemRow ItemRowReader::read(int row) const {
    static const QVariant null;
    const auto cell = [&](Column c) -> const QVariant& {
        const int index = m_columns[c];
        return index < 0 ? null : m_dataset.cell(row, index);
    };
    const auto text = [&](Column c) {
        const QVariant& v = cell(c);
        return v.isNull() ? QString() : v.toString();
    };
    const auto number = [&](Column c) {
        const QVariant& v = cell(c);
        return v.isNull() ? 0.0 : v.toDouble();
    };
    const auto optional = [&](Column c) -> std::optional<double> {
        const QVariant& v = cell(c);
        if (v.isNull())
            return std::nullopt;
        return v.toDouble();
    };

    ItemRow item;
    item.mainAccount = text(MainAccount);
    item.accountNumber = ParseAmount(item.mainAccount);
    item.subAccount = text(SubAccount);
    item.name = text(Name);
    item.registeredValue = number(RegisteredValue);
    item.accumulatedDepreciation = number(AccumulatedDepreciation);
    item.adjustedAmount = number(AdjustedAmount);
    item.adjustedDepreciation = number(AdjustedDepreciation);
    item.difference = number(Difference);
    item.depreciationDifference = optional(DepreciationDifference);
    item.entryIndex = optional(EntryIndex);
    item.accountIndex = optional(AccountIndex);
    item.storedCoefficient = optional(StoredCoefficient);
    item.financingInterest = optional(FinancingInterest);
    item.financingCost = number(FinancingCost);
    item.financingMethod = text(FinancingMethod);
    item.realFinancing = number(RealFinancing);
    item.realCoefficient = number(RealCoefficient);
    item.unseparatedDepreciation = number(UnseparatedDepreciation);
    item.revalued = !cell(RevaluationMark).isNull();
    item.revaluationDate = cell(RevaluationDate).toDate();
    item.kind = text(Kind);
    item.rowKind = text(RowKind);
    return item;
}

} // namespace velkor
