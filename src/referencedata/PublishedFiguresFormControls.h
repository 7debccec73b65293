#pragma once

#include <QString>

/// The control names of the page adding published figures in the reference data window:
/// the window binds its widgets by these names, and the tests drive the form model with them.
namespace velkor::ctl::figures {

inline const QString VeriTuruRadio = QStringLiteral("VeriTuruRadio");
inline const QString KaynakEdit = QStringLiteral("KaynakEdit");
inline const QString SatirlarMemo = QStringLiteral("SatirlarMemo");
inline const QString DosyadanOkuBut = QStringLiteral("DosyadanOkuBut");
inline const QString EkleBut = QStringLiteral("EkleBut");
inline const QString YiUfeKapsamText = QStringLiteral("YiUfeKapsamText");
inline const QString TefeKapsamText = QStringLiteral("TefeKapsamText");
inline const QString FaizKapsamText = QStringLiteral("FaizKapsamText");
inline const QString AmortismanKapsamText = QStringLiteral("AmortismanKapsamText");

} // namespace velkor::ctl::figures
