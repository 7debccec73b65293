#pragma once

#include "base/SharedControls.h"

#include <QString>

/// The control names of the registration window (TFirmaKayitF): a window binds its widgets by these names,
/// and the CLI and the tests drive the form model with them.
namespace velkor::ctl::registration {

inline const QString Sira_No_Edit = QStringLiteral("Sira_No_Edit");
inline const QString& KoduEdit = shared::KoduEdit;
inline const QString FirmaAdiEdit = QStringLiteral("FirmaAdiEdit");
inline const QString AdresiEdit = QStringLiteral("AdresiEdit");
inline const QString SehirEdit = QStringLiteral("SehirEdit");
inline const QString ilceEdit = QStringLiteral("ilceEdit");
inline const QString TelefonEdit = QStringLiteral("TelefonEdit");
inline const QString Telefon2Edit = QStringLiteral("Telefon2Edit");
inline const QString FaksEdit = QStringLiteral("FaksEdit");
inline const QString Vergi_DaireEdit = QStringLiteral("Vergi_DaireEdit");
inline const QString Vergi_NoEdit = QStringLiteral("Vergi_NoEdit");
inline const QString YetkiliAdiEdit = QStringLiteral("YetkiliAdiEdit");
inline const QString YetkiliUnvanEdit = QStringLiteral("YetkiliUnvanEdit");
inline const QString BrutSatis2023Edit = QStringLiteral("BrutSatis2023Edit");
inline const QString KiymetliMadenCheck = QStringLiteral("KiymetliMadenCheck");
inline const QString kaydetBut = QStringLiteral("kaydetBut");
inline const QString yeniButton = QStringLiteral("yeniButton");
inline const QString kapatBut = QStringLiteral("kapatBut");
inline const QString vazgecBut = QStringLiteral("vazgecBut");

} // namespace velkor::ctl::registration
