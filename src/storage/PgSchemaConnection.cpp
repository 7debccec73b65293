#include "storage/PgSchemaConnection.h"

#include "storage/OfficeConnection.h"
#include "storage/PgConnection.h"
#include "storage/PgSchemaStatement.h"
#include "storage/SqlCipherConnection.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

namespace velkor {

namespace {

// The engine's own tables in every schema: the statements that made the program's tables
// and indexes, in order, and each table's columns as the program declared them.
const char* const kCatalog =
    "CREATE TABLE velkor_tanimlar (sira bigserial PRIMARY KEY, komut text NOT NULL);"
    "CREATE TABLE velkor_sutunlar (tablo text NOT NULL, sira integer NOT NULL, sutun text NOT NULL, "
    "tur text NOT NULL, anahtar boolean NOT NULL, PRIMARY KEY (tablo, sira));";

// The row column of a table that declares no key of its own.
const char* const kHiddenKey = "velkor_satir";

QString quotedName(const QString& name) {
    QString inner = PgDialect::folded(name);
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

quint64 attributeKey(unsigned int tableOid, int number) {
    return (static_cast<quint64>(tableOid) << 16) | static_cast<quint16>(number);
}

bool hasCatalog(PgConnection& pg, const QString& schema) {
    return pg.scalar(QStringLiteral("SELECT count(*) FROM pg_tables WHERE schemaname = $1 AND tablename = "
                                    "'velkor_sutunlar'"),
                     {schema})
               .toLongLong() > 0;
}

} // namespace

PgSchemaConnection::PgSchemaConnection(const QString& conninfo, const QString& schema)
    : m_own(connectToOffice(conninfo)), m_pg(m_own.get()), m_schema(schema), m_conninfo(conninfo) {
    if (!hasCatalog(*m_pg, schema))
        throw DatabaseError(QStringLiteral("Veritabanı sunucusunda %1 şeması bulunamadı.").arg(schema));
    m_pg->exec(QStringLiteral("SET search_path TO ") + m_pg->quoteIdentifier(schema));
    loadCatalog();
}

PgSchemaConnection::PgSchemaConnection(PgConnection& connection, const QString& schema)
    : m_pg(&connection), m_schema(schema) {
    if (!hasCatalog(*m_pg, schema))
        throw DatabaseError(QStringLiteral("Veritabanı sunucusunda %1 şeması bulunamadı.").arg(schema));
    // Inside the caller's transaction the schema is the default only until it ends.
    m_pg->exec((m_pg->inTransaction() ? QStringLiteral("SET LOCAL search_path TO ")
                                      : QStringLiteral("SET search_path TO ")) +
               m_pg->quoteIdentifier(schema));
    loadCatalog();
}

PgSchemaConnection::~PgSchemaConnection() = default;

void PgSchemaConnection::create(const QString& conninfo, const QString& schema) {
    create(*connectToOffice(conninfo), schema);
}

void PgSchemaConnection::create(PgConnection& pg, const QString& schema) {
    std::optional<PgTransaction> transaction;
    if (!pg.inTransaction())
        transaction.emplace(pg);
    if (pg.scalar(QStringLiteral("SELECT count(*) FROM pg_namespace WHERE nspname = $1"), {schema})
            .toLongLong() > 0)
        throw DatabaseError(QStringLiteral("Veritabanı sunucusunda %1 şeması zaten var.").arg(schema));
    const QString name = pg.quoteIdentifier(schema);
    pg.exec(QStringLiteral("CREATE SCHEMA ") + name);
    pg.exec(QStringLiteral("SET LOCAL search_path TO ") + name);
    pg.exec(QString::fromLatin1(kCatalog));
    if (transaction)
        transaction->commit();
}

bool PgSchemaConnection::exists(const QString& conninfo, const QString& schema) {
    return hasCatalog(*connectToOffice(conninfo), schema);
}

void PgSchemaConnection::drop(const QString& conninfo, const QString& schema) {
    const std::unique_ptr<PgConnection> pg = connectToOffice(conninfo);
    pg->exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(pg->quoteIdentifier(schema)));
}

QString PgSchemaConnection::location() const {
    return m_schema;
}

void PgSchemaConnection::loadCatalog() {
    m_tables.clear();
    m_columns.clear();
    m_oids.clear();
    m_attributes.clear();
    const PgResult rows = m_pg->query(
        QStringLiteral("SELECT tablo, sutun, tur, anahtar FROM velkor_sutunlar ORDER BY tablo, sira"));
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QString tableName = rows.value(r, 0).toString();
        const QString folded = PgDialect::folded(tableName);
        PgTable& table = m_tables[folded];
        table.name = tableName;
        EngineColumn column{rows.value(r, 1).toString(), rows.value(r, 2).toString(),
                            rows.value(r, 3).toBool()};
        table.columns << column.name;
        if (column.key)
            table.key = column.name;
        m_columns[folded].push_back(column);
    }
    for (auto& [folded, table] : m_tables) {
        if (table.key.isEmpty()) {
            table.key = QString::fromLatin1(kHiddenKey);
            table.hiddenKey = true;
        }
    }
    // A column added later stands after the hidden row column of its table: the declared
    // column a result column comes from is found by the column's name, not its place.
    const PgResult attributes = m_pg->query(
        QStringLiteral(
            "SELECT c.oid, c.relname, a.attnum, a.attname FROM pg_class c JOIN pg_namespace n ON "
            "n.oid = c.relnamespace JOIN pg_attribute a ON a.attrelid = c.oid AND a.attnum > 0 AND "
            "NOT a.attisdropped WHERE n.nspname = $1 AND c.relkind = 'r'"),
        {m_schema});
    for (int r = 0; r < attributes.rowCount(); ++r) {
        const auto oid = static_cast<unsigned int>(attributes.value(r, 0).toLongLong());
        const QString tableName = attributes.value(r, 1).toString();
        m_oids.insert(oid, tableName);
        auto columns = m_columns.find(tableName);
        if (columns == m_columns.end())
            continue;
        const QString attribute = attributes.value(r, 3).toString();
        for (size_t c = 0; c < columns->second.size(); ++c) {
            if (PgDialect::folded(columns->second[c].name) == attribute) {
                m_attributes.insert(attributeKey(oid, attributes.value(r, 2).toInt()), &columns->second[c]);
                break;
            }
        }
    }
}

