#pragma once

#include <QString>
#include <QStringList>

namespace velkor {

/// Which of the program's backups an archive is. The three restores read the same ZIP
/// format, so an archive chosen under the wrong button would be restored half (the
/// companies without their registry) or in the wrong place; the kind tells them apart.
enum class BackupKind {
    /// One company's database, written before a deletion or by "Firma Yedeği Al":
    /// "KOD_2024_3_5_9_7_3.zip" holding "KOD.mdb", or an older "*.ydk".
    Company,
    /// Every company with the general database in its "Gen" companion (manual and automatic).
    AllCompanies,
    /// The daily rotating backup "OtoYedek1.zip" to "OtoYedek5.zip".
    Daily,
    /// None of these by its name and companion (a renamed file, a safety archive).
    Other,
};

/// The kind of the archive at `archivePath` whose entries are `entryNames`.
BackupKind backupKindOf(const QString& archivePath, const QStringList& entryNames);

/// Why a restore of `expected` kind refuses the archive, in Turkish (naming the button that
/// restores it); empty when it may go on. An archive of no known kind is left to the entry
/// rules of the restore.
QString wrongKindReason(BackupKind expected, const QString& archivePath, const QStringList& entryNames);

} // namespace velkor
