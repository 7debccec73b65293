#pragma once

#include "storage/Database.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace velkor {

/// The installation folder with a trailing separator: the folder set by
/// setInstallationFolder() (the CLI's --home, the tests); else, for an installed program,
/// the user's data folder (userDataFolder()); else the folder of the program file, or the
/// user's data folder when that one is not writable.
QString GetPathPath();
/// Uses another installation folder from now on.
void setInstallationFolder(const QString& folder);

/// The template company database new companies are copied from: the one an installed
/// program ships, else SBK.mdb in the installation folder.
QString templateDatabase(const QString& folder);

/// Creates what the installation folder lacks: the template (not for an installed
/// program, which ships it) and placeholder company
/// databases, the general database (with the default master password), the reference
/// rates database filled from the shipped data, and the folders Data/ and Yedek/.
/// Existing files are never overwritten; new files appear complete or not at all.
void ensureInstallation(const QString& folder);

/// The shared databases every run opens: AnaData/SBK.mdb, AnaData/Genel.mdb, AnaData/Oranlar.mdb.
QStringList sharedDatabaseFiles(const QString& folder);
/// Whether the folder holds none of the shared databases nor the template yet (a first start).
bool isNewInstallation(const QString& folder);
/// Throws ShownError naming the first shared database missing from the folder. Creates
/// nothing: a recreated empty registry would drop every company while its file stays.
void requireInstallation(const QString& folder);

/// Creates a new database file atomically: the file is built under a temporary name by
/// `build` and renamed into place only when complete.
void createDatabaseFile(const QString& path, const std::function<void(Database&)>& build);

/// What a new installation's registry (Genel.mdb) and reference tables (Oranlar.mdb) hold,
/// built into an empty database of either engine.
void buildGeneralDatabase(Database& db);
void buildRatesDatabase(Database& db);

} // namespace velkor
