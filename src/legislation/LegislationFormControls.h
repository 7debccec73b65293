#pragma once

#include "base/SharedControls.h"

#include <QString>

namespace velkor::ctl::legislation {

inline const QString& PageControl1 = shared::PageControl1;
inline const QString MevzuatList = QStringLiteral("MevzuatList");
inline const QString MevzuatRich = QStringLiteral("MevzuatRich");
inline const QString MevzuatEdit = QStringLiteral("MevzuatEdit");
inline const QString KullanimList = QStringLiteral("KullanimList");
inline const QString KullanimRich = QStringLiteral("KullanimRich");
inline const QString KullanimEdit = QStringLiteral("KullanimEdit");
inline const QString GenelBilgiList = QStringLiteral("GenelBilgiList");
inline const QString GenelBilgiRich = QStringLiteral("GenelBilgiRich");
inline const QString GenelBilgiEdit = QStringLiteral("GenelBilgiEdit");
/// "Liste Yukle" of the three tabs.
inline const QString JvNavPanelHeader5 = QStringLiteral("JvNavPanelHeader5");
inline const QString JvNavPanelHeader2 = QStringLiteral("JvNavPanelHeader2");
inline const QString JvNavPanelHeader4 = QStringLiteral("JvNavPanelHeader4");
/// "Veri Sakla" of the three tabs.
inline const QString JvNavPanelHeader1 = QStringLiteral("JvNavPanelHeader1");
inline const QString JvNavPanelHeader3 = QStringLiteral("JvNavPanelHeader3");
inline const QString JvNavPanelHeader6 = QStringLiteral("JvNavPanelHeader6");
/// "Satır Sil" of the guide's and the general information's list.
inline const QString MenuItem1 = QStringLiteral("MenuItem1");
inline const QString MenuItem2 = QStringLiteral("MenuItem2");
/// The headings above the tabs' lists.
inline const QString MevzuatBaslik = QStringLiteral("MevzuatBaslik");
inline const QString KullanimBaslik = QStringLiteral("KullanimBaslik");
inline const QString GenelBilgiBaslik = QStringLiteral("GenelBilgiBaslik");

} // namespace velkor::ctl::legislation
