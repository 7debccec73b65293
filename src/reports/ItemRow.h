#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace velkor {

class Dataset;

/// The columns of a stored item that the journal and the closing step read. Null
/// numbers read as 0 and null texts as empty text; the optional members are the ones
/// whose rules tell null apart from 0.
struct ItemRow {
    QString mainAccount;                          ///< `anahesapkodu`
    double accountNumber = 0;                     ///< the main account read with ParseAmount (N)
    QString subAccount;                           ///< `sbk_kodu`
    QString name;                                 ///< `sbk_adi`
    double registeredValue = 0;                   ///< `VUK_Son_Degeri` (V)
    double accumulatedDepreciation = 0;           ///< `vuk_birikmis_amortisman` (A)
    double adjustedAmount = 0;                    ///< `Duzeltilmis_Tutar`
    double adjustedDepreciation = 0;              ///< `Duzeltilmis_Amortisman` (DA)
    double difference = 0;                        ///< `Enflasyon_Farki` (EF)
    std::optional<double> depreciationDifference; ///< `Amortisman_Farki` (AF)
    std::optional<double> entryIndex;             ///< `Giris_Yi_UFE`
    std::optional<double> accountIndex;           ///< `Hesap_Yi_UFE`
    std::optional<double> storedCoefficient;      ///< `Duzeltme_Katsayisi`
    std::optional<double> financingInterest;      ///< `ROFM_Faiz`
    double financingCost = 0;                     ///< `ROFM_Tutar`
    QString financingMethod;                      ///< `ROFM_Yontem`
    double realFinancing = 0;                     ///< `ROFM_Reel_Finansman`
    double realCoefficient = 0;                   ///< `ROFM_Reel_Katsayi`
    double unseparatedDepreciation = 0;           ///< `ROFM_Ayrilmamis_Amort`
    bool revalued = false;                        ///< `MDVD_Yapildi` is not null
    QDate revaluationDate;                        ///< `MDVD_Tarih`
    QString kind;                                 ///< `Hesaplama_Yontemi`
    QString rowKind;                              ///< `SBK_Diger`
};

/// The columns an `ItemRow` is read from.
const QStringList& itemRowColumns();

/// Reads item rows out of a dataset over `sabit_kiymet`. The column positions are found
/// once, so reading many rows costs no name look-ups; a column the dataset lacks reads
/// as null.
class ItemRowReader {
public:
    explicit ItemRowReader(const Dataset& dataset);

    /// The row at a 0-based position of the dataset.
    ItemRow read(int row) const;

private:
    const Dataset& m_dataset;
    std::vector<int> m_columns;
};

} // namespace velkor
