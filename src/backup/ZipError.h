#pragma once

#include "base/ShownError.h"

namespace velkor {

/// A failure of the archive library or of an archive's content. The text is Turkish and
/// shown as it stands; libzip's error code stays with it (kNoZipCode when the program
/// itself refused the archive).
class ZipError : public ShownError {
public:
    static constexpr int kNoZipCode = -1;

    explicit ZipError(const QString& message, int zipCode = kNoZipCode, int systemCode = 0)
        : ShownError(message), m_zipCode(zipCode), m_systemCode(systemCode) {}

    /// libzip's error code (ZIP_ER_*), or kNoZipCode.
    int zipCode() const { return m_zipCode; }
    /// The operating system's error number behind it, or 0.
    int systemCode() const { return m_systemCode; }

private:
    int m_zipCode;
    int m_systemCode;
};

} // namespace velkor
