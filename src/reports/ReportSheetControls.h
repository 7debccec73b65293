#pragma once

#include <QString>

/// The control names of the report list and account totals tabs: a window binds its widgets by these names,
/// and the CLI and the tests drive the form model with them.
namespace velkor::ctl::report {

inline const QString RaporListeCombo = QStringLiteral("RaporListeCombo");
inline const QString RaporListeButton = QStringLiteral("RaporListeButton");
inline const QString ExcelDuzRapBut = QStringLiteral("ExcelDuzRapBut");
inline const QString DuzRapYazBut = QStringLiteral("DuzRapYazBut");
inline const QString GenelAmortluBut = QStringLiteral("GenelAmortluBut");
inline const QString AnaHesapRaporButton = QStringLiteral("AnaHesapRaporButton");
inline const QString AnaHesapExcelBut = QStringLiteral("AnaHesapExcelBut");
inline const QString AnaHesapYazBut = QStringLiteral("AnaHesapYazBut");
inline const QString SBKGrid = QStringLiteral("SBKGrid");
inline const QString ToplamGrid = QStringLiteral("ToplamGrid");

} // namespace velkor::ctl::report
