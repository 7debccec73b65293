#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace velkor {

/// A table of a server schema as the program declared it.
struct PgTable {
    /// The name as the program spells it ("YI_UFE_Yeni").
    QString name;
    /// The key column as the program spells it; the engine's hidden row column when the
    /// table declares none.
    QString key;
    bool hiddenKey = false;
    /// The declared columns as the program spells them, in table order (the hidden one left out).
    QStringList columns;
};

/// One column of a CREATE TABLE statement in the program's dialect.
struct PgColumnDefinition {
    QString name;
    /// The declared type, upper case, as the program wrote it ("TEXT(30)").
    QString type;
    bool autoKey = false;
};

/// A CREATE TABLE statement in the program's dialect.
struct PgTableDefinition {
    QString name;
    bool ifNotExists = false;
    std::vector<PgColumnDefinition> columns;
};

/// An ALTER TABLE ... ADD COLUMN statement in the program's dialect.
struct PgAddedColumn {
    QString table;
    PgColumnDefinition column;
};

/// A CREATE INDEX statement in the program's dialect: plain columns, each ascending or
/// descending.
struct PgIndexDefinition {
    QString name;
    QString table;
    bool unique = false;
    bool ifNotExists = false;
    struct Column {
        QString name;
        bool descending = false;
    };
    std::vector<Column> columns;
};

/// A statement of the program's dialect as the server takes it.
struct PgStatementText {
    QString sql;
    /// The key an INSERT returns (the lower-case column name), empty for other statements.
    QString returnedKey;
    /// How many parameters the statement takes.
    int parameters = 0;
};

/// The one place where the program's SQL (SQLite's dialect) becomes PostgreSQL's:
/// positional parameters become $1, $2...; quoted names are folded to lower case as the
/// server folds the bare ones (the tables are created with lower-case names and the
/// declared spelling is kept apart); "IS x" compares null-safe as in SQLite; sorting puts
/// nulls first as SQLite does (the row key, never null, keeps the server's order so that
/// its index serves) and breaks ties by the row key, as SQLite's index order does; an
/// INSERT returns its row's key; "*" leaves the engine's hidden row column out.
class PgDialect {
public:
    using TableLookup = std::function<const PgTable*(const QString& name)>;

    /// Splits a text of several statements at the semicolons outside quotes.
    static QStringList split(const QString& sql);
    /// Translates one statement.
    static PgStatementText translate(const QString& sql, const TableLookup& tables);
    /// Reads a CREATE TABLE statement; nothing for any other statement.
    static std::optional<PgTableDefinition> createTable(const QString& sql);
    /// Reads an ALTER TABLE ... ADD COLUMN statement; nothing for any other statement.
    static std::optional<PgAddedColumn> addColumn(const QString& sql);
    /// Reads a CREATE [UNIQUE] INDEX statement on plain columns; nothing for any other
    /// statement (an index on expressions or a partial one goes through translate()).
    static std::optional<PgIndexDefinition> createIndex(const QString& sql);
    /// The server's statement for an index, ordered as translate() sorts: nulls first (last
    /// when descending; the key's as the server places them) and, unless the index is unique, the table's key
    /// last, as the file engine's index holds the row id after the indexed columns. So a query sorted on an
    /// index's columns reads the index in order instead of sorting every row.
    static QString indexStatement(const PgIndexDefinition& index, const PgTable* table);
    /// The sort terms of that statement, each as `"column" [DESC] NULLS FIRST|LAST`.
    static QStringList indexTerms(const PgIndexDefinition& index, const PgTable* table);
    /// The server's column type for a declared type.
    static QString columnType(const QString& declared);
    /// A name as the server stores it: ASCII letters folded to lower case.
    static QString folded(const QString& name);
    /// The aliases ("AS Name") of a statement by their folded names, spelled as written.
    static QStringList aliases(const QString& sql);
};

} // namespace velkor
