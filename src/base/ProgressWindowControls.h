#pragma once

#include "base/SharedControls.h"

#include <QString>

/// The control names of the progress window (TbekleyinF): a window binds its widgets by these names,
/// and the CLI and the tests drive the form model with them.
namespace velkor::ctl::progress {

inline const QString DurumLabel = QStringLiteral("DurumLabel");
inline const QString DetayLabel = QStringLiteral("DetayLabel");
inline const QString ToplamLabel = QStringLiteral("ToplamLabel");
inline const QString ToplamGauge = QStringLiteral("ToplamGauge");
inline const QString AktifLabel = QStringLiteral("AktifLabel");
inline const QString AktifGauge = QStringLiteral("AktifGauge");
inline const QString GecenSureLabel = QStringLiteral("GecenSureLabel");
inline const QString SureLabel = QStringLiteral("SureLabel");
inline const QString& KapatBut = shared::KapatBut;

} // namespace velkor::ctl::progress
