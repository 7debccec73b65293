#pragma once

#include <QString>
#include <chrono>

namespace velkor {

/// An advisory lock on a file, shared or exclusive, for work that several processes of the
/// installation may do at once. It is the kernel's lock of the open file (Linux "open file
/// description" locks): it goes away when the object closes the file, and also when the
/// process dies in any way, kill -9 included, so no lock outlives its holder. Two objects
/// on the same file exclude each other even inside one process; a held lock changes mode
/// without being given up in between.
class FileLock {
public:
    enum class Mode { Shared, Exclusive };

    /// Opens the lock file at `path`, creating it and its folder when missing; throws
    /// ShownError when that is not possible. Holds no lock yet.
    explicit FileLock(const QString& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    /// Takes the lock in `mode` (or changes a held lock to it), trying again until `wait`
    /// has passed; a zero wait tries once. Returns whether it is held in that mode. A failed
    /// change keeps the lock held before.
    bool lock(Mode mode, std::chrono::milliseconds wait);
    /// Gives the lock up.
    void unlock();

    /// Whether another holder has the lock exclusively at this moment (only meaningful after
    /// lock() failed: then it tells an exclusive holder from shared ones).
    bool heldExclusivelyElsewhere() const;

    /// Replaces the file's text (what the exclusive holder is doing, for those who wait).
    void setNote(const QString& text);
    /// The file's text.
    QString note() const;

    const QString& path() const { return m_path; }

private:
    QString m_path;
    int m_fd = -1;
};

} // namespace velkor
