#pragma once

#include "base/SharedControls.h"

#include <QString>

/// The control names of the fixed-asset sheet: a window binds its widgets by these names,
/// and the CLI and the tests drive the form model with them.
namespace velkor::ctl::fixedasset {

inline const QString Kayit_No_Edit = QStringLiteral("Kayit_No_Edit");
inline const QString DuzeltmeAnaHesapCombo = QStringLiteral("DuzeltmeAnaHesapCombo");
inline const QString& KoduEdit = shared::KoduEdit;
inline const QString AdiEdit = QStringLiteral("AdiEdit");
inline const QString GirisTarihiDate = QStringLiteral("GirisTarihiDate");
inline const QString itfaTarihiDate = QStringLiteral("itfaTarihiDate");
inline const QString KayitliTutariEdit = QStringLiteral("KayitliTutariEdit");
inline const QString AmortSureEdit = QStringLiteral("AmortSureEdit");
inline const QString AmortOranEdit = QStringLiteral("AmortOranEdit");
inline const QString AmortYontemCombo = QStringLiteral("AmortYontemCombo");
inline const QString AmortHesaplaBut = QStringLiteral("AmortHesaplaBut");
inline const QString BirikmisAmortEdit = QStringLiteral("BirikmisAmortEdit");
inline const QString& AmortHesapEdit = shared::AmortHesapEdit;
inline const QString MDVDYokRadio = QStringLiteral("MDVDYokRadio");
inline const QString MDVDVarRadio = QStringLiteral("MDVDVarRadio");
inline const QString& MDVDCombo = shared::MDVDCombo;
inline const QString YiUfeGirisDate = QStringLiteral("YiUfeGirisDate");
inline const QString GirisYi_UfeEdit = QStringLiteral("GirisYi_UfeEdit");
inline const QString HesapYi_UfeEdit = QStringLiteral("HesapYi_UfeEdit");
inline const QString DuzeltKatsayiEdit = QStringLiteral("DuzeltKatsayiEdit");
inline const QString ROFMRadio = QStringLiteral("ROFMRadio");
inline const QString ROFMBasDate = QStringLiteral("ROFMBasDate");
inline const QString ROFMBitDate = QStringLiteral("ROFMBitDate");
inline const QString ROFMAnaparaEdit = QStringLiteral("ROFMAnaparaEdit");
inline const QString ROFMFaizEdit = QStringLiteral("ROFMFaizEdit");
inline const QString FaizOcakAlCheck = QStringLiteral("FaizOcakAlCheck");
inline const QString ROFMHesapla = QStringLiteral("ROFMHesapla");
inline const QString ROFMEdit = QStringLiteral("ROFMEdit");
inline const QString ROFMDuzeltilmisEdit = QStringLiteral("ROFMDuzeltilmisEdit");
inline const QString ROFMArtisEdit = QStringLiteral("ROFMArtisEdit");
inline const QString ROFMFaizOranEdit = QStringLiteral("ROFMFaizOranEdit");
inline const QString ReelFaizEdit = QStringLiteral("ReelFaizEdit");
inline const QString ReelFaizKatsayiEdit = QStringLiteral("ReelFaizKatsayiEdit");
inline const QString Duz_Reel_FaizEdit = QStringLiteral("Duz_Reel_FaizEdit");
inline const QString ROFM_Ayrilmamis_AmortEdit = QStringLiteral("ROFM_Ayrilmamis_AmortEdit");
inline const QString DuzeltilmisTutarEdit = QStringLiteral("DuzeltilmisTutarEdit");
inline const QString EnflasyonFarkEdit = QStringLiteral("EnflasyonFarkEdit");
inline const QString DuzeltilmisAmortismanEdit = QStringLiteral("DuzeltilmisAmortismanEdit");
inline const QString AmortismanFarkEdit = QStringLiteral("AmortismanFarkEdit");
inline const QString DuzeltBut = QStringLiteral("DuzeltBut");
inline const QString KaydetButton = QStringLiteral("KaydetButton");
inline const QString YeniBut = QStringLiteral("YeniBut");
inline const QString YazSBKBut = QStringLiteral("YazSBKBut");
inline const QString SBKRich = QStringLiteral("SBKRich");

/// The group its radio buttons share.
inline const QString MDVD = QStringLiteral("MDVD");

} // namespace velkor::ctl::fixedasset