const PgTable* PgSchemaConnection::table(const QString& name) const {
    auto it = m_tables.find(PgDialect::folded(name));
    return it == m_tables.end() ? nullptr : &it->second;
}

const EngineColumn* PgSchemaConnection::column(unsigned int tableOid, int number) {
    return m_attributes.value(attributeKey(tableOid, number), nullptr);
}

void PgSchemaConnection::noteResult(int changes, qint64 insertedKey) {
    m_changes = changes;
    if (insertedKey != 0)
        m_lastInsertId = insertedKey;
}

void PgSchemaConnection::inOwnTransaction(const std::function<void()>& work) {
    // Inside the caller's transaction the work is part of it; otherwise it stands alone.
    const bool own = !m_pg->inTransaction();
    if (own)
        m_pg->exec(QStringLiteral("BEGIN"));
    try {
        work();
        if (own)
            m_pg->exec(QStringLiteral("COMMIT"));
    } catch (...) {
        if (own) {
            try {
                m_pg->exec(QStringLiteral("ROLLBACK"));
            } catch (const DatabaseError&) {
            }
        }
        throw;
    }
}

void PgSchemaConnection::createTable(const PgTableDefinition& definition, const QString& sql) {
    if (table(definition.name)) {
        if (definition.ifNotExists)
            return;
        throw DatabaseError(QStringLiteral("Tablo zaten var: %1").arg(definition.name));
    }
    inOwnTransaction([&] {
        const QString name = quotedName(definition.name);
        QStringList columns;
        QString autoKey;
        bool keyed = false;
        for (const PgColumnDefinition& column : definition.columns) {
            if (column.autoKey) {
                columns << quotedName(column.name) + QStringLiteral(" bigserial PRIMARY KEY");
                autoKey = column.name;
                keyed = true;
            } else {
                columns << quotedName(column.name) + QLatin1Char(' ') + PgDialect::columnType(column.type);
            }
        }
        if (!keyed)
            columns << QString::fromLatin1(kHiddenKey) + QStringLiteral(" bigserial PRIMARY KEY");
        m_pg->exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(name, columns.join(QStringLiteral(", "))));
        if (!autoKey.isEmpty()) {
            // A row written with its key (a restore, a move) moves the counter past it, so
            // that the next new row does not take a key again, as the file engine does.
            const QString function = quotedName(definition.name + QStringLiteral("_anahtar"));
            const QString key = quotedName(autoKey);
            m_pg->exec(
                QStringLiteral(
                    "CREATE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS $f$ DECLARE s regclass := "
                    "pg_get_serial_sequence(format('%I.%I', TG_TABLE_SCHEMA, TG_TABLE_NAME), %3); BEGIN "
                    "PERFORM setval(s, m) FROM (SELECT max(%2) AS m FROM yeni) k WHERE m > "
                    "coalesce(pg_sequence_last_value(s), 0); RETURN NULL; END $f$")
                    .arg(
                        function, key,
                        m_pg->scalar(QStringLiteral("SELECT quote_literal($1)"), {PgDialect::folded(autoKey)})
                            .toString()));
            m_pg->exec(
                QStringLiteral("CREATE TRIGGER %1 AFTER INSERT ON %2 REFERENCING NEW TABLE AS yeni FOR "
                               "EACH STATEMENT EXECUTE FUNCTION %1()")
                    .arg(function, name));
        }
        // One statement for all the columns: a company table has over a hundred, and each
        // statement is a round trip to the server.
        QStringList rows;
        QVariantList values;
        int position = 0;
        for (const PgColumnDefinition& column : definition.columns) {
            const int base = static_cast<int>(values.size());
            rows << QStringLiteral("($%1, $%2, $%3, $%4, $%5)")
                        .arg(base + 1)
                        .arg(base + 2)
                        .arg(base + 3)
                        .arg(base + 4)
                        .arg(base + 5);
            values << definition.name << ++position << column.name << column.type << column.autoKey;
        }
        m_pg->execute(
            QStringLiteral("INSERT INTO velkor_sutunlar (tablo, sira, sutun, tur, anahtar) VALUES ") +
                rows.join(QStringLiteral(", ")),
            values);
        m_pg->execute(QStringLiteral("INSERT INTO velkor_tanimlar (komut) VALUES ($1)"), {sql});
    });
    loadCatalog();
}

