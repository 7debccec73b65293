#pragma once

#include "base/SharedControls.h"

#include <QString>

/// The control names of the reference data window (TVerilerF): a window binds its widgets by these names,
/// and the CLI and the tests drive the form model with them.
namespace velkor::ctl::referencedata {

inline const QString& KapatBut = shared::KapatBut;
inline const QString& PageControl1 = shared::PageControl1;
inline const QString DuzeltmeVeritabanAktarBut = QStringLiteral("DuzeltmeVeritabanAktarBut");
inline const QString& AraEdit = shared::AraEdit;
inline const QString& AramaYap = shared::AramaYap;
inline const QString TumKoduText = QStringLiteral("TumKoduText");
inline const QString TebligText = QStringLiteral("TebligText");
inline const QString OmurYilText = QStringLiteral("OmurYilText");
inline const QString Oran2Text = QStringLiteral("Oran2Text");
inline const QString AciklamaMemo = QStringLiteral("AciklamaMemo");
inline const QString AmortismanGrid = QStringLiteral("AmortismanGrid");

} // namespace velkor::ctl::referencedata
