#pragma once

#include "backup/ZipError.h"

#include <QString>
#include <vector>

struct zip;

namespace velkor {

/// One entry of an archive as its central directory describes it.
struct ZipEntry {
    qint64 index = 0;
    /// The name exactly as stored (bytes read as UTF-8).
    QString name;
    /// Uncompressed size in bytes.
    qint64 size = 0;
    /// Whether the entry is a symbolic link (Unix attributes) or a folder.
    bool isLink = false;
    bool isFolder = false;
};

/// An open ZIP archive (libzip), either being written or read. Writing collects the
/// entries and writes the archive in one go on commit(): libzip builds it under a
/// temporary name next to the target and renames it into place, so a failed or
/// interrupted write leaves no half archive. Failures throw ZipError with libzip's code.
class ZipArchive {
public:
    enum class Mode { Read, Write };

    /// Opens `path` for reading (it must be a consistent archive) or for writing a new
    /// archive that replaces any file of that name on commit().
    ZipArchive(const QString& path, Mode mode);
    /// Discards an uncommitted archive.
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    const QString& path() const { return m_path; }

    /// Adds the file at `sourcePath` as entry `entryName`, deflated at level 9 unless its
    /// kind is compressed already (then stored). The file is read on commit().
    void addFile(const QString& entryName, const QString& sourcePath);
    /// Writes the archive and closes it.
    void commit();

    /// The entries of an archive opened for reading.
    std::vector<ZipEntry> entries() const;
    /// Writes entry `index` into the file `targetPath` (created or truncated) and checks
    /// its CRC; throws when the archive data is damaged. The file is not synced: callers
    /// that rename it into place sync the file system once for all files.
    void extract(qint64 index, const QString& targetPath) const;

    /// Whether files of this name are stored without recompression (archives, images,
    /// office documents and the program's encrypted databases).
    static bool isCompressedKind(const QString& fileName);

private:
    [[noreturn]] void fail(const QString& what) const;

    QString m_path;
    Mode m_mode;
    zip* m_zip = nullptr;
};

} // namespace velkor
