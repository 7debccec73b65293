#include "spreadsheet/StoredZip.h"

#include <zlib.h>

namespace velkor {

namespace {

constexpr quint32 kLocalHeader = 0x04034b50;
constexpr quint32 kCentralHeader = 0x02014b50;
constexpr quint32 kEndOfDirectory = 0x06054b50;
constexpr quint16 kVersion = 10;                      // stored entries need nothing newer
constexpr quint16 kDosDate = (0 << 9) | (1 << 5) | 1; // 1 January 1980, the format's first day

void put16(QByteArray& out, quint16 value) {
    out.append(char(value & 0xff));
    out.append(char(value >> 8));
}

void put32(QByteArray& out, quint32 value) {
    put16(out, quint16(value & 0xffff));
    put16(out, quint16(value >> 16));
}

// The fields a local header and its directory record share, from the version needed on.
void putCommon(QByteArray& out, quint32 crc, quint32 size, quint16 nameSize) {
    put16(out, kVersion);
    put16(out, 0); // flags
    put16(out, 0); // stored
    put16(out, 0); // time
    put16(out, kDosDate);
    put32(out, crc);
    put32(out, size); // compressed
    put32(out, size);
    put16(out, nameSize);
    put16(out, 0); // extra field
}

} // namespace

QByteArray storedZip(const std::vector<std::pair<QByteArray, QByteArray>>& entries) {
    QByteArray out;
    QByteArray directory;
    qsizetype total = 22;
    for (const auto& [name, data] : entries)
        total += 30 + 46 + 2 * name.size() + data.size();
    out.reserve(total);
    for (const auto& [name, data] : entries) {
        const quint32 crc =
            quint32(crc32_z(crc32_z(0, nullptr, 0), reinterpret_cast<const Bytef*>(data.constData()),
                            static_cast<z_size_t>(data.size())));
        const quint32 size = quint32(data.size());
        const quint16 nameSize = quint16(name.size());
        const quint32 offset = quint32(out.size());
        put32(out, kLocalHeader);
        putCommon(out, crc, size, nameSize);
        out.append(name);
        out.append(data);

        put32(directory, kCentralHeader);
        put16(directory, kVersion); // made by
        putCommon(directory, crc, size, nameSize);
        put16(directory, 0); // comment
        put16(directory, 0); // disk
        put16(directory, 0); // internal attributes
        put32(directory, 0); // external attributes
        put32(directory, offset);
        directory.append(name);
    }
    const quint32 directoryOffset = quint32(out.size());
    out.append(directory);
    put32(out, kEndOfDirectory);
    put16(out, 0); // this disk
    put16(out, 0); // the directory's disk
    put16(out, quint16(entries.size()));
    put16(out, quint16(entries.size()));
    put32(out, quint32(directory.size()));
    put32(out, directoryOffset);
    put16(out, 0); // comment
    return out;
}

} // namespace velkor
