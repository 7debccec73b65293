#pragma once

#include "storage/FileLock.h"

#include <QString>
#include <memory>

namespace velkor {

/// The installation's lock for work that leaves files behind when it is interrupted: the
/// archives being written, the copies of a compaction, a restore's staging folder. Backups
/// and compactions hold it shared, a restore exclusively (it has one staging folder and
/// replaces what the others read); the start-up clean-up removes what an interrupted run
/// left only when it gets the lock at once, so it never takes the files of a running one.
class BackupWork {
public:
    /// Holds the lock in `mode`, waiting a while for the others; throws ShownError saying
    /// that another backup or restore is running.
    BackupWork(const QString& home, FileLock::Mode mode);
    ~BackupWork();
    BackupWork(const BackupWork&) = delete;
    BackupWork& operator=(const BackupWork&) = delete;

    /// The lock held exclusively when nobody else works on the installation now, else null.
    static std::unique_ptr<FileLock> tryAlone(const QString& home);
    /// The lock file.
    static QString lockPath(const QString& home);

private:
    std::unique_ptr<FileLock> m_lock;
};

} // namespace velkor
