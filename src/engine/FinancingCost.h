#pragma once

#include "base/FormModel.h"
#include "base/Prompt.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/IndexLookup.h"
#include "engine/InterestLookup.h"
#include "engine/StockSheetControls.h"

#include <QDate>
#include <optional>

namespace velkor {

/// The names of a sheet's financing controls: the fixed-asset names, suffixed "S" on the
/// stock sheet.
struct FinancingFields {
    QString method;          ///< `ROFMRadio`: 0 debt amount, 1 total financing, 2 several rates
    QString start;           ///< `ROFMBasDate`
    QString end;             ///< `ROFMBitDate`
    QString principal;       ///< `ROFMAnaparaEdit` (P)
    QString interest;        ///< `ROFMFaizEdit` (F)
    QString january;         ///< `FaizOcakAlCheck`
    QString amount;          ///< `ROFMEdit` (R)
    QString netValue;        ///< `ROFMDuzeltilmisEdit`
    QString increase;        ///< `ROFMArtisEdit`
    QString rate;            ///< `ROFMFaizOranEdit`
    QString realInterest;    ///< `ReelFaizEdit`
    QString realCoefficient; ///< `ReelFaizKatsayiEdit`
    QString adjustedReal;    ///< `Duz_Reel_FaizEdit` (D)
    QString bookValue;       ///< `KayitliTutariEdit` (K)

    /// The nine fields a load empties for a row without financing.
    QStringList resultAndInputFields() const;
};

/// The fixed-asset sheet's financing controls.
inline const FinancingFields kFixedAssetFinancing{
    ctl::fixedasset::ROFMRadio,         ctl::fixedasset::ROFMBasDate,
    ctl::fixedasset::ROFMBitDate,       ctl::fixedasset::ROFMAnaparaEdit,
    ctl::fixedasset::ROFMFaizEdit,      ctl::fixedasset::FaizOcakAlCheck,
    ctl::fixedasset::ROFMEdit,          ctl::fixedasset::ROFMDuzeltilmisEdit,
    ctl::fixedasset::ROFMArtisEdit,     ctl::fixedasset::ROFMFaizOranEdit,
    ctl::fixedasset::ReelFaizEdit,      ctl::fixedasset::ReelFaizKatsayiEdit,
    ctl::fixedasset::Duz_Reel_FaizEdit, ctl::fixedasset::KayitliTutariEdit};
/// The stock sheet's financing controls.
inline const FinancingFields kStockFinancing{
    ctl::stock::ROFMRadioS,         ctl::stock::ROFMBasDateS,         ctl::stock::ROFMBitDateS,
    ctl::stock::ROFMAnaparaEditS,   ctl::stock::ROFMFaizEditS,        ctl::stock::FaizOcakAlCheckS,
    ctl::stock::ROFMEditS,          ctl::stock::ROFMDuzeltilmisEditS, ctl::stock::ROFMArtisEditS,
    ctl::stock::ROFMFaizOranEditS,  ctl::stock::ReelFaizEditS,        ctl::stock::ReelFaizKatsayiEditS,
    ctl::stock::Duz_Reel_FaizEditS, ctl::stock::KayitliTutariEditS};

/// The captions of the financing methods of `ROFMRadio`, by index.
QStringList financingMethodCaptions();

/// What a financing computation reads besides its sheet.
struct FinancingContext {
    IndexLookup& index;
    InterestLookup& interest;
    Prompt& prompt;
    /// The adjustment date (`HesapTarihiDate`).
    QDate adjustmentDate;
    /// Fixed assets with "MDVD Var": the revaluation date, before whose month no
    /// financing may start. Nothing on the stock sheet.
    std::optional<QDate> revaluationDate;
};

namespace financing {
inline const QString kDebtAboveBookValue =
    QStringLiteral("Kredi veya faiz tutarı 'Kayıtlı Değer''den yüksek olamaz!");
inline const QString kInterestAboveBookValue =
    QStringLiteral("Faiz tutarı 'Kayıtlı Değer''den yüksek olamaz!");
inline const QString kBeforeRevaluation =
    QStringLiteral("MDVD Yapılan tarihten önceki dönem için ROFM yapılamaz!");
inline const QString kNoAverageRate = QStringLiteral("Döneme ait ortalama faiz verisi bulunamamıştır!");
} // namespace financing

/// "Borç Tutarına Göre": R = RoundDecimals(P × index increase of the financing period, 2),
/// capped at F; the real interest F − R adjusted from the end month to the adjustment
/// date. Writes the sheet's result fields; false when it stopped with a message (R, the
/// increase and the rate emptied, K in the net-value field; after a missing index value
/// the real-interest fields are emptied too). Shared by the fixed-asset and stock sheets.
bool computeDebtAmountFinancing(FormModel& sheet, const FinancingFields& fields, FinancingContext& context);
/// "Toplam Finansman": R = RoundDecimals(F × k, 2) with k the share of the start year's
/// index increase in the average rate, capped at F; otherwise as the debt method. A
/// missing average rate (year row or month) stops with its message.
bool computeTotalFinancing(FormModel& sheet, const FinancingFields& fields, FinancingContext& context);

} // namespace velkor
