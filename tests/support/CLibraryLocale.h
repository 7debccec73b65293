#pragma once

#include <QString>
#include <clocale>
#include <string>

namespace velkor::test {

/// Puts the whole C library locale of this process to a desktop's for the scope, as Qt does
/// from the environment when a program starts. `available()` is false when the machine has
/// not generated the locale.
class CLibraryLocale {
public:
    explicit CLibraryLocale(const char* name) : m_previous(std::setlocale(LC_ALL, nullptr)) {
        m_available = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~CLibraryLocale() { std::setlocale(LC_ALL, m_previous.c_str()); }
    CLibraryLocale(const CLibraryLocale&) = delete;
    CLibraryLocale& operator=(const CLibraryLocale&) = delete;

    bool available() const { return m_available; }
    /// The decimal mark printf writes under this locale.
    static QString printedDecimal() { return QString::fromLatin1(std::localeconv()->decimal_point); }

private:
    std::string m_previous;
    bool m_available = false;
};

} // namespace velkor::test
