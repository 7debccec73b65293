#include "spreadsheet/XlsDimensions.h"

#include <QFile>
#include <cstring>
#include <vector>

namespace velkor {

namespace {

constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kFreeSector = 0xFFFFFFFF;

// The compound file format ("structured storage"): a header, a table of sector chains
// (the FAT), a directory of named streams, and small streams kept in sectors of 64 bytes
// inside one larger stream. Every chain is followed at most as many steps as the file has
// sectors, so that a loop in a damaged file ends.
class CompoundFile {
public:
    explicit CompoundFile(const uchar* data, qint64 size) : m_data(data), m_size(size) {}

    bool open() {
        if (m_size < 512 || std::memcmp(m_data, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) != 0)
            return false;
        const quint16 shift = u16(0x1E);
        if (shift != 9 && shift != 12)
            return false;
        m_sectorSize = qint64(1) << shift;
        m_miniSectorSize = qint64(1) << u16(0x20);
        if (m_miniSectorSize != 64)
            return false;
        m_miniCutoff = u32(0x38);
        m_sectorCount = (m_size - m_sectorSize) / m_sectorSize + 1;
        // The FAT's own sectors: 109 in the header, the rest in the DIFAT chain.
        std::vector<quint32> fatSectors;
        const quint32 fatCount = u32(0x2C);
        for (int i = 0; i < 109 && fatSectors.size() < fatCount; ++i)
            fatSectors.push_back(u32(0x4C + 4 * i));
        quint32 difat = u32(0x44);
        for (qint64 steps = 0; fatSectors.size() < fatCount && difat < kEndOfChain; ++steps) {
            if (steps > m_sectorCount || !validSector(difat))
                return false;
            const qint64 base = offsetOf(difat);
            const qint64 perSector = m_sectorSize / 4 - 1;
            for (qint64 i = 0; i < perSector && fatSectors.size() < fatCount; ++i)
                fatSectors.push_back(u32(base + 4 * i));
            difat = u32(base + 4 * perSector);
        }
        if (fatSectors.size() != fatCount)
            return false;
        for (quint32 sector : fatSectors) {
            if (!validSector(sector))
                return false;
            const qint64 base = offsetOf(sector);
            for (qint64 i = 0; i < m_sectorSize / 4; ++i)
                m_fat.push_back(u32(base + 4 * i));
        }
        std::vector<quint32> directoryChain;
        if (!chain(u32(0x30), directoryChain))
            return false;
        m_directory = readSectors(directoryChain, qint64(directoryChain.size()) * m_sectorSize);
        if (m_directory.size() < 128)
            return false;
        if (!chain(u32(0x3C), m_miniFatChain))
            return false;
        const QByteArray miniFat = readSectors(m_miniFatChain, qint64(m_miniFatChain.size()) * m_sectorSize);
        for (qsizetype i = 0; i + 4 <= miniFat.size(); i += 4)
            m_miniFat.push_back(le32(miniFat.constData() + i));
        // The root entry holds the stream of the small streams.
        if (!chain(dirU32(0, 0x74), m_miniStreamChain))
            return false;
        return true;
    }

    // The stream of the directory entry with one of the names, or nothing.
    std::optional<QByteArray> stream(const QStringList& names) const {
        for (qsizetype entry = 0; (entry + 1) * 128 <= m_directory.size(); ++entry) {
            const char* e = m_directory.constData() + entry * 128;
            const int nameBytes = static_cast<uchar>(e[0x40]) | (static_cast<uchar>(e[0x41]) << 8);
            if (e[0x42] != 2 || nameBytes < 2 || nameBytes > 64)
                continue;
            const QString name = QString::fromUtf16(reinterpret_cast<const char16_t*>(e), nameBytes / 2 - 1);
            if (!names.contains(name, Qt::CaseInsensitive))
                continue;
            const quint32 start = le32(e + 0x74);
            const qint64 size = le32(e + 0x78);
            if (size < m_miniCutoff)
                return miniStream(start, size);
            std::vector<quint32> sectors;
            if (!chain(start, sectors) || qint64(sectors.size()) * m_sectorSize < size)
                return std::nullopt;
            return readSectors(sectors, size);
        }
        return std::nullopt;
    }

private:
    quint16 u16(qint64 offset) const { return m_data[offset] | (m_data[offset + 1] << 8); }
    quint32 u32(qint64 offset) const {
        return offset + 4 <= m_size ? le32(reinterpret_cast<const char*>(m_data) + offset) : kEndOfChain;
    }
    static quint32 le32(const char* p) {
        const auto* b = reinterpret_cast<const uchar*>(p);
        return quint32(b[0]) | (quint32(b[1]) << 8) | (quint32(b[2]) << 16) | (quint32(b[3]) << 24);
    }
    quint32 dirU32(qsizetype entry, qsizetype offset) const {
        return le32(m_directory.constData() + entry * 128 + offset);
    }
    qint64 offsetOf(quint32 sector) const { return (qint64(sector) + 1) * m_sectorSize; }
    bool validSector(quint32 sector) const { return sector < m_sectorCount && offsetOf(sector) < m_size; }

