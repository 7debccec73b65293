#include "storage/PgBinaryValue.h"

#include "storage/DatabaseError.h"
#include "storage/PgTypes.h"

#include <QDate>
#include <QDateTime>
#include <QtEndian>
#include <bit>
#include <cstdint>
#include <limits>

namespace velkor {

namespace {

using namespace pgtype;

// Further types the program's statements return: texts of every kind, which the binary
// form sends as their UTF-8 bytes, and the time of a timestamp.
constexpr Oid kChar = 18;
constexpr Oid kName = 19;
constexpr Oid kText = 25;
constexpr Oid kUnknown = 705;
constexpr Oid kBpchar = 1042;
constexpr Oid kVarchar = 1043;
constexpr Oid kTimestamp = 1114;
constexpr Oid kTimestampTz = 1184;

// The server's days and microseconds count from 1 January 2000.
const QDate kServerEpoch(2000, 1, 1);

template <typename T> T bigEndian(const char* data, int length) {
    if (length != static_cast<int>(sizeof(T)))
        throw DatabaseError(QStringLiteral("Veritabanı sunucusundan beklenmeyen uzunlukta bir değer geldi."));
    return qFromBigEndian<T>(data);
}

// A numeric in its base-10000 digits, written out as the server writes it in text and read
// as the text form was: the same double, and a whole number as qint64.
QVariant numericValue(const char* data, int length) {
    if (length < 8)
        throw DatabaseError(QStringLiteral("Veritabanı sunucusundan bozuk bir sayı geldi."));
    const int digits = bigEndian<std::int16_t>(data, 2);
    const int weight = bigEndian<std::int16_t>(data + 2, 2);
    const std::uint16_t sign = bigEndian<std::uint16_t>(data + 4, 2);
    const int scale = bigEndian<std::int16_t>(data + 6, 2);
    if (length != 8 + 2 * digits)
        throw DatabaseError(QStringLiteral("Veritabanı sunucusundan bozuk bir sayı geldi."));
    if (sign == 0xC000)
        return std::numeric_limits<double>::quiet_NaN();
    auto digit = [&](int i) {
        return i < 0 || i >= digits ? 0 : bigEndian<std::int16_t>(data + 8 + 2 * i, 2);
    };
    QByteArray text;
    if (sign == 0x4000)
        text += '-';
    if (weight < 0) {
        text += '0';
    } else {
        for (int i = 0; i <= weight; ++i) {
            const QByteArray group = QByteArray::number(digit(i));
            text += i == 0 ? group : group.rightJustified(4, '0');
        }
    }
    if (scale > 0) {
        QByteArray fraction;
        for (int i = weight + 1; fraction.size() < scale; ++i)
            fraction += QByteArray::number(digit(i)).rightJustified(4, '0');
        text += '.' + fraction.left(scale);
        return text.toDouble();
    }
    bool whole = false;
    const qint64 v = text.toLongLong(&whole);
    return whole ? QVariant(v) : QVariant(text.toDouble());
}

} // namespace

QVariant pgBinaryValue(Oid type, const char* data, int length) {
    switch (type) {
    case kBool:
        return qint64(length > 0 && data[0] != 0 ? 1 : 0);
    case kInt2:
        return qint64(bigEndian<std::int16_t>(data, length));
    case kInt4:
        return qint64(bigEndian<std::int32_t>(data, length));
    case kInt8:
        return qint64(bigEndian<std::int64_t>(data, length));
    case kOid:
    case kXid:
        return qint64(bigEndian<std::uint32_t>(data, length));
    case kFloat4:
        return double(std::bit_cast<float>(bigEndian<std::uint32_t>(data, length)));
    case kFloat8:
        return std::bit_cast<double>(bigEndian<std::uint64_t>(data, length));
    case kNumeric:
        return numericValue(data, length);
    case kDate: {
        const std::int32_t days = bigEndian<std::int32_t>(data, length);
        // Infinity has no date, as its text did not read as one.
        if (days == std::numeric_limits<std::int32_t>::max() ||
            days == std::numeric_limits<std::int32_t>::min())
            return QDate();
        return kServerEpoch.addDays(days);
    }
    case kTimestamp:
    case kTimestampTz: {
        const std::int64_t micros = bigEndian<std::int64_t>(data, length);
        return QDateTime(kServerEpoch, QTime(0, 0), type == kTimestampTz ? Qt::UTC : Qt::LocalTime)
            .addMSecs(micros / 1000);
    }
    case kBytea:
        return QByteArray(data, length);
    case kChar:
    case kName:
    case kText:
    case kUnknown:
    case kBpchar:
    case kVarchar:
        return QString::fromUtf8(data, length);
    default:
        throw DatabaseError(
            QStringLiteral("Veritabanı sunucusundan programın okumadığı türde (%1) bir değer geldi.")
                .arg(type));
    }
}

} // namespace velkor
