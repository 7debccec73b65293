#pragma once

#include <QByteArray>
#include <QString>

namespace velkor {

/// Text in the Windows-1254 (Turkish) code page.
struct EncodedText {
    QByteArray bytes;
    /// How many characters had no Windows-1254 form and were written as "?".
    int replaced = 0;
};

/// Converts a text to Windows-1254 without a byte-order mark; each character the code
/// page lacks becomes "?" and is counted. The conversion is the C library's (iconv).
EncodedText toWindows1254(const QString& text);

} // namespace velkor
