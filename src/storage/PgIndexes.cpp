#include "storage/PgIndexes.h"

#include "storage/PgConnection.h"
#include "storage/PgDialect.h"
#include "storage/PgSchemaConnection.h"

#include <QSet>
#include <vector>

namespace velkor {

namespace {

struct ServerIndex {
    QString name;
    QString table;
    bool unique = false;
    /// As PgDialect::indexTerms writes them.
    QString terms;
    /// The column names alone, comma-separated.
    QString columns;
    /// Matched by a declared index, or dropped for one: nothing more to do with it.
    bool settled = false;
};

// The indexes of the schema that back no key or unique constraint, with their columns in
// order and each column's direction and place of nulls.
std::vector<ServerIndex> serverIndexes(PgConnection& pg, const QString& schema) {
    const PgResult rows = pg.query(
        QStringLiteral(
            "SELECT i.relname, t.relname, x.indisunique, "
            "array_to_string(ARRAY(SELECT '\"' || replace(a.attname, '\"', '\"\"') || '\"' || "
            "CASE WHEN x.indoption[k] & 1 = 1 THEN ' DESC' ELSE '' END || "
            "CASE WHEN x.indoption[k] & 2 = 2 THEN ' NULLS FIRST' ELSE ' NULLS LAST' END "
            "FROM generate_subscripts(x.indkey, 1) k JOIN pg_attribute a ON a.attrelid = x.indrelid "
            "AND a.attnum = x.indkey[k] ORDER BY k), ', '), "
            "array_to_string(ARRAY(SELECT a.attname FROM generate_subscripts(x.indkey, 1) k JOIN "
            "pg_attribute a ON a.attrelid = x.indrelid AND a.attnum = x.indkey[k] ORDER BY k), ',') "
            "FROM pg_index x JOIN pg_class i ON i.oid = x.indexrelid JOIN pg_class t ON t.oid = x.indrelid "
            "JOIN pg_namespace n ON n.oid = t.relnamespace WHERE n.nspname = $1 AND NOT EXISTS "
            "(SELECT 1 FROM pg_constraint c WHERE c.conindid = x.indexrelid) ORDER BY i.relname"),
        {schema});
    std::vector<ServerIndex> indexes;
    for (int r = 0; r < rows.rowCount(); ++r)
        indexes.push_back({rows.value(r, 0).toString(), rows.value(r, 1).toString(),
                           rows.value(r, 2).toBool(), rows.value(r, 3).toString(),
                           rows.value(r, 4).toString()});
    return indexes;
}

// Whether an index covers the columns of a declared one, with or without the key after them.
bool sameColumns(const ServerIndex& index, const QStringList& columns) {
    const QStringList found = index.columns.split(QLatin1Char(','));
    return (found.size() == columns.size() || found.size() == columns.size() + 1) &&
           found.mid(0, columns.size()) == columns;
}

} // namespace

QStringList renewIndexes(PgSchemaConnection& schema) {
    PgConnection& pg = schema.server();
    // The program's indexes as it declared them, each once.
    std::vector<PgIndexDefinition> wanted;
    QSet<QString> names;
    const PgResult recorded = pg.query(QStringLiteral("SELECT komut FROM velkor_tanimlar ORDER BY sira"));
    for (int r = 0; r < recorded.rowCount(); ++r) {
        auto index = PgDialect::createIndex(recorded.value(r, 0).toString());
        if (!index || names.contains(PgDialect::folded(index->name)))
            continue;
        names.insert(PgDialect::folded(index->name));
        index->ifNotExists = false;
        wanted.push_back(*index);
    }
    std::vector<ServerIndex> present = serverIndexes(pg, schema.schema());
    const QString prefix = pg.quoteIdentifier(schema.schema()) + QLatin1Char('.');
    const auto drop = [&](ServerIndex& index) {
        pg.exec(QStringLiteral("DROP INDEX ") + prefix + pg.quoteIdentifier(index.name));
        index.settled = true;
    };
    QStringList made;
    for (const PgIndexDefinition& index : wanted) {
        const PgTable* table = schema.table(index.table);
        const QString tableName = PgDialect::folded(index.table);
        const QString terms = PgDialect::indexTerms(index, table).join(QStringLiteral(", "));
        QStringList columns;
        for (const PgIndexDefinition::Column& column : index.columns)
            columns << PgDialect::folded(column.name);
        bool inShape = false;
        for (ServerIndex& found : present) {
            if (found.settled || found.table != tableName)
                continue;
            if (found.unique == index.unique && found.terms == terms) {
                found.settled = true;
                inShape = true;
            } else if (found.name == PgDialect::folded(index.name) || sameColumns(found, columns)) {
                // The same index in an earlier shape.
                drop(found);
            }
        }
        if (inShape)
            continue;
        pg.exec(PgDialect::indexStatement(index, table));
        made << PgDialect::folded(index.name);
    }
    return made;
}

} // namespace velkor
