#pragma once

#include <QString>

namespace velkor {

/// Where an installed program keeps the installation folder (databases, settings, backups):
/// the folder the office chose, else `$XDG_DATA_HOME/velkor` (`~/.local/share/velkor`).
QString userDataFolder();
/// `$XDG_DATA_HOME/velkor`, the folder used while the office has chosen none.
QString defaultDataFolder();

/// The user's settings file of the program, `$XDG_CONFIG_HOME/velkor/velkor.conf`: what
/// belongs to the user and the desktop rather than to the installation folder.
QString userSettingsFile();

/// The folder the office chose for the installation folder; empty when none was chosen.
QString chosenDataFolder();
/// Remembers the chosen folder (absolute); an empty one goes back to the default. Throws
/// DatabaseError when the settings file cannot be written.
void setChosenDataFolder(const QString& folder);

} // namespace velkor
