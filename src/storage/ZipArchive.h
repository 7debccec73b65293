#pragma once

#include "base/ShownError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

struct zip;

namespace velkor {

/// An archive that could not be opened, read or written; the text says which and why.
/// `code()` keeps libzip's error code (ZIP_ER_*), or -1 when the program found the fault.
class ZipError : public ShownError {
public:
    ZipError(const QString& message, int code = -1) : ShownError(message), m_code(code) {}
    /// libzip's error code, or -1.
    int code() const { return m_code; }

private:
    int m_code;
};

/// A ZIP archive opened with libzip. Entries may be protected with the traditional PKWARE
/// encryption: the password given at opening is used to read them and to encrypt what is
/// added. Changes are written when `commit()` is called; an archive destroyed without a
/// commit is left as it was. Non-copyable.
class ZipArchive {
public:
    enum class Mode { Read, Update, Create };

    /// Opens the archive at `path`; Create makes a new one (an existing file is replaced on
    /// commit). Throws ZipError when it cannot be opened.
    ZipArchive(const QString& path, Mode mode, const QByteArray& password = {});
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    /// The number of entries.
    int entryCount() const;
    /// The stored name of entry `index`, as the archive writes it.
    QString entryName(int index) const;
    /// True when entry `index` is stored as a symbolic link (Unix attributes).
    bool isLink(int index) const;
    /// True when entry `index` is a folder (its name ends with "/").
    bool isFolder(int index) const;
    /// The size entry `index` declares for its content once extracted, or -1 when it
    /// declares none. Only a declaration: extract() holds the entry to it.
    qint64 entrySize(int index) const;
    /// The index of the entry named `name`, or -1.
    int find(const QString& name) const;
    /// Hands the content of entry `index` to `sink` piece by piece, so that a caller can
    /// count or stop what an entry inflates to; a read error throws ZipError.
    void readInPieces(int index, const std::function<void(const char*, qint64)>& sink) const;
    /// The whole content of entry `index`, decrypted with the password. Reads at most
    /// `limit` bytes and throws when the entry is larger.
    QByteArray read(int index, qint64 limit = qint64(1) << 31) const;

    /// Adds or replaces the entry `name` with `data`, encrypted with the password when one
    /// was given.
    void write(const QString& name, const QByteArray& data);
    /// Adds or replaces the entry `name` with the file at `sourcePath`, read on commit()
    /// (so large files never sit in memory): deflated at level 9, or stored when its kind
    /// is compressed already (isCompressedKind), encrypted like write().
    void addFile(const QString& name, const QString& sourcePath);
    /// Writes entry `index` into the file `targetPath` (created or truncated), in pieces;
    /// throws when the entry's data is damaged (CRC) or the file cannot be written, and stops
    /// as soon as the content grows beyond the size the entry declares. The file
    /// is not synced: callers that rename it into place sync once for all files.
    void extract(int index, const QString& targetPath) const;
    /// Whether files of this name are stored without recompression (archives, images,
    /// office documents and the program's encrypted databases).
    static bool isCompressedKind(const QString& fileName);

    /// Deletes entry `index`.
    void remove(int index);
    /// Writes the changes to the file; the archive is closed afterwards.
    void commit();

    /// True when `name` is a bare file name that stays in the folder it is extracted to:
    /// no folder part, no "..", not absolute, no drive letter, no control character.
    static bool isBareFileName(const QString& name);

private:
    /// Opens entry `index`, runs `opened`, then hands the decrypted content to `sink` piece
    /// by piece; a read error throws `damaged` with the entry name and libzip's reason.
    void readEntry(int index, const QString& damaged, const std::function<void(const char*, qint64)>& sink,
                   const std::function<void()>& opened = {}) const;

    zip* m_zip = nullptr;
    QString m_path;
    QByteArray m_password;
};

} // namespace velkor
