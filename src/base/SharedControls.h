#pragma once

#include <QString>

/// Control names that several windows share. Each window's own header refers to these, so that a name
/// is typed once however many windows carry a control of that name.
namespace velkor::ctl::shared {

inline const QString AmortHesapEdit = QStringLiteral("AmortHesapEdit");
inline const QString AraEdit = QStringLiteral("AraEdit");
inline const QString AramaYap = QStringLiteral("AramaYap");
inline const QString FirmaSecBut = QStringLiteral("FirmaSecBut");
inline const QString JvXPButton19 = QStringLiteral("JvXPButton19");
inline const QString KapatBut = QStringLiteral("KapatBut");
inline const QString KoduEdit = QStringLiteral("KoduEdit");
inline const QString Label1 = QStringLiteral("Label1");
inline const QString Label2 = QStringLiteral("Label2");
inline const QString Label3 = QStringLiteral("Label3");
inline const QString Label4 = QStringLiteral("Label4");
inline const QString MDVDCombo = QStringLiteral("MDVDCombo");
inline const QString PageControl1 = QStringLiteral("PageControl1");
inline const QString SBK_Ana_Combo = QStringLiteral("SBK_Ana_Combo");

} // namespace velkor::ctl::shared
