#include "storage/PgSchema.h"

#include "storage/PgConnection.h"
#include "storage/Statement.h"

#include <QRegularExpression>
#include <algorithm>

namespace velkor {

namespace {

struct FileColumn {
    QString name;
    QString type;
    bool key = false;
};

// A name of the file's own catalogue as the file engine quotes it, for its PRAGMA statements
// (which take no parameters).
QString fileQuoted(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

std::vector<FileColumn> columnsOf(Database& file, const QString& table) {
    std::vector<FileColumn> columns;
    Statement info(file, QStringLiteral("PRAGMA table_info(%1)").arg(fileQuoted(table)));
    while (info.step())
        columns.push_back({info.value(1).toString(), info.value(2).toString(), info.value(5).toInt() > 0});
    return columns;
}

QString identifier(const PgConnection& quoting, const QString& name) {
    return quoting.quoteIdentifier(name.toLower());
}

QString qualified(const PgConnection& quoting, const QString& schema, const QString& table) {
    return quoting.quoteIdentifier(schema) + QLatin1Char('.') + identifier(quoting, table);
}

} // namespace

QStringList fileTables(Database& file) {
    QStringList tables;
    Statement list(file,
                   QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE "
                                  "'sqlite_%' ORDER BY rowid"));
    while (list.step())
        tables << list.value(0).toString();
    return tables;
}

void copyRowsToServer(Database& file, PgConnection& server, const QString& schema) {
    for (const QString& table : fileTables(file)) {
        const std::vector<FileColumn> columns = columnsOf(file, table);
        QStringList names;
        QStringList fileNames;
        QString key;
        for (const FileColumn& c : columns) {
            names << identifier(server, c.name);
            fileNames << fileQuoted(c.name);
            if (c.key)
                key = c.name;
        }
        const QString target = qualified(server, schema, table);
        // A table the server's side lacks would be left behind, rows and all.
        if (!server.scalar(QStringLiteral("SELECT to_regclass($1)"), {target}).isValid())
            throw DatabaseError(QStringLiteral("Sunucudaki %1 şemasında %2 tablosu yok; kopyalama yapılmadı.")
                                    .arg(schema, table));
        // Many rows a statement: one round trip to the server for each row would make the
        // copy of a large company take most of its time waiting. The server takes at most
        // 65535 parameters a statement.
        const int width = std::max(1, int(columns.size()));
        const int batch = std::clamp(60000 / width, 1, 200);
        const auto insertOf = [&](int rowCount) {
            QStringList tuples;
            for (int r = 0; r < rowCount; ++r) {
                QStringList placeholders;
                for (int c = 0; c < width; ++c)
                    placeholders << QStringLiteral("$%1").arg(r * width + c + 1);
                tuples << QLatin1Char('(') + placeholders.join(QStringLiteral(", ")) + QLatin1Char(')');
            }
            return QStringLiteral("INSERT INTO %1 (%2) OVERRIDING SYSTEM VALUE VALUES %3")
                .arg(target, names.join(QStringLiteral(", ")), tuples.join(QStringLiteral(", ")));
        };
        const QString fullInsert = insertOf(batch);
        Statement rows(
            file,
            QStringLiteral("SELECT %1 FROM %2").arg(fileNames.join(QStringLiteral(", ")), fileQuoted(table)));
        QVariantList values;
        int pending = 0;
        const auto flush = [&] {
            if (pending > 0)
                server.execute(pending == batch ? fullInsert : insertOf(pending), values);
            values.clear();
            pending = 0;
        };
        while (rows.step()) {
            for (int c = 0; c < int(columns.size()); ++c)
                values << rows.value(c);
            if (++pending == batch)
                flush();
        }
        flush();
        // The next row added on the server continues after the copied ones, as it would in the file.
        if (!key.isEmpty() &&
            server.scalar(QStringLiteral("SELECT pg_get_serial_sequence($1, $2)"), {target, key.toLower()})
                .isValid())
            server.query(QStringLiteral("SELECT setval(pg_get_serial_sequence($1, $2), "
                                        "coalesce((SELECT max(%1) FROM %2), 0) + 1, false)")
                             .arg(identifier(server, key), target),
                         {target, key.toLower()});
    }
}

} // namespace velkor
