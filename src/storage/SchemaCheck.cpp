#include "storage/SchemaCheck.h"

#include "storage/Schema.h"

#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

namespace velkor {

namespace {

QStringList columnNames(Database& db, const QString& table) {
    QStringList names;
    for (const EngineColumn& column : db.tableColumns(table))
        names << column.name.toLower();
    return names;
}

QMap<QString, QStringList> schemaOf(Database& db) {
    QMap<QString, QStringList> schema;
    for (const QString& table : db.tableNames())
        schema.insert(table, columnNames(db, table));
    return schema;
}

QMap<QString, QStringList> createdSchema(SchemaKind kind) {
    QTemporaryDir dir;
    if (!dir.isValid())
        throw ShownError(QStringLiteral("Geçici klasör oluşturulamadı: %1").arg(dir.errorString()));
    const QString path = dir.filePath(QStringLiteral("sema.mdb"));
    // The engine's own schema comes from the same calls that create the program's files.
    Database::create(path, QStringLiteral("sema"));
    Database db(path, QStringLiteral("sema"));
    if (kind == SchemaKind::Company)
        createCompanySchema(db);
    else
        createGeneralSchema(db);
    return schemaOf(db);
}

} // namespace

const QMap<QString, QStringList>& expectedSchema(SchemaKind kind) {
    static const QMap<QString, QStringList> company = createdSchema(SchemaKind::Company);
    static const QMap<QString, QStringList> general = createdSchema(SchemaKind::General);
    return kind == SchemaKind::Company ? company : general;
}

QString schemaProblem(Database& db, SchemaKind kind) {
    const QString file = QFileInfo(db.path()).fileName();
    const QMap<QString, QStringList>& expected = expectedSchema(kind);
    QSet<QString> tables;
    for (const QString& table : db.tableNames())
        tables.insert(table.toLower());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        if (!tables.contains(it.key().toLower()))
            return QStringLiteral("%1 bu programın veritabanı değil (%2 tablosu yok).").arg(file, it.key());
        const QStringList present = columnNames(db, it.key());
        for (const QString& column : it.value()) {
            if (!present.contains(column))
                return QStringLiteral("%1 bu programın veritabanı değil (%2 tablosunda %3 alanı yok).")
                    .arg(file, it.key(), column);
        }
    }
    return {};
}

} // namespace velkor
