#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace velkor {

class Connection;
class Dataset;
class FormModel;

/// The columns of a stored item that the voucher writers read.
struct TransferRow {
    QString code;                               ///< `anahesapkodu`
    double number = 0;                          ///< the main account read with ParseAmount (N)
    QString sub;                                ///< `sbk_kodu`
    QString kind;                               ///< `Hesaplama_Yontemi`
    bool fixedAsset = false;                    ///< `SBK_Diger` is "SBK"
    double difference = 0;                      ///< `Enflasyon_Farki` (EF)
    double registeredValue = 0;                 ///< `VUK_Son_Degeri` (V)
    std::optional<double> financingInterest;    ///< `ROFM_Faiz`
    double coefficient = 0;                     ///< `Duzeltme_Katsayisi`
    double depreciationDifference = 0;          ///< `Amortisman_Farki` (AF)
    double accumulatedDepreciation = 0;         ///< `vuk_birikmis_amortisman` (A)
    std::optional<QString> depreciationAccount; ///< `amortisman_kodu`
};

/// Reads every row of a dataset over `sabit_kiymet`, in its order. A main account that
/// does not read as a number counts as 0.
std::vector<TransferRow> readTransferRows(const Dataset& dataset);

/// The rows that `FisTransferCombo`'s text selects (the columns of a transfer row from
/// `sabit_kiymet`, the group's condition with its codes bound, "ORDER BY anahesapkodu,
/// sbk_kodu"); a typed text that is no entry of the combo selects every row.
std::vector<TransferRow> selectTransferRows(Connection& company, const QString& filterText);

} // namespace velkor
