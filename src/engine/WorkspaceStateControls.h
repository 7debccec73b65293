#pragma once

#include <QString>

/// The control names of the adjustment workspace (TSabitKiymetDuzeltmeF): a window binds its widgets by these
/// names, and the CLI and the tests drive the form model with them.
namespace velkor::ctl::workspace {

inline const QString Label4 = QStringLiteral("Label4");
inline const QString HesapTarihiDate = QStringLiteral("HesapTarihiDate");
inline const QString HesapTarihAcBut = QStringLiteral("HesapTarihAcBut");
inline const QString JvXPButton19 = QStringLiteral("JvXPButton19");
inline const QString SBK_Ana_Combo = QStringLiteral("SBK_Ana_Combo");
inline const QString AraEdit = QStringLiteral("AraEdit");
inline const QString AramaYap = QStringLiteral("AramaYap");
inline const QString DuzeltmePage = QStringLiteral("DuzeltmePage");

} // namespace velkor::ctl::workspace
