#pragma once

#include "base/FormModel.h"
#include "engine/EquitySheetControls.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheetControls.h"

#include <QDate>
#include <QVariant>

#include <functional>

namespace velkor {

struct ItemPosting;
class Dataset;
class RowStamp;
class Table;

/// The register and adjustment controls every item sheet has, under the names of one sheet
/// (suffixed "S" on the stock sheet and "O" on the equity sheet).
struct ItemFields {
    QString record;       ///< `Kayit_No_Edit`
    QString account;      ///< `DuzeltmeAnaHesapCombo`
    QString code;         ///< `KoduEdit`
    QString name;         ///< `AdiEdit`
    QString entryDate;    ///< `GirisTarihiDate`
    QString baseDate;     ///< `YiUfeGirisDate`
    QString bookValue;    ///< `KayitliTutariEdit`
    QString baseIndex;    ///< `GirisYi_UfeEdit`
    QString accountIndex; ///< `HesapYi_UfeEdit`
    QString coefficient;  ///< `DuzeltKatsayiEdit`
    QString adjusted;     ///< `DuzeltilmisTutarEdit`
    QString difference;   ///< `EnflasyonFarkEdit`
};

/// The fixed-asset sheet's register controls.
inline const ItemFields kFixedAssetFields{ctl::fixedasset::Kayit_No_Edit,
                                          ctl::fixedasset::DuzeltmeAnaHesapCombo,
                                          ctl::fixedasset::KoduEdit,
                                          ctl::fixedasset::AdiEdit,
                                          ctl::fixedasset::GirisTarihiDate,
                                          ctl::fixedasset::YiUfeGirisDate,
                                          ctl::fixedasset::KayitliTutariEdit,
                                          ctl::fixedasset::GirisYi_UfeEdit,
                                          ctl::fixedasset::HesapYi_UfeEdit,
                                          ctl::fixedasset::DuzeltKatsayiEdit,
                                          ctl::fixedasset::DuzeltilmisTutarEdit,
                                          ctl::fixedasset::EnflasyonFarkEdit};
/// The stock sheet's register controls.
inline const ItemFields kStockFields{
    ctl::stock::Kayit_No_EditS,     ctl::stock::DuzeltmeAnaHesapComboS, ctl::stock::KoduEditS,
    ctl::stock::AdiEditS,           ctl::stock::GirisTarihiDateS,       ctl::stock::YiUfeGirisDateS,
    ctl::stock::KayitliTutariEditS, ctl::stock::GirisYi_UfeEditS,       ctl::stock::HesapYi_UfeEditS,
    ctl::stock::DuzeltKatsayiEditS, ctl::stock::DuzeltilmisTutarEditS,  ctl::stock::EnflasyonFarkEditS};
/// The equity sheet's register controls.
inline const ItemFields kEquityFields{
    ctl::equity::Kayit_No_EditO,     ctl::equity::DuzeltmeAnaHesapComboO, ctl::equity::KoduEditO,
    ctl::equity::AdiEditO,           ctl::equity::GirisTarihiDateO,       ctl::equity::YiUfeGirisDateO,
    ctl::equity::KayitliTutariEditO, ctl::equity::GirisYi_UfeEditO,       ctl::equity::HesapYi_UfeEditO,
    ctl::equity::DuzeltKatsayiEditO, ctl::equity::DuzeltilmisTutarEditO,  ctl::equity::EnflasyonFarkEditO};

/// A field's text read as an amount, for a DOUBLE column.
QVariant amountOf(const FormModel& sheet, const QString& field);
/// Edits the row whose `id` is the record number when it exists, else appends a new one. An
/// existing row is refused (ShownError) while a later period of the company is closed.
void editOrAppend(Table& table, const QString& recordNumber);
/// Edits or appends the row of the record number, lets `writeColumns` set its values and
/// posts it. A refused value cancels the row, so no half-written row is left for the next
/// save to post, and is thrown on. Returns the row's `id`.
/// With `shown`, the save is refused (StaleRowError) when the stored row is no longer the
/// one the stamp took, and the stamp takes the row as saved.
qint64 saveItemRow(Table& table, const QString& recordNumber, const std::function<void()>& writeColumns,
                   RowStamp* shown = nullptr);
/// The stamp of the stored item row of a record number (empty when there is none).
RowStamp storedItemStamp(Table& table, const QString& recordNumber);

/// Sets `anahesapkodu`, `sbk_kodu` and `sbk_adi` from the account, code and name.
void writeItemIdentity(Table& table, const FormModel& sheet, const ItemFields& fields);
/// Sets `Giris_Yi_UFE`, `Hesap_Yi_UFE` and `Duzeltme_Katsayisi` from their fields.
void writeIndexColumns(Table& table, const FormModel& sheet, const ItemFields& fields);
/// Sets the identity, `fatura_tarihi`, `Hesap_Yi_UFE_Tarihi` (the adjustment date),
/// `Giris_Yi_UFE_Tarihi`, `VUK_Son_Degeri` and the index columns; invalid dates become null.
void writeRegisterColumns(Table& table, const FormModel& sheet, const ItemFields& fields,
                          const QDate& adjustmentDate);
/// Sets `Duzeltilmis_Tutar` and `Enflasyon_Farki` from their fields.
void writeResultColumns(Table& table, const FormModel& sheet, const ItemFields& fields);

/// Shows a DATE column in a date field; a null column leaves the field as it is.
void loadDate(FormModel& form, const QString& field, const Dataset& row, const QString& column);
/// A DOUBLE column as an amount text ("#,##0.00"); null reads as 0.
QString amountColumn(const Dataset& row, const QString& column);
/// Shows `id`, `anahesapkodu`, `sbk_kodu` and `sbk_adi` in their fields.
void loadItemIdentity(FormModel& sheet, const ItemFields& fields, const Dataset& row);
/// Shows `Giris_Yi_UFE` and `Hesap_Yi_UFE` as amounts and `Duzeltme_Katsayisi` in general format.
void loadIndexFields(FormModel& sheet, const ItemFields& fields, const Dataset& row);
/// Shows the identity, the entry, adjustment (`HesapTarihiDate` of the state) and base
/// dates, `VUK_Son_Degeri` and the index fields.
void loadRegisterFields(FormModel& sheet, const ItemFields& fields, FormModel& state, const Dataset& row);
/// Shows `Duzeltilmis_Tutar` and `Enflasyon_Farki` as amounts.
void loadResultFields(FormModel& sheet, const ItemFields& fields, const Dataset& row);

/// Takes the posted item from a stored row: account, code, the name cut at 35 characters
/// and `Enflasyon_Farki` as an amount.
void readStoredPosting(ItemPosting& posting, const Dataset& row);
/// Takes the posted item from the sheet: account, code, name and the difference re-read as an amount.
void readSheetPosting(ItemPosting& posting, const FormModel& sheet, const ItemFields& fields);

} // namespace velkor
