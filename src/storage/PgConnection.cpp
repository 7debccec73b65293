#include "storage/PgConnection.h"

#include "storage/PgTypes.h"

#include <QDate>
#include <libpq-fe.h>
#include <vector>

namespace velkor {

namespace {

using namespace pgtype;

QString fieldOf(const PGresult* result, int field) {
    const char* text = result ? PQresultErrorField(result, field) : nullptr;
    return text ? QString::fromUtf8(text) : QString();
}

PgError serverError(const PGresult* result, PGconn* conn) {
    QString state = fieldOf(result, PG_DIAG_SQLSTATE);
    QString text = fieldOf(result, PG_DIAG_MESSAGE_PRIMARY);
    if (text.isEmpty())
        text = QString::fromUtf8(result ? PQresultErrorMessage(result) : PQerrorMessage(conn)).trimmed();
    if (text.isEmpty())
        text = QString::fromUtf8(PQerrorMessage(conn)).trimmed();
    // A connection lost in the middle of a statement carries no SQLSTATE of the server.
    if (state.isEmpty() && PQstatus(conn) != CONNECTION_OK)
        state = QStringLiteral("08006");
    PgError error(QStringLiteral("Veritabanı sunucusu işlemi yapmadı (%1): %2").arg(state, text), state);
    error.setServerMessage(text);
    return error;
}

// The parameters of one statement in the text format the server parses by the column's
// type, except byte arrays, which go binary so that no escaping is needed.
struct Parameters {
    std::vector<QByteArray> storage;
    std::vector<const char*> values;
    std::vector<int> lengths;
    std::vector<int> formats;
    std::vector<Oid> types;

    explicit Parameters(const QVariantList& params) {
        storage.reserve(params.size());
        for (const QVariant& value : params) {
            Oid type = 0;
            int format = 0;
            bool null = value.isNull();
            QByteArray bytes;
            if (!null) {
                switch (value.typeId()) {
                case QMetaType::Bool:
                    bytes = value.toBool() ? "true" : "false";
                    break;
                case QMetaType::Double:
                case QMetaType::Float:
                    // Round-trip precision and the C locale's point, whatever the user's locale.
                    bytes = QByteArray::number(value.toDouble(), 'g', 17);
                    break;
                case QMetaType::QDate:
                    bytes = value.toDate().toString(Qt::ISODate).toLatin1();
                    break;
                case QMetaType::QByteArray:
                    bytes = value.toByteArray();
                    type = kBytea;
                    format = 1;
                    break;
                default:
                    bytes = value.toString().toUtf8();
                    break;
                }
            }
            storage.push_back(bytes);
            values.push_back(null ? nullptr : storage.back().constData());
            lengths.push_back(int(storage.back().size()));
            formats.push_back(format);
            types.push_back(type);
        }
    }
};

} // namespace

PgResult::~PgResult() {
    PQclear(m_result);
}

PgResult& PgResult::operator=(PgResult&& other) noexcept {
    if (this != &other) {
        PQclear(m_result);
        m_result = other.m_result;
        other.m_result = nullptr;
    }
    return *this;
}

int PgResult::rowCount() const {
    return m_result ? PQntuples(m_result) : 0;
}

int PgResult::columnCount() const {
    return m_result ? PQnfields(m_result) : 0;
}

QString PgResult::columnName(int column) const {
    return QString::fromUtf8(PQfname(m_result, column));
}

int PgResult::columnIndex(const QString& name) const {
    for (int c = 0; c < columnCount(); ++c) {
        if (columnName(c) == name)
            return c;
    }
    return -1;
}

bool PgResult::isNull(int row, int column) const {
    return PQgetisnull(m_result, row, column) == 1;
}

QVariant PgResult::value(int row, int column) const {
    if (isNull(row, column))
        return {};
    const char* text = PQgetvalue(m_result, row, column);
    switch (PQftype(m_result, column)) {
    case kBool:
        return QVariant(text[0] == 't');
    case kInt2:
    case kInt4:
        return QVariant(QByteArray(text).toInt());
    case kInt8:
    case kOid:
    case kXid:
        return QVariant(QByteArray(text).toLongLong());
    case kFloat4:
    case kFloat8:
    case kNumeric:
        return QVariant(QByteArray(text).toDouble());
    case kDate:
        return QVariant(QDate::fromString(QString::fromLatin1(text), Qt::ISODate));
    case kBytea: {
        size_t length = 0;
        unsigned char* raw = PQunescapeBytea(reinterpret_cast<const unsigned char*>(text), &length);
        QByteArray bytes(reinterpret_cast<const char*>(raw), qsizetype(length));
        PQfreemem(raw);
        return QVariant(bytes);
    }
    default:
        return QVariant(QString::fromUtf8(text, PQgetlength(m_result, row, column)));
    }
}

int PgResult::rowsAffected() const {
    const char* text = m_result ? PQcmdTuples(m_result) : "";
    return QByteArray(text).toInt();
}

PgConnection::PgConnection(const QString& conninfo) : PgConnection(conninfo, QString()) {}

PgConnection::PgConnection(const QString& conninfo, const QString& password) {
    const QByteArray info = conninfo.toUtf8();
    if (password.isNull()) {
        m_conn = PQconnectdb(info.constData());
    } else {
        // The string is expanded as the first parameter; the password after it takes precedence.
        const QByteArray secret = password.toUtf8();
        const char* const keywords[] = {"dbname", "password", nullptr};
        const char* const values[] = {info.constData(), secret.constData(), nullptr};
        m_conn = PQconnectdbParams(keywords, values, 1);
    }
    if (!m_conn)
        throw PgError(QStringLiteral("Veritabanı sunucusuna bağlanılamadı: bellek yetersiz"),
                      QStringLiteral("08001"));
    if (PQstatus(m_conn) != CONNECTION_OK) {
        const QString text = QString::fromUtf8(PQerrorMessage(m_conn)).trimmed();
        const bool needsPassword = PQconnectionNeedsPassword(m_conn) == 1;
        const bool usedPassword = PQconnectionUsedPassword(m_conn) == 1;
        const QString login = QStringLiteral("%1 (%2:%3, %4)")
                                  .arg(QString::fromUtf8(PQuser(m_conn)), QString::fromUtf8(PQhost(m_conn)),
                                       QString::fromUtf8(PQport(m_conn)), QString::fromUtf8(PQdb(m_conn)));
        PQfinish(m_conn);
        m_conn = nullptr;
        // libpq's own words here ("no password supplied") tell a user nothing about where
        // the program looks for one.
        if (needsPassword) {
            PgError error(
                QStringLiteral("Veritabanı sunucusu parola istiyor, ancak parola bulunamadı. Parolayı "
                               "~/.pgpass dosyasına (sunucu:kapı:veritabanı:kullanıcı:parola, yalnızca "
                               "sizin okuyabileceğiniz biçimde) yazınız."),
                QStringLiteral("28P01"));
            error.setServerMessage(text);
            error.setPassword(PgError::Password::Missing);
            error.setLogin(login);
            throw error;
        }
        // libpq reports refused passwords and unreachable servers alike as connection
        // failures; the server's text says which.
        PgError error(QStringLiteral("Veritabanı sunucusuna bağlanılamadı: %1").arg(text),
                      QStringLiteral("08001"));
        error.setServerMessage(text);
        // A server that took a password and still refused the login refused that password
        // (libpq gives no SQLSTATE for a failed login to tell more).
        if (usedPassword)
            error.setPassword(PgError::Password::Refused);
        error.setLogin(login);
        throw error;
    }
    // Dates and numbers come back in the forms the result conversion reads, whatever the
    // server's or the role's settings say.
    exec(QStringLiteral(
        "SET DateStyle = 'ISO, YMD'; SET extra_float_digits = 3; SET client_encoding = 'UTF8'"));
}

PgConnection::~PgConnection() {
    PQfinish(m_conn);
}

QString PgConnection::serviceConnInfo(const QString& service) {
    // A connection-string value in single quotes, with quotes and backslashes escaped.
    QString quoted = service;
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QStringLiteral("service='%1'").arg(quoted);
}

PgResult PgConnection::checked(PGresult* result) const {
    PgResult owned(result);
    const ExecStatusType status = result ? PQresultStatus(result) : PGRES_FATAL_ERROR;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK && status != PGRES_EMPTY_QUERY)
        throw serverError(result, m_conn);
    return owned;
}

