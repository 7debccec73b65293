#pragma once

#include "storage/DatabaseError.h"

#include <QString>
#include <QVariant>
#include <QVariantList>

struct pg_conn;
struct pg_result;

namespace velkor {

/// An error reported by a PostgreSQL server or by the client library on its way there.
/// Beside the text shown to the user it keeps the server's five-character SQLSTATE, so a
/// caller can tell a refused permission ("42501") or a serialization failure ("40001")
/// from a broken connection.
class PgError : public DatabaseError {
public:
    PgError(const QString& message, const QString& sqlState) : DatabaseError(message), m_sqlState(sqlState) {}

    /// The SQLSTATE of the error; "08000"-class codes for connection failures found on
    /// the client side, empty when the library gave none.
    const QString& sqlState() const { return m_sqlState; }
    /// The server's own text of the error, without the program's preface.
    const QString& serverMessage() const { return m_serverMessage; }
    void setServerMessage(const QString& text) { m_serverMessage = text; }

    /// Whether a login failed for its password: none was found where libpq looks, or the
    /// server refused the one given.
    enum class Password { Fine, Missing, Refused };
    Password password() const { return m_password; }
    void setPassword(Password password) { m_password = password; }
    /// The role, server and database of a failed login, as the user names them.
    const QString& login() const { return m_login; }
    void setLogin(const QString& login) { m_login = login; }

private:
    QString m_sqlState;
    QString m_serverMessage;
    Password m_password = Password::Fine;
    QString m_login;
};

/// The rows of one finished statement. Values are converted by the column's type: null,
/// booleans, integers, doubles (also numeric), dates (QDate), byte arrays (bytea) and text.
class PgResult {
public:
    explicit PgResult(pg_result* result = nullptr) : m_result(result) {}
    ~PgResult();
    PgResult(PgResult&& other) noexcept : m_result(other.m_result) { other.m_result = nullptr; }
    PgResult& operator=(PgResult&& other) noexcept;
    PgResult(const PgResult&) = delete;
    PgResult& operator=(const PgResult&) = delete;

    /// Number of rows returned.
    int rowCount() const;
    /// Number of result columns.
    int columnCount() const;
    /// The name of a result column (0-based).
    QString columnName(int column) const;
    /// The index of a named column, -1 when there is none.
    int columnIndex(const QString& name) const;
    /// Whether a cell is SQL null.
    bool isNull(int row, int column) const;
    /// A cell converted by its column's type.
    QVariant value(int row, int column) const;
    /// Rows changed by an INSERT, UPDATE or DELETE.
    int rowsAffected() const;

private:
    pg_result* m_result;
};

/// One open connection to a PostgreSQL server (libpq), closed on destruction. Every
/// statement that takes values takes them as parameters ($1, $2, ...); names that cannot
/// be parameters (schemas, roles) go through quoteIdentifier. Each connection is used by
/// one thread.
class PgConnection {
public:
    /// Connects with a libpq connection string ("host=... dbname=..." or a URI). Passwords
    /// come from where libpq looks for them (~/.pgpass, the service file, PGPASSWORD).
    /// Throws PgError when the server cannot be reached or refuses the login.
    explicit PgConnection(const QString& conninfo);
    /// Connects with a password the program asked the user for, beside the string.
    PgConnection(const QString& conninfo, const QString& password);
    ~PgConnection();
    PgConnection(const PgConnection&) = delete;
    PgConnection& operator=(const PgConnection&) = delete;

    /// Connects to the libpq service of that name (the user's pg_service.conf).
    static QString serviceConnInfo(const QString& service);

    /// The libpq handle, for code that needs the library directly.
    pg_conn* handle() const { return m_conn; }

    /// Runs one or more statements without parameters; results are discarded.
    void exec(const QString& sql);
    /// Runs one statement with positional parameters and returns its rows.
    PgResult query(const QString& sql, const QVariantList& params = {});
    /// Runs one statement with positional parameters; returns the rows it changed.
    int execute(const QString& sql, const QVariantList& params = {});
    /// The first value of the first row of a query (null when it has no row).
    QVariant scalar(const QString& sql, const QVariantList& params = {});

    /// A name quoted as an SQL identifier by the library, safe to put into a statement.
    QString quoteIdentifier(const QString& name) const;

    /// The server's version as a number (150018 for 15.18).
    int serverVersion() const;
    /// Whether the connection is encrypted with TLS.
    bool usesTls() const;
    /// The host the connection went to (a socket folder for local sockets).
    QString host() const;
    /// The role the connection is logged in as.
    QString user() const;
    /// Whether a transaction is open on the connection.
    bool inTransaction() const;

private:
    PgResult checked(pg_result* result) const;

    pg_conn* m_conn = nullptr;
};

/// A transaction on a server connection that rolls back unless committed.
class PgTransaction {
public:
    /// Begins; `isolation` is appended to BEGIN ("ISOLATION LEVEL REPEATABLE READ", "READ ONLY").
    explicit PgTransaction(PgConnection& connection, const QString& isolation = {});
    ~PgTransaction();
    PgTransaction(const PgTransaction&) = delete;
    PgTransaction& operator=(const PgTransaction&) = delete;

    /// Makes the transaction's changes permanent.
    void commit();

private:
    PgConnection& m_connection;
    bool m_done = false;
};

} // namespace velkor
