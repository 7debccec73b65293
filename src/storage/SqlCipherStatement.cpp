#include "storage/SqlCipherStatement.h"

#include "storage/DatabaseError.h"
#include "storage/SqlCipherConnection.h"

#include <cmath>

#include <QDate>
#include <QDateTime>
#include <sqlcipher/sqlite3.h>

namespace velkor {

namespace {

// Dates are stored as ISO 8601 text, written here digit by digit: an import binds
// several dates for every row it appends. Years outside four digits take Qt's way.
int bindDate(sqlite3_stmt* stmt, int index, const QDate& date) {
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    if (!date.isValid() || year < 1 || year > 9999)
        return sqlite3_bind_text(stmt, index, date.toString(Qt::ISODate).toUtf8().constData(), -1,
                                 SQLITE_TRANSIENT);
    const char text[10] = {char('0' + year / 1000),
                           char('0' + year / 100 % 10),
                           char('0' + year / 10 % 10),
                           char('0' + year % 10),
                           '-',
                           char('0' + month / 10),
                           char('0' + month % 10),
                           '-',
                           char('0' + day / 10),
                           char('0' + day % 10)};
    return sqlite3_bind_text(stmt, index, text, sizeof text, SQLITE_TRANSIENT);
}

int digit(const unsigned char c) {
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

// The first ten characters as "yyyy-MM-dd", read digit by digit; anything else takes Qt's way.
QDate isoDate(const unsigned char* text, int size) {
    if (size >= 10 && text[4] == '-' && text[7] == '-') {
        const auto number = [text](int from, int count) {
            int value = 0;
            for (int i = from; i < from + count; ++i) {
                const int d = digit(text[i]);
                if (d < 0)
                    return -1;
                value = value * 10 + d;
            }
            return value;
        };
        const int year = number(0, 4);
        const int month = number(5, 2);
        const int day = number(8, 2);
        if (year >= 0 && month >= 0 && day >= 0)
            return QDate(year, month, day);
    }
    return QDate::fromString(QString::fromUtf8(reinterpret_cast<const char*>(text), size).left(10),
                             Qt::ISODate);
}

} // namespace

SqlCipherStatement::SqlCipherStatement(SqlCipherConnection& connection, const QString& sql)
    : m_connection(connection) {
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(connection.handle(), text.constData(), text.size(), &m_stmt, nullptr) !=
        SQLITE_OK) {
        const DatabaseError error = connection.lastError();
        sqlite3_finalize(m_stmt);
        throw error;
    }
    if (!m_stmt)
        throw DatabaseError(QStringLiteral("Boş SQL komutu"));
}

SqlCipherStatement::~SqlCipherStatement() {
    sqlite3_finalize(m_stmt);
}

void SqlCipherStatement::bind(int index, const QVariant& value) {
    sqlite3_stmt* stmt = m_stmt;
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            rc = sqlite3_bind_int64(stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float: {
            const double number = value.toDouble();
            // An infinite or undefined result is a fault upstream; stored, it would read
            // back as a number every report trusts.
            if (!std::isfinite(number))
                throw DatabaseError(
                    QStringLiteral("Sonlu olmayan bir sayı veritabanına yazılamaz (%1. değer).").arg(index));
            rc = sqlite3_bind_double(stmt, index, number);
            break;
        }
        case QMetaType::QDate:
            rc = bindDate(stmt, index, *static_cast<const QDate*>(value.constData()));
            break;
        case QMetaType::QDateTime:
            rc = bindDate(stmt, index, value.toDateTime().date());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob(stmt, index, bytes.constData(), bytes.size(), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QString: {
            const QByteArray text = static_cast<const QString*>(value.constData())->toUtf8();
            rc = sqlite3_bind_text(stmt, index, text.constData(), text.size(), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text(stmt, index, text.constData(), text.size(), SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK)
        throw m_connection.lastError();
}

bool SqlCipherStatement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw m_connection.lastError();
}

void SqlCipherStatement::reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int SqlCipherStatement::columnCount() const {
    return sqlite3_column_count(m_stmt);
}

QString SqlCipherStatement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}

QString SqlCipherStatement::declaredType(int column) const {
    const char* type = sqlite3_column_decltype(m_stmt, column);
    return type ? QString::fromUtf8(type).toUpper() : QString();
}

SqlCipherStatement::Kind SqlCipherStatement::kindOf(int column) const {
    // Declared types are looked up once per statement: reading them for every cell is slow.
    if (m_kinds.empty()) {
        const int n = columnCount();
        m_kinds.resize(n, Kind::Other);
        for (int i = 0; i < n; ++i) {
            const QString type = declaredType(i);
            if (type == QLatin1String("DOUBLE"))
                m_kinds[i] = Kind::Double;
            else if (type == QLatin1String("DATE"))
                m_kinds[i] = Kind::Date;
        }
    }
    return m_kinds[column];
}

QVariant SqlCipherStatement::value(int column) const {
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER: {
        const qint64 v = sqlite3_column_int64(m_stmt, column);
        if (kindOf(column) == Kind::Double)
            return static_cast<double>(v);
        return v;
    }
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_stmt, column);
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(m_stmt, column));
        return QByteArray(data, sqlite3_column_bytes(m_stmt, column));
    }
    default: {
        const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
        const QString text = QString::fromUtf8(data, sqlite3_column_bytes(m_stmt, column));
        if (kindOf(column) == Kind::Date)
            return QDate::fromString(text.left(10), Qt::ISODate);
        return text;
    }
    }
}

bool SqlCipherStatement::isNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

qint64 SqlCipherStatement::integer(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

double SqlCipherStatement::number(int column) const {
    return sqlite3_column_double(m_stmt, column);
}

QString SqlCipherStatement::text(int column) const {
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return data ? QString::fromUtf8(data, sqlite3_column_bytes(m_stmt, column)) : QString();
}

QDate SqlCipherStatement::date(int column) const {
    if (sqlite3_column_type(m_stmt, column) != SQLITE_TEXT)
        return {};
    const unsigned char* data = sqlite3_column_text(m_stmt, column);
    return data ? isoDate(data, sqlite3_column_bytes(m_stmt, column)) : QDate();
}

} // namespace velkor