void PgConnection::exec(const QString& sql) {
    const QByteArray text = sql.toUtf8();
    checked(PQexec(m_conn, text.constData()));
}

PgResult PgConnection::query(const QString& sql, const QVariantList& params) {
    const QByteArray text = sql.toUtf8();
    Parameters p(params);
    return checked(PQexecParams(m_conn, text.constData(), int(params.size()), p.types.data(), p.values.data(),
                                p.lengths.data(), p.formats.data(), 0));
}

int PgConnection::execute(const QString& sql, const QVariantList& params) {
    return query(sql, params).rowsAffected();
}

QVariant PgConnection::scalar(const QString& sql, const QVariantList& params) {
    const PgResult result = query(sql, params);
    if (result.rowCount() == 0 || result.columnCount() == 0)
        return {};
    return result.value(0, 0);
}

QString PgConnection::quoteIdentifier(const QString& name) const {
    const QByteArray text = name.toUtf8();
    char* quoted = PQescapeIdentifier(m_conn, text.constData(), size_t(text.size()));
    if (!quoted)
        throw PgError(QStringLiteral("Geçersiz veritabanı adı: %1").arg(name), QStringLiteral("42602"));
    const QString result = QString::fromUtf8(quoted);
    PQfreemem(quoted);
    return result;
}

int PgConnection::serverVersion() const {
    return PQserverVersion(m_conn);
}

bool PgConnection::usesTls() const {
    return PQsslInUse(m_conn) == 1;
}

QString PgConnection::host() const {
    return QString::fromUtf8(PQhost(m_conn));
}

QString PgConnection::user() const {
    return QString::fromUtf8(PQuser(m_conn));
}

bool PgConnection::inTransaction() const {
    return PQtransactionStatus(m_conn) != PQTRANS_IDLE;
}

PgTransaction::PgTransaction(PgConnection& connection, const QString& isolation) : m_connection(connection) {
    m_connection.exec(isolation.isEmpty() ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN ") + isolation);
}

PgTransaction::~PgTransaction() {
    if (!m_done) {
        try {
            m_connection.exec(QStringLiteral("ROLLBACK"));
        } catch (...) {
        }
    }
}

void PgTransaction::commit() {
    m_connection.exec(QStringLiteral("COMMIT"));
    m_done = true;
}

} // namespace velkor