void PgSchemaConnection::addColumn(const PgAddedColumn& added, const QString& sql) {
    const PgTable* found = table(added.table);
    if (!found)
        throw DatabaseError(QStringLiteral("Tablo bulunamadı: %1").arg(added.table));
    const QString tableName = found->name;
    const int position = static_cast<int>(found->columns.size()) + 1;
    inOwnTransaction([&] {
        m_pg->exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                       .arg(quotedName(tableName), quotedName(added.column.name),
                            PgDialect::columnType(added.column.type)));
        m_pg->execute(
            QStringLiteral("INSERT INTO velkor_sutunlar (tablo, sira, sutun, tur, anahtar) VALUES ($1, "
                           "$2, $3, $4, false)"),
            {tableName, position, added.column.name, added.column.type});
        // A copy into a file replays the definitions in order, this one after its table's.
        m_pg->execute(QStringLiteral("INSERT INTO velkor_tanimlar (komut) VALUES ($1)"), {sql});
    });
    loadCatalog();
}

void PgSchemaConnection::exec(const QString& sql) {
    for (const QString& part : PgDialect::split(sql)) {
        const QString head = part.left(32).simplified().toUpper();
        // Settings of the file engine; the server keeps its own.
        if (head.startsWith(QLatin1String("PRAGMA")))
            continue;
        if (const auto definition = PgDialect::createTable(part)) {
            createTable(*definition, part);
            continue;
        }
        if (const auto added = PgDialect::addColumn(part)) {
            addColumn(*added, part);
            continue;
        }
        if (const auto index = PgDialect::createIndex(part)) {
            m_pg->exec(PgDialect::indexStatement(*index, table(index->table)));
        } else {
            PgSchemaStatement statement(*this, part);
            while (statement.step()) {
            }
        }
        if (head.startsWith(QLatin1String("CREATE INDEX")) || head.startsWith(QLatin1String("CREATE UNIQUE")))
            m_pg->execute(QStringLiteral("INSERT INTO velkor_tanimlar (komut) VALUES ($1)"), {part});
    }
}

std::unique_ptr<EngineStatement> PgSchemaConnection::prepare(const QString& sql) {
    return std::make_unique<PgSchemaStatement>(*this, sql);
}

