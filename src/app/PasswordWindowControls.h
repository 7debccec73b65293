#pragma once

#include "base/SharedControls.h"

#include <QString>

/// The control names of the password window (TsifreF): a window binds its widgets by these names,
/// and the CLI and the tests drive the form model with them.
namespace velkor::ctl::passwords {

inline const QString Sifre = QStringLiteral("Sifre");
inline const QString Master = QStringLiteral("Master");
inline const QString JvXPButton7 = QStringLiteral("JvXPButton7");
inline const QString& Label1 = shared::Label1;

} // namespace velkor::ctl::passwords
