#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

namespace velkor::test {

/// Makes every entry of the archive at `path` declare `size` bytes of content, in its local
/// header and in the central directory, as a hostile archive does: the declarations of a
/// zip bomb without its gigabytes. Returns the number of headers changed.
inline int declareEntrySize(const QString& path, quint32 size) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return 0;
    QByteArray bytes = file.readAll();
    int changed = 0;
    const auto patch = [&](const char* signature, int offset) {
        for (qsizetype at = bytes.indexOf(signature); at >= 0; at = bytes.indexOf(signature, at + 4)) {
            if (at + offset + 4 > bytes.size())
                break;
            qToLittleEndian<quint32>(size, bytes.data() + at + offset);
            ++changed;
        }
    };
    patch("PK\x03\x04", 22);
    patch("PK\x01\x02", 24);
    file.seek(0);
    file.write(bytes);
    return changed;
}

} // namespace velkor::test