    bool chain(quint32 start, std::vector<quint32>& sectors) const {
        for (quint32 s = start; s != kEndOfChain && s != kFreeSector;) {
            if (qint64(sectors.size()) > m_sectorCount || !validSector(s) || s >= m_fat.size())
                return false;
            sectors.push_back(s);
            s = m_fat[s];
        }
        return true;
    }

    QByteArray readSectors(const std::vector<quint32>& sectors, qint64 size) const {
        QByteArray bytes;
        for (quint32 s : sectors) {
            const qint64 take = std::min({m_sectorSize, size - bytes.size(), m_size - offsetOf(s)});
            if (take <= 0)
                break;
            bytes.append(reinterpret_cast<const char*>(m_data) + offsetOf(s), take);
        }
        return bytes;
    }

    std::optional<QByteArray> miniStream(quint32 start, qint64 size) const {
        QByteArray bytes;
        const qint64 perSector = m_sectorSize / m_miniSectorSize;
        qint64 steps = 0;
        for (quint32 s = start; s != kEndOfChain && bytes.size() < size; s = m_miniFat[s]) {
            if (++steps > qint64(m_miniFat.size()) || s >= m_miniFat.size())
                return std::nullopt;
            const qint64 container = s / perSector;
            if (container >= qint64(m_miniStreamChain.size()))
                return std::nullopt;
            const qint64 offset = offsetOf(m_miniStreamChain[container]) + (s % perSector) * m_miniSectorSize;
            const qint64 take = std::min({m_miniSectorSize, size - bytes.size(), m_size - offset});
            if (take <= 0)
                return std::nullopt;
            bytes.append(reinterpret_cast<const char*>(m_data) + offset, take);
        }
        if (bytes.size() < size)
            return std::nullopt;
        return bytes;
    }

    const uchar* m_data;
    qint64 m_size;
    qint64 m_sectorSize = 512;
    qint64 m_miniSectorSize = 64;
    qint64 m_miniCutoff = 4096;
    qint64 m_sectorCount = 0;
    std::vector<quint32> m_fat;
    std::vector<quint32> m_miniFat;
    std::vector<quint32> m_miniFatChain;
    std::vector<quint32> m_miniStreamChain;
    QByteArray m_directory;
};

} // namespace

std::optional<XlsDimensions> readXlsDimensions(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const uchar* data = file.map(0, file.size());
    if (!data)
        return std::nullopt;
    CompoundFile compound(data, file.size());
    if (!compound.open())
        return std::nullopt;
    const std::optional<QByteArray> workbook =
        compound.stream({QStringLiteral("Workbook"), QStringLiteral("Book")});
    if (!workbook)
        return std::nullopt;
    // The records of the stream: a type and a length, then the body. A DIMENSIONS record
    // (0x0200) gives the first row, the row after the last, the first column and the
    // column after the last: rows in 32 bits in BIFF8, in 16 bits before.
    XlsDimensions dimensions;
    const auto* bytes = reinterpret_cast<const uchar*>(workbook->constData());
    const qsizetype size = workbook->size();
    for (qsizetype at = 0; at + 4 <= size;) {
        const int type = bytes[at] | (bytes[at + 1] << 8);
        const int length = bytes[at + 2] | (bytes[at + 3] << 8);
        const uchar* body = bytes + at + 4;
        at += 4 + length;
        if (at > size)
            break;
        if (type != 0x0200 || (length != 14 && length != 10))
            continue;
        qint64 rows = 0;
        qint64 columns = 0;
        if (length == 14) {
            rows = qint64(body[4] | (body[5] << 8) | (body[6] << 16)) | (qint64(body[7]) << 24);
            columns = body[10] | (body[11] << 8);
        } else {
            rows = body[2] | (body[3] << 8);
            columns = body[6] | (body[7] << 8);
        }
        const qint64 cells = rows * columns;
        dimensions.largestSheet = std::max(dimensions.largestSheet, cells);
        dimensions.allSheets += cells;
    }
    return dimensions;
}

} // namespace velkor
