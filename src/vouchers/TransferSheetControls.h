#pragma once

#include <QString>

/// The controls of the voucher transfer tab "Muh.Fiş Aktarımı".
namespace velkor::ctl::transfer {

inline const QString FisTransferCombo = QStringLiteral("FisTransferCombo");
inline const QString EvrakNoOnEdit = QStringLiteral("EvrakNoOnEdit");
inline const QString EvrakilkSayiEdit = QStringLiteral("EvrakilkSayiEdit");
inline const QString FisSecenekleriRadio = QStringLiteral("FisSecenekleriRadio");
inline const QString SabitAmortAyniFisCheck = QStringLiteral("SabitAmortAyniFisCheck");
inline const QString AyiracEdit = QStringLiteral("AyiracEdit");
inline const QString Hesap698Edit = QStringLiteral("Hesap698Edit");
inline const QString AmortLucaHesapEdit = QStringLiteral("AmortLucaHesapEdit");
inline const QString SKAmortHesabiCheck = QStringLiteral("SKAmortHesabiCheck");
inline const QString AmortMODVLucaHesapEdit = QStringLiteral("AmortMODVLucaHesapEdit");
inline const QString MODVAmortHesabiCheck = QStringLiteral("MODVAmortHesabiCheck");
inline const QString SKKendiAmortHesCheck = QStringLiteral("SKKendiAmortHesCheck");
inline const QString CSVSutunAyirRadio = QStringLiteral("CSVSutunAyirRadio");
inline const QString NetsisYilKoduEdit = QStringLiteral("NetsisYilKoduEdit");
inline const QString NetsisAyKoduEdit = QStringLiteral("NetsisAyKoduEdit");
inline const QString LogoFisNoEdit = QStringLiteral("LogoFisNoEdit");
inline const QString NoktaVirgulCheck = QStringLiteral("NoktaVirgulCheck");
inline const QString KapanisKaydiCheck = QStringLiteral("KapanisKaydiCheck");
inline const QString KapanisNotuLabel = QStringLiteral("KapanisNotuLabel");

inline const QString LucaTransferFisiBut = QStringLiteral("LucaTransferFisiBut");
inline const QString MikroTransferFisiBut = QStringLiteral("MikroTransferFisiBut");
inline const QString NetsisTransferFisiBut = QStringLiteral("NetsisTransferFisiBut");
inline const QString LogoXMLBut = QStringLiteral("LogoXMLBut");
inline const QString SentezExcelButton = QStringLiteral("SentezExcelButton");

} // namespace velkor::ctl::transfer
