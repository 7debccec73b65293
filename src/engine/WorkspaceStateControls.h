#pragma once

#include "base/SharedControls.h"

#include <QString>

/// The control names of the adjustment workspace (TSabitKiymetDuzeltmeF): a window binds its widgets by these
/// names, and the CLI and the tests drive the form model with them.
namespace velkor::ctl::workspace {

inline const QString& Label4 = shared::Label4;
inline const QString HesapTarihiDate = QStringLiteral("HesapTarihiDate");
inline const QString HesapTarihAcBut = QStringLiteral("HesapTarihAcBut");
inline const QString DuzeltmeDonemiCombo = QStringLiteral("DuzeltmeDonemiCombo");
inline const QString& JvXPButton19 = shared::JvXPButton19;
inline const QString& SBK_Ana_Combo = shared::SBK_Ana_Combo;
inline const QString& AraEdit = shared::AraEdit;
inline const QString& AramaYap = shared::AramaYap;
inline const QString DuzeltmePage = QStringLiteral("DuzeltmePage");
inline const QString SBKListeGrid = QStringLiteral("SBKListeGrid");

} // namespace velkor::ctl::workspace
