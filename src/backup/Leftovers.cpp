#include "backup/Leftovers.h"

#include "backup/ArchiveRestore.h"
#include "backup/BackupNames.h"
#include "backup/BackupSettings.h"
#include "backup/BackupWork.h"
#include "backup/DatabaseSnapshot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace velkor {

namespace {

void removeCopyFolders(const QString& home) {
    const QDir backups(home + QStringLiteral("Yedek"));
    for (const QFileInfo& info : backups.entryInfoList({QStringLiteral(".yedekleniyor-*")},
                                                       QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot))
        QDir(info.absoluteFilePath()).removeRecursively();
}

void removeCompactionCopies(const QString& home) {
    const QDir data(home + QStringLiteral("Data"));
    for (const QFileInfo& info :
         data.entryInfoList({QStringLiteral("*.mdb.bakim")}, QDir::Files | QDir::Hidden))
        QFile::remove(info.absoluteFilePath());
}

/// The folders the program writes backup archives into.
QStringList backupFolders(const QString& home) {
    const BackupSettings settings = BackupSettings::load(home);
    QStringList folders{home + QStringLiteral("Yedek")};
    for (const QString& folder : {settings.folder, settings.lastManualFolder}) {
        const QString path = QDir::fromNativeSeparators(folder);
        if (path.size() >= 2 && QFileInfo(path).isDir())
            folders << path;
    }
    QStringList unique;
    QSet<QString> seen;
    for (const QString& folder : folders) {
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (!canonical.isEmpty() && !seen.contains(canonical)) {
            seen.insert(canonical);
            unique << canonical;
        }
    }
    return unique;
}

void settlePendingArchives(const QString& folder) {
    const QDir dir(folder);
    // The archive library writes a pending archive into "NAME.yeni.XXXXXX" and renames it.
    static const QRegularExpression halfWritten(QStringLiteral("\\.zip(Gen)?\\.yeni\\.[A-Za-z0-9]{6}$"));
    QStringList pending;
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Hidden)) {
        const QString name = info.fileName();
        if (halfWritten.match(name).hasMatch())
            QFile::remove(info.absoluteFilePath());
        else if (isPendingArchiveName(name))
            pending << info.absoluteFilePath();
    }
    for (const QString& path : pending) {
        if (path.endsWith(QLatin1String("Gen.yeni")))
            continue;
        const QString companion = pendingArchivePath(companionPath(archiveOfPending(path)));
        if (pending.contains(companion)) {
            // Both halves were complete: the archive first, as the backup would have.
            replaceFile(path, archiveOfPending(path));
        } else {
            QFile::remove(path);
        }
    }
    for (const QString& path : pending) {
        if (path.endsWith(QLatin1String("Gen.yeni")))
            replaceFile(path, archiveOfPending(path));
    }
    syncFolder(folder);
}

} // namespace

void clearLeftovers(const QString& home) {
    std::unique_ptr<FileLock> alone;
    try {
        alone = BackupWork::tryAlone(home);
    } catch (const std::exception&) {
        // An installation folder that cannot be written has nothing to clear either.
        return;
    }
    if (!alone)
        return;
    ArchiveRestore::recoverHeld(home);
    removeCopyFolders(home);
    removeCompactionCopies(home);
    for (const QString& folder : backupFolders(home)) {
        try {
            settlePendingArchives(folder);
        } catch (const std::exception&) {
            // A folder that cannot be written keeps its files; the backups in place are unharmed.
        }
    }
}

} // namespace velkor
