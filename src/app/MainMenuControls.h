#pragma once

#include "base/SharedControls.h"

#include <QString>

/// The control names of the main menu (TAnaMenuF): a window binds its widgets by these names,
/// and the CLI and the tests drive the form model with them.
namespace velkor::ctl::mainmenu {

inline const QString& Label1 = shared::Label1;
inline const QString& Label2 = shared::Label2;
inline const QString& Label3 = shared::Label3;
inline const QString& Label4 = shared::Label4;
inline const QString& JvXPButton19 = shared::JvXPButton19;
inline const QString BitBtn2 = QStringLiteral("BitBtn2");
inline const QString BitBtn5 = QStringLiteral("BitBtn5");
inline const QString MenuBar = QStringLiteral("MenuBar");
inline const QString YardimBarItems0 = QStringLiteral("YardimBarItems0");
inline const QString YardimBarItems1 = QStringLiteral("YardimBarItems1");
inline const QString YardimBarItems2 = QStringLiteral("YardimBarItems2");
inline const QString YardimBarItems3 = QStringLiteral("YardimBarItems3");
inline const QString YardimBarItems4 = QStringLiteral("YardimBarItems4");
inline const QString EkIslemBarItems0 = QStringLiteral("EkIslemBarItems0");
inline const QString EkIslemBarItems1 = QStringLiteral("EkIslemBarItems1");
inline const QString EkIslemBarItems2 = QStringLiteral("EkIslemBarItems2");
inline const QString VeriAktarimBarItems0 = QStringLiteral("VeriAktarimBarItems0");
inline const QString GeneIslemBarItems0 = QStringLiteral("GeneIslemBarItems0");
inline const QString AyarlarBarItems0 = QStringLiteral("AyarlarBarItems0");
inline const QString AyarlarBarItems1 = QStringLiteral("AyarlarBarItems1");

} // namespace velkor::ctl::mainmenu
