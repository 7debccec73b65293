#pragma once

#include <QString>

/// The control names of the equity sheet: a window binds its widgets by these names,
/// and the CLI and the tests drive the form model with them.
namespace velkor::ctl::equity {

inline const QString Kayit_No_EditO = QStringLiteral("Kayit_No_EditO");
inline const QString DuzeltmeAnaHesapComboO = QStringLiteral("DuzeltmeAnaHesapComboO");
inline const QString KoduEditO = QStringLiteral("KoduEditO");
inline const QString AdiEditO = QStringLiteral("AdiEditO");
inline const QString GirisTarihiDateO = QStringLiteral("GirisTarihiDateO");
inline const QString YiUfeGirisDateO = QStringLiteral("YiUfeGirisDateO");
inline const QString KayitliTutariEditO = QStringLiteral("KayitliTutariEditO");
inline const QString GirisYi_UfeEditO = QStringLiteral("GirisYi_UfeEditO");
inline const QString HesapYi_UfeEditO = QStringLiteral("HesapYi_UfeEditO");
inline const QString DuzeltKatsayiEditO = QStringLiteral("DuzeltKatsayiEditO");
inline const QString DuzeltilmisTutarEditO = QStringLiteral("DuzeltilmisTutarEditO");
inline const QString EnflasyonFarkEditO = QStringLiteral("EnflasyonFarkEditO");
inline const QString SermayeGroup = QStringLiteral("SermayeGroup");
inline const QString NaktiRadio = QStringLiteral("NaktiRadio");
inline const QString AyniRadio = QStringLiteral("AyniRadio");
inline const QString Radio525 = QStringLiteral("Radio525");
inline const QString NormalBirlesmeRadio = QStringLiteral("NormalBirlesmeRadio");
inline const QString BolunmeRadio = QStringLiteral("BolunmeRadio");
inline const QString Radio549 = QStringLiteral("Radio549");
inline const QString Radio522 = QStringLiteral("Radio522");
inline const QString SermayeAciklaGroup = QStringLiteral("SermayeAciklaGroup");
inline const QString DuzeltButO = QStringLiteral("DuzeltButO");
inline const QString KaydetButtonO = QStringLiteral("KaydetButtonO");
inline const QString YeniButO = QStringLiteral("YeniButO");
inline const QString OzkaynakYazBut = QStringLiteral("OzkaynakYazBut");
inline const QString OzkaynakRich = QStringLiteral("OzkaynakRich");

/// The group its radio buttons share.
inline const QString SermayeOdemeSekli = QStringLiteral("SermayeOdemeSekli");

} // namespace velkor::ctl::equity
