#pragma once

#include "base/SharedControls.h"

#include <QString>

/// The control names of the entry window (TGirisF): a window binds its widgets by these names,
/// and the CLI and the tests drive the form model with them.
namespace velkor::ctl::entry {

inline const QString& Label3 = shared::Label3;
inline const QString firmaedit = QStringLiteral("firmaedit");
inline const QString& Label1 = shared::Label1;
inline const QString& Label2 = shared::Label2;
inline const QString sifreEdit = QStringLiteral("sifreEdit");
inline const QString& FirmaSecBut = shared::FirmaSecBut;
inline const QString YeniFirmaBut = QStringLiteral("YeniFirmaBut");
inline const QString DuzeltmeBut = QStringLiteral("DuzeltmeBut");
inline const QString JvXPButton3 = QStringLiteral("JvXPButton3");
/// Shown by an installed program only: where the installation folder lives.
inline const QString VeriKlasoruBut = QStringLiteral("VeriKlasoruBut");

} // namespace velkor::ctl::entry