QStringList PgSchemaConnection::tableNames() {
    QStringList names;
    for (const auto& [folded, table] : m_tables)
        names << table.name;
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<EngineColumn> PgSchemaConnection::tableColumns(const QString& name) {
    auto it = m_columns.find(PgDialect::folded(name));
    return it == m_columns.end() ? std::vector<EngineColumn>{} : it->second;
}

QString PgSchemaConnection::rowKey(const QString& name) {
    const PgTable* found = table(name);
    return quotedName(found ? found->key : QString::fromLatin1(kHiddenKey));
}

void PgSchemaConnection::begin(TransactionKind kind) {
    // Within the caller's transaction a COMMIT here would end the caller's too.
    if (m_pg->inTransaction()) {
        m_savepoints.push_back(true);
        m_pg->exec(QStringLiteral("SAVEPOINT velkor_%1").arg(m_savepoints.size()));
        return;
    }
    m_savepoints.push_back(false);
    // A reader sees the data as they were at its first statement until it ends, whatever
    // others save meanwhile.
    m_pg->exec(kind == TransactionKind::Read ? QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ")
                                             : QStringLiteral("BEGIN"));
}

void PgSchemaConnection::commit() {
    const bool savepoint = !m_savepoints.empty() && m_savepoints.back();
    const QString name = QStringLiteral("velkor_%1").arg(m_savepoints.size());
    if (!m_savepoints.empty())
        m_savepoints.pop_back();
    m_pg->exec(savepoint ? QStringLiteral("RELEASE SAVEPOINT ") + name : QStringLiteral("COMMIT"));
}

void PgSchemaConnection::rollback() {
    const bool savepoint = !m_savepoints.empty() && m_savepoints.back();
    const QString name = QStringLiteral("velkor_%1").arg(m_savepoints.size());
    if (!m_savepoints.empty())
        m_savepoints.pop_back();
    m_pg->exec(savepoint ? QStringLiteral("ROLLBACK TO SAVEPOINT %1; RELEASE SAVEPOINT %1").arg(name)
                         : QStringLiteral("ROLLBACK"));
}

void PgSchemaConnection::compactInto(const QString& targetPath, const QString& password) {
    // The server keeps its own storage tidy; the compacted copy of a schema is its copy.
    snapshotInto(targetPath, password);
}

void PgSchemaConnection::snapshotInto(const QString& targetPath, const QString& password) {
    if (QFileInfo::exists(targetPath))
        throw DatabaseError(QStringLiteral("Dosya zaten var: %1").arg(targetPath));
    const bool own = !m_pg->inTransaction();
    try {
        if (own)
            m_pg->exec(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"));
        SqlCipherConnection::create(targetPath, password);
        {
            SqlCipherConnection file(targetPath, password);
            // The copy is a scratch file until it is archived or checked: no journal, no sync.
            file.exec(QStringLiteral("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;"));
            file.begin(TransactionKind::Write);
            const PgResult definitions =
                m_pg->query(QStringLiteral("SELECT komut FROM velkor_tanimlar ORDER BY sira"));
            for (int r = 0; r < definitions.rowCount(); ++r)
                file.exec(definitions.value(r, 0).toString());
            for (const auto& [folded, table] : m_tables) {
                QStringList names;
                QStringList marks;
                for (const QString& column : table.columns) {
                    names << quotedName(column);
                    marks << QStringLiteral("?");
                }
                QStringList declared;
                for (const QString& column : table.columns)
                    declared << QLatin1Char('"') + column + QLatin1Char('"');
                PgSchemaStatement rows(*this, QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                                                  .arg(names.join(QLatin1Char(',')), quotedName(table.name),
                                                       quotedName(table.key)));
                auto insert = file.prepare(
                    QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                        .arg(table.name, declared.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
                const int n = static_cast<int>(table.columns.size());
                while (rows.step()) {
                    insert->reset();
                    for (int c = 0; c < n; ++c)
                        insert->bind(c + 1, rows.value(c));
                    while (insert->step()) {
                    }
                }
            }
            file.commit();
        }
        if (own)
            m_pg->exec(QStringLiteral("COMMIT"));
    } catch (...) {
        QFile::remove(targetPath);
        if (own) {
            try {
                m_pg->exec(QStringLiteral("ROLLBACK"));
            } catch (const DatabaseError&) {
            }
        }
        throw;
    }
}

bool PgSchemaConnection::isIntact() {
    // The server checks its own pages; the schema is sound when its catalog names tables
    // that are all there.
    return static_cast<size_t>(m_oids.size()) >= m_tables.size();
}

} // namespace velkor
