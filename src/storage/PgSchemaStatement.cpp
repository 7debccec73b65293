#include "storage/PgSchemaStatement.h"

#include "storage/PgBinaryValue.h"
#include "storage/PgConnection.h"
#include "storage/PgSchemaConnection.h"
#include "storage/PgTypes.h"

#include <QDate>
#include <QDateTime>
#include <cmath>
#include <libpq-fe.h>

namespace velkor {

namespace {

using namespace pgtype;

QString errorField(const PGresult* result, int field) {
    const char* text = result ? PQresultErrorField(result, field) : nullptr;
    return text ? QString::fromUtf8(text) : QString();
}

// A value in the text form the server parses by the column it goes to. Doubles take their
// shortest text that reads back as the same double, so what is stored is what was bound.
QByteArray textOf(const QVariant& value, int index) {
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return QByteArray::number(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        // An infinite or undefined result is a fault upstream; stored, it would read
        // back as a number every report trusts.
        if (!std::isfinite(number))
            throw DatabaseError(
                QStringLiteral("Sonlu olmayan bir sayı veritabanına yazılamaz (%1. değer).").arg(index));
        return QByteArray::number(number, 'g', QLocale::FloatingPointShortest);
    }
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate).toLatin1();
    case QMetaType::QDateTime:
        return value.toDateTime().date().toString(Qt::ISODate).toLatin1();
    default:
        return value.toString().toUtf8();
    }
}

} // namespace

PgSchemaStatement::PgSchemaStatement(PgSchemaConnection& connection, const QString& sql)
    : m_connection(connection),
      m_text(
          PgDialect::translate(sql, [&connection](const QString& name) { return connection.table(name); })),
      m_aliases(PgDialect::aliases(sql)) {
    if (m_text.sql.trimmed().isEmpty())
        throw DatabaseError(QStringLiteral("Boş SQL komutu"));
    m_params.resize(m_text.parameters);
}

PgSchemaStatement::~PgSchemaStatement() {
    PQclear(m_result);
}

void PgSchemaStatement::bind(int index, const QVariant& value) {
    if (index < 1 || index > m_params.size())
        throw DatabaseError(QStringLiteral("SQL komutunda %1. değerin yeri yok.").arg(index));
    m_params[index - 1] = value;
}

void PgSchemaStatement::run() const {
    if (m_ran)
        return;
    const int n = static_cast<int>(m_params.size());
    std::vector<QByteArray> storage(n);
    std::vector<const char*> values(n, nullptr);
    std::vector<int> lengths(n, 0);
    std::vector<int> formats(n, 0);
    std::vector<Oid> types(n, 0);
    for (int i = 0; i < n; ++i) {
        const QVariant& value = m_params.at(i);
        if (value.isNull())
            continue;
        if (value.typeId() == QMetaType::QByteArray) {
            // Bytes go over as they are: nothing to escape.
            storage[i] = value.toByteArray();
            types[i] = kBytea;
            formats[i] = 1;
        } else {
            storage[i] = textOf(value, i + 1);
        }
        values[i] = storage[i].constData();
        lengths[i] = static_cast<int>(storage[i].size());
    }
    const QByteArray sql = m_text.sql.toUtf8();
    PGconn* conn = m_connection.server().handle();
    // Rows come in the binary form: a report's thousands of doubles are neither written out
    // by the server nor read back here.
    m_result = PQexecParams(conn, sql.constData(), n, types.data(), values.data(), lengths.data(),
                            formats.data(), 1);
    m_ran = true;
    const ExecStatusType status = m_result ? PQresultStatus(m_result) : PGRES_FATAL_ERROR;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        QString state = errorField(m_result, PG_DIAG_SQLSTATE);
        QString text = errorField(m_result, PG_DIAG_MESSAGE_PRIMARY);
        if (text.isEmpty())
            text = QString::fromUtf8(PQerrorMessage(conn)).trimmed();
        if (state.isEmpty() && PQstatus(conn) != CONNECTION_OK)
            state = QStringLiteral("08006");
        PQclear(m_result);
        m_result = nullptr;
        PgError error(QStringLiteral("Veritabanı sunucusu işlemi yapmadı (%1): %2").arg(state, text), state);
        error.setServerMessage(text);
        throw error;
    }
    qint64 key = 0;
    if (!m_text.returnedKey.isEmpty() && PQntuples(m_result) > 0 && !PQgetisnull(m_result, 0, 0))
        key = pgBinaryValue(PQftype(m_result, 0), PQgetvalue(m_result, 0, 0), PQgetlength(m_result, 0, 0))
                  .toLongLong();
    m_connection.noteResult(QByteArray(PQcmdTuples(m_result)).toInt(), key);
}

bool PgSchemaStatement::step() {
    run();
    // An insert's returned key is the engine's business, not a row of the program's.
    if (!m_text.returnedKey.isEmpty())
        return false;
    ++m_row;
    return m_row < PQntuples(m_result);
}

void PgSchemaStatement::clear() {
    PQclear(m_result);
    m_result = nullptr;
    m_ran = false;
    m_row = -1;
}

void PgSchemaStatement::reset() {
    clear();
    for (QVariant& value : m_params)
        value = QVariant();
}

int PgSchemaStatement::columnCount() const {
    run();
    return m_text.returnedKey.isEmpty() ? PQnfields(m_result) : 0;
}

QString PgSchemaStatement::columnName(int column) const {
    run();
    const QString name = QString::fromUtf8(PQfname(m_result, column));
    // A name given with AS comes back as the program spelled it.
    for (const QString& alias : m_aliases) {
        if (PgDialect::folded(alias) == name)
            return alias;
    }
    if (const EngineColumn* stored =
            m_connection.column(PQftable(m_result, column), PQftablecol(m_result, column)))
        return stored->name;
    return name;
}

QString PgSchemaStatement::declaredType(int column) const {
    run();
    if (const EngineColumn* stored =
            m_connection.column(PQftable(m_result, column), PQftablecol(m_result, column)))
        return stored->type;
    return {};
}

QVariant PgSchemaStatement::value(int column) const {
    if (!m_result || m_row < 0 || PQgetisnull(m_result, m_row, column))
        return {};
    return pgBinaryValue(PQftype(m_result, column), PQgetvalue(m_result, m_row, column),
                         PQgetlength(m_result, m_row, column));
}

} // namespace velkor
