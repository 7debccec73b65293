#pragma once

#include <QMap>
#include <QString>

namespace velkor {

/// A connection string of "Key=Value;" pairs as the program writes them. Only the data
/// source and the database password are used; the other keys are accepted and ignored.
class ConnectionString {
public:
    explicit ConnectionString(const QString& text);

    /// The value of a key (case-insensitive); empty when missing.
    QString value(const QString& key) const;
    /// The data source with "\" read as a path separator, relative paths resolved
    /// against the current directory.
    QString resolvedDataSource() const;
    /// The database password.
    QString password() const { return value(QStringLiteral("Jet OLEDB:Database Password")); }
    /// The office server's libpq connection string ("service=buro", "host=... dbname=...");
    /// empty for a database file.
    QString server() const { return value(QStringLiteral("Sunucu")); }
    /// The schema of the office database that holds the data, with a server.
    QString schema() const { return value(QStringLiteral("Sema")); }

private:
    QMap<QString, QString> m_values;
};

} // namespace velkor
