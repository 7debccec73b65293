#pragma once

#include <QString>

namespace velkor {

/// Where the program's own shipped files live, decided once for the run from where the
/// program file sits. An installed program (`PREFIX/bin/velkor` with the package's marker
/// in `PREFIX/share/velkor`) reads its shipped files from that folder and keeps the user's
/// data in the user's data folder; a program run from a build tree keeps everything in its
/// installation folder and its shipped files inside itself.
struct ProgramLayout {
    /// The folder of the shipped files with a trailing separator; empty outside an installation.
    QString shippedFolder;
    /// The version of the installed package (`0.1.0-1`), as its marker file records it.
    QString packageVersion;

    bool installed() const { return !shippedFolder.isEmpty(); }

    /// The layout of a program whose file lies in `programFolder`.
    static ProgramLayout forProgramFolder(const QString& programFolder);
};

/// The file that marks the package's shipped folder; nothing else in a build tree carries it.
inline const QString kShippedMarker = QStringLiteral("velkor-paket.ini");

/// The layout of the running program (from its own folder, the first time it is asked).
const ProgramLayout& programLayout();
/// Uses another layout from now on (tests that stand in for an installed program).
void setProgramLayout(const ProgramLayout& layout);

/// The path of a shipped file (`data/yi_ufe.csv`, `publisher.pub`, ...) in an installed
/// program's shipped folder; empty in a build tree, where the file is built into the program.
QString shippedFile(const QString& relativePath);

} // namespace velkor
