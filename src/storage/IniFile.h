#pragma once

#include <QString>

namespace velkor {

/// A settings file in the format of Windows initialisation files, read and written key
/// by key. A missing file or key reads as the default; the file is created on the first
/// write, rewritten whole under a temporary name and renamed into place. UTF-8, values
/// as plain text (no escaping). Only a regular file of at most kSizeLimit bytes is read;
/// anything else (a FIFO, a device, a folder, a bigger file) reads as missing, and
/// readProblem() says so. Writing replaces an oversized file and refuses the others.
class IniFile {
public:
    /// The largest settings file read: 1 MB.
    static constexpr qint64 kSizeLimit = 1 << 20;

    explicit IniFile(const QString& path);

    /// Why the file is not read and the defaults stand in for it, or empty.
    QString readProblem() const;

    const QString& path() const { return m_path; }
    QString value(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    int intValue(const QString& section, const QString& key, int defaultValue) const;
    void setValue(const QString& section, const QString& key, const QString& value);

private:
    QString m_path;
};

} // namespace velkor
