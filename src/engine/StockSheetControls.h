#pragma once

#include <QString>

/// The control names of the stock and other items sheet: a window binds its widgets by these names,
/// and the CLI and the tests drive the form model with them.
namespace velkor::ctl::stock {

inline const QString Kayit_No_EditS = QStringLiteral("Kayit_No_EditS");
inline const QString DuzeltmeAnaHesapComboS = QStringLiteral("DuzeltmeAnaHesapComboS");
inline const QString KoduEditS = QStringLiteral("KoduEditS");
inline const QString AdiEditS = QStringLiteral("AdiEditS");
inline const QString GirisTarihiDateS = QStringLiteral("GirisTarihiDateS");
inline const QString YiUfeGirisDateS = QStringLiteral("YiUfeGirisDateS");
inline const QString KayitliTutariEditS = QStringLiteral("KayitliTutariEditS");
inline const QString GirisYi_UfeEditS = QStringLiteral("GirisYi_UfeEditS");
inline const QString HesapYi_UfeEditS = QStringLiteral("HesapYi_UfeEditS");
inline const QString DuzeltKatsayiEditS = QStringLiteral("DuzeltKatsayiEditS");
inline const QString GercekRadio = QStringLiteral("GercekRadio");
inline const QString BasitRadio = QStringLiteral("BasitRadio");
inline const QString DevirHiziRadio = QStringLiteral("DevirHiziRadio");
inline const QString DevirHiziGroup = QStringLiteral("DevirHiziGroup");
inline const QString DBasiStokEdit = QStringLiteral("DBasiStokEdit");
inline const QString DSonuStokEdit = QStringLiteral("DSonuStokEdit");
inline const QString DonemiciSMMEdit = QStringLiteral("DonemiciSMMEdit");
inline const QString JvXPButton1 = QStringLiteral("JvXPButton1");
inline const QString DevirHiziEdit = QStringLiteral("DevirHiziEdit");
inline const QString StoktaKalmaSureEdit = QStringLiteral("StoktaKalmaSureEdit");
inline const QString ROFMRadioS = QStringLiteral("ROFMRadioS");
inline const QString ROFMBasDateS = QStringLiteral("ROFMBasDateS");
inline const QString ROFMBitDateS = QStringLiteral("ROFMBitDateS");
inline const QString ROFMAnaparaEditS = QStringLiteral("ROFMAnaparaEditS");
inline const QString ROFMFaizEditS = QStringLiteral("ROFMFaizEditS");
inline const QString FaizOcakAlCheckS = QStringLiteral("FaizOcakAlCheckS");
inline const QString ROFMHesaplaS = QStringLiteral("ROFMHesaplaS");
inline const QString ROFMEditS = QStringLiteral("ROFMEditS");
inline const QString ROFMDuzeltilmisEditS = QStringLiteral("ROFMDuzeltilmisEditS");
inline const QString ROFMArtisEditS = QStringLiteral("ROFMArtisEditS");
inline const QString ROFMFaizOranEditS = QStringLiteral("ROFMFaizOranEditS");
inline const QString ReelFaizEditS = QStringLiteral("ReelFaizEditS");
inline const QString ReelFaizKatsayiEditS = QStringLiteral("ReelFaizKatsayiEditS");
inline const QString Duz_Reel_FaizEditS = QStringLiteral("Duz_Reel_FaizEditS");
inline const QString DuzeltilmisTutarEditS = QStringLiteral("DuzeltilmisTutarEditS");
inline const QString EnflasyonFarkEditS = QStringLiteral("EnflasyonFarkEditS");
inline const QString DuzeltButS = QStringLiteral("DuzeltButS");
inline const QString KaydetButtonS = QStringLiteral("KaydetButtonS");
inline const QString YeniButS = QStringLiteral("YeniButS");
inline const QString DigerYazBut = QStringLiteral("DigerYazBut");
inline const QString DigerRich = QStringLiteral("DigerRich");

/// The group its radio buttons share.
inline const QString HesaplamaYontemi = QStringLiteral("HesaplamaYontemi");

} // namespace velkor::ctl::stock
