#pragma once

#include <QString>

namespace velkor::ctl::deletion {

inline const QString SabitSilCheck = QStringLiteral("SabitSilCheck");
inline const QString StokSilCheck = QStringLiteral("StokSilCheck");
inline const QString OzkaynakSilCheck = QStringLiteral("OzkaynakSilCheck");
inline const QString TumunuSilCheck = QStringLiteral("TumunuSilCheck");
inline const QString KayitSilBut = QStringLiteral("KayitSilBut");

} // namespace velkor::ctl::deletion
