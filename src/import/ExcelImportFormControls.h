#pragma once

#include "base/SharedControls.h"

#include <QString>

namespace velkor::ctl::excelimport {

inline const QString UyariLabel = QStringLiteral("UyariLabel");
inline const QString SayfaLabel = QStringLiteral("SayfaLabel");
inline const QString StringGrid1 = QStringLiteral("StringGrid1");

inline const QString AnaHesapE = QStringLiteral("AnaHesapE");
inline const QString AlHesapKodE = QStringLiteral("AlHesapKodE");
inline const QString HesapAdiEdit = QStringLiteral("HesapAdiEdit");
inline const QString GirisTarihiE = QStringLiteral("GirisTarihiE");
inline const QString KayitliTutarE = QStringLiteral("KayitliTutarE");
inline const QString PasifTutarE = QStringLiteral("PasifTutarE");
inline const QString AmortSureE = QStringLiteral("AmortSureE");
inline const QString AmortYontemE = QStringLiteral("AmortYontemE");
inline const QString BirikmisAmortismanE = QStringLiteral("BirikmisAmortismanE");
inline const QString& AmortHesapEdit = shared::AmortHesapEdit;
inline const QString BasSatirE = QStringLiteral("BasSatirE");
inline const QString BitSatirE = QStringLiteral("BitSatirE");

inline const QString ilkUcHarfCheck = QStringLiteral("ilkUcHarfCheck");
inline const QString AnaHesapBurdanCheck = QStringLiteral("AnaHesapBurdanCheck");
inline const QString& SBK_Ana_Combo = shared::SBK_Ana_Combo;
inline const QString BorcAlacakBuCheck = QStringLiteral("BorcAlacakBuCheck");
inline const QString SabitKiymetAktarmaCheck = QStringLiteral("SabitKiymetAktarmaCheck");
inline const QString StoklarAktarmaCheck = QStringLiteral("StoklarAktarmaCheck");
inline const QString StoklarBasitOrtalamaCheck = QStringLiteral("StoklarBasitOrtalamaCheck");
inline const QString& MDVDCombo = shared::MDVDCombo;

inline const QString ExcelVerialBut = QStringLiteral("ExcelVerialBut");
inline const QString KayitAktarBut = QStringLiteral("KayitAktarBut");
inline const QString SiraNumaraBut = QStringLiteral("SiraNumaraBut");
inline const QString JvXPButton5 = QStringLiteral("JvXPButton5");

} // namespace velkor::ctl::excelimport
