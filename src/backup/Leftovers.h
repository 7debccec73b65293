#pragma once

#include <QString>

namespace velkor {

/// Removes at start what runs killed half-way left behind, when no other program works on
/// the installation (BackupWork): it completes or forgets an interrupted restore, removes
/// the copies of interrupted backups ("Yedek/.yedekleniyor-*") and compactions
/// ("Data/KOD.mdb.bakim"), and settles archives left under their pending names in the
/// backup folders ("Yedek", the automatic and the last manual backup's folder): a pending
/// companion is complete and its archive in place, so it gets its name; a pending archive
/// is named with its pending companion, and otherwise removed, as are the half-written
/// files of the archive library. Best effort: what cannot be removed stays for the next start.
void clearLeftovers(const QString& home);

} // namespace velkor
