#pragma once

#include <clocale>

namespace velkor {

/// Within its lifetime the C library reads and writes numbers with "." on the calling
/// thread, whatever LC_NUMERIC the user's desktop has. Libraries that format numbers with
/// printf (the workbook writer writes "%.16G" into its XML) would otherwise write "12,5"
/// under a Turkish or German locale, which no spreadsheet program reads as a number.
class ClassicNumbersScope {
public:
    ClassicNumbersScope();
    ~ClassicNumbersScope();
    ClassicNumbersScope(const ClassicNumbersScope&) = delete;
    ClassicNumbersScope& operator=(const ClassicNumbersScope&) = delete;

private:
    /// The thread's locale before the scope, given back at its end.
    locale_t m_previous = nullptr;
    /// The thread's locale within the scope: the previous one with C numbers.
    locale_t m_classic = nullptr;
};

/// Makes the process read and write numbers with "." in the C library (LC_NUMERIC "C"),
/// keeping the rest of the user's locale (character classes, messages). Qt sets the whole
/// locale from the environment when the application object is made, so the programs call
/// this right after making it. Amounts the user sees are formatted and read by the program
/// itself with the regional separators; the C library's numbers never reach the user.
void useClassicNumbers();

} // namespace velkor
