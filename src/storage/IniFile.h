#pragma once

#include <QString>

namespace velkor {

/// A settings file in the format of Windows initialisation files, read and written key
/// by key. A missing file or key reads as the default; the file is created on the first
/// write, rewritten whole under a temporary name and renamed into place. UTF-8, values
/// as plain text (no escaping).
class IniFile {
public:
    explicit IniFile(const QString& path);

    const QString& path() const { return m_path; }
    QString value(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    int intValue(const QString& section, const QString& key, int defaultValue) const;
    void setValue(const QString& section, const QString& key, const QString& value);

private:
    QString m_path;
};

} // namespace velkor
