#pragma once

#include "base/SharedControls.h"

#include <QString>

/// The control names of the companies window (TGirisRF): a window binds its widgets by these names,
/// and the CLI and the tests drive the form model with them.
namespace velkor::ctl::companies {

inline const QString FirmalarGrid = QStringLiteral("FirmalarGrid");
inline const QString& FirmaSecBut = shared::FirmaSecBut;
inline const QString FirmaSilBut = QStringLiteral("FirmaSilBut");
inline const QString FirmaTasiBut = QStringLiteral("FirmaTasiBut");
inline const QString& KapatBut = shared::KapatBut;
inline const QString FirmayiSec1 = QStringLiteral("FirmayiSec1");
inline const QString FirmayiSil1 = QStringLiteral("FirmayiSil1");
inline const QString Label5 = QStringLiteral("Label5");
inline const QString OtoYedekCheck = QStringLiteral("OtoYedekCheck");
inline const QString OtoYedekEdit = QStringLiteral("OtoYedekEdit");
inline const QString yedekgunEdit = QStringLiteral("yedekgunEdit");
inline const QString& Label3 = shared::Label3;
inline const QString DateTimePicker1 = QStringLiteral("DateTimePicker1");
inline const QString OtomatikGunlukCheck = QStringLiteral("OtomatikGunlukCheck");
inline const QString OtoYedekAdresBulBut = QStringLiteral("OtoYedekAdresBulBut");
inline const QString OtoYedekAdresSaklaBut = QStringLiteral("OtoYedekAdresSaklaBut");
inline const QString TumFirmaYedekAlBut = QStringLiteral("TumFirmaYedekAlBut");
inline const QString FirmaYedekAlBut = QStringLiteral("FirmaYedekAlBut");
inline const QString TumFirmaGeriYukleBut = QStringLiteral("TumFirmaGeriYukleBut");
inline const QString TekFirmaGeriYukleBut = QStringLiteral("TekFirmaGeriYukleBut");
inline const QString OtomatikYedekGeriYukleBut = QStringLiteral("OtomatikYedekGeriYukleBut");

} // namespace velkor::ctl::companies
