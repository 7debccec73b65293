#pragma once

#include <QString>

/// The control names of the journal tab: a window binds its widgets by these names,
/// and the CLI and the tests drive the form model with them.
namespace velkor::ctl::journal {

inline const QString YevmiyeRich = QStringLiteral("YevmiyeRich");
inline const QString YevmiyeCombo = QStringLiteral("YevmiyeCombo");
inline const QString YevmiyeBut = QStringLiteral("YevmiyeBut");
inline const QString YevmiyeYazBut = QStringLiteral("YevmiyeYazBut");

} // namespace velkor::ctl::journal
