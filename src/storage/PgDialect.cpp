#include "storage/PgDialect.h"

#include <QSet>

namespace velkor {

namespace {

struct Token {
    enum Kind { Space, String, Quoted, Word, Number, Parameter, Punct };
    Kind kind;
    QString text;

    bool is(const char* word) const {
        return kind == Word && text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    bool isPunct(char c) const { return kind == Punct && text.size() == 1 && text.at(0) == QLatin1Char(c); }
    bool isName() const { return kind == Word || kind == Quoted; }
    /// The name a word or quoted name stands for, without quotes.
    QString name() const {
        if (kind != Quoted)
            return text;
        QString inner = text.mid(1, text.size() - 2);
        inner.replace(QStringLiteral("\"\""), QStringLiteral("\""));
        return inner;
    }
};

bool isWordStart(QChar c) {
    return c.isLetter() || c == QLatin1Char('_');
}

bool isWordPart(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

std::vector<Token> tokenize(const QString& sql) {
    std::vector<Token> tokens;
    const int n = sql.size();
    int i = 0;
    while (i < n) {
        const QChar c = sql.at(i);
        const int start = i;
        if (c.isSpace()) {
            while (i < n && sql.at(i).isSpace())
                ++i;
            tokens.push_back({Token::Space, sql.mid(start, i - start)});
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // A doubled quote inside stands for the quote itself.
            ++i;
            while (i < n) {
                if (sql.at(i) == c) {
                    if (i + 1 < n && sql.at(i + 1) == c) {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            tokens.push_back(
                {c == QLatin1Char('\'') ? Token::String : Token::Quoted, sql.mid(start, i - start)});
        } else if (isWordStart(c)) {
            while (i < n && isWordPart(sql.at(i)))
                ++i;
            tokens.push_back({Token::Word, sql.mid(start, i - start)});
        } else if (c.isDigit()) {
            while (i < n && (sql.at(i).isLetterOrNumber() || sql.at(i) == QLatin1Char('.')))
                ++i;
            tokens.push_back({Token::Number, sql.mid(start, i - start)});
        } else if (c == QLatin1Char('?')) {
            ++i;
            while (i < n && sql.at(i).isDigit())
                ++i;
            tokens.push_back({Token::Parameter, sql.mid(start, i - start)});
        } else if (c == QLatin1Char('-') && i + 1 < n && sql.at(i + 1) == QLatin1Char('-')) {
            while (i < n && sql.at(i) != QLatin1Char('\n'))
                ++i;
            tokens.push_back({Token::Space, QStringLiteral(" ")});
        } else {
            ++i;
            tokens.push_back({Token::Punct, QString(c)});
        }
    }
    return tokens;
}

// The next token that is not white space, from `i` on; tokens.size() when none.
size_t nextSignificant(const std::vector<Token>& tokens, size_t i) {
    while (i < tokens.size() && tokens[i].kind == Token::Space)
        ++i;
    return i;
}

QString quotedName(const QString& name) {
    QString inner = PgDialect::folded(name);
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

// The table a statement reads or writes when it names exactly one: SELECT ... FROM t,
// INSERT INTO t, UPDATE t, DELETE FROM t.
const PgTable* mainTable(const std::vector<Token>& tokens, const PgDialect::TableLookup& lookup,
                         bool* single) {
    *single = false;
    int depth = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.isPunct('('))
            ++depth;
        else if (t.isPunct(')'))
            --depth;
        if (depth != 0)
            continue;
        if (t.is("FROM") || t.is("INTO") || (t.is("UPDATE") && i == nextSignificant(tokens, 0))) {
            const size_t name = nextSignificant(tokens, i + 1);
            if (name >= tokens.size() || !tokens[name].isName())
                return nullptr;
            const size_t after = nextSignificant(tokens, name + 1);
            *single = after >= tokens.size() ||
                      !(tokens[after].isPunct(',') || tokens[after].is("JOIN") || tokens[after].is("INNER") ||
                        tokens[after].is("LEFT") || tokens[after].is("CROSS") || tokens[after].is("NATURAL"));
            return lookup ? lookup(tokens[name].name()) : nullptr;
        }
    }
    return nullptr;
}

} // namespace

QString PgDialect::folded(const QString& name) {
    QString result = name;
    for (QChar& c : result) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return result;
}

QStringList PgDialect::split(const QString& sql) {
    QStringList statements;
    QString current;
    for (const Token& t : tokenize(sql)) {
        if (t.isPunct(';')) {
            if (!current.trimmed().isEmpty())
                statements << current.trimmed();
            current.clear();
        } else {
            current += t.text;
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

QStringList PgDialect::aliases(const QString& sql) {
    QStringList names;
    const std::vector<Token> tokens = tokenize(sql);
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (!tokens[i].is("AS"))
            continue;
        const size_t name = nextSignificant(tokens, i + 1);
        if (name < tokens.size() && tokens[name].isName())
            names << tokens[name].name();
    }
    return names;
}

QString PgDialect::columnType(const QString& declared) {
    const QString type = declared.toUpper();
    if (type.startsWith(QLatin1String("DOUBLE")) || type.startsWith(QLatin1String("REAL")) ||
        type.startsWith(QLatin1String("FLOAT")) || type.startsWith(QLatin1String("NUMERIC")))
        return QStringLiteral("double precision");
    if (type.contains(QLatin1String("INT")))
        return QStringLiteral("bigint");
    if (type == QLatin1String("DATE"))
        return QStringLiteral("date");
    if (type == QLatin1String("BLOB"))
        return QStringLiteral("bytea");
    // Texts compare and sort by their characters' codes, as SQLite's files do, whatever the
    // server's locale.
    return QStringLiteral("text COLLATE \"C\"");
}

namespace {

std::vector<Token> significant(const QString& sql) {
    std::vector<Token> tokens;
    for (Token& t : tokenize(sql)) {
        if (t.kind != Token::Space)
            tokens.push_back(std::move(t));
    }
    return tokens;
}

// One column of a table's definition: its name, then its type up to the first constraint.
std::optional<PgColumnDefinition> columnDefinition(const std::vector<Token>& definition) {
    if (definition.empty() || !definition[0].isName())
        return std::nullopt;
    PgColumnDefinition column;
    column.name = definition[0].name();
    QString type;
    bool primary = false;
    bool inType = true;
    for (size_t k = 1; k < definition.size(); ++k) {
        const Token& t = definition[k];
        if (t.is("PRIMARY") || t.is("NOT") || t.is("NULL") || t.is("DEFAULT") || t.is("UNIQUE") ||
            t.is("CHECK") || t.is("REFERENCES") || t.is("COLLATE") || t.is("AUTOINCREMENT"))
            inType = false;
        if (t.is("PRIMARY"))
            primary = true;
        if (inType) {
            if (!type.isEmpty() && t.kind == Token::Word && type.back().isLetterOrNumber())
                type += QLatin1Char(' ');
            type += t.text;
        }
    }
    column.type = type.toUpper();
    column.autoKey = primary && column.type == QLatin1String("INTEGER");
    return column;
}

} // namespace

std::optional<PgTableDefinition> PgDialect::createTable(const QString& sql) {
    const std::vector<Token> tokens = significant(sql);
    size_t i = 0;
    if (tokens.size() < 4 || !tokens[0].is("CREATE") || !tokens[1].is("TABLE"))
        return std::nullopt;
    PgTableDefinition table;
    i = 2;
    if (i + 2 < tokens.size() && tokens[i].is("IF") && tokens[i + 1].is("NOT") &&
        tokens[i + 2].is("EXISTS")) {
        table.ifNotExists = true;
        i += 3;
    }
    if (i >= tokens.size() || !tokens[i].isName())
        return std::nullopt;
    table.name = tokens[i].name();
    ++i;
    if (i >= tokens.size() || !tokens[i].isPunct('('))
        return std::nullopt;
    ++i;
    int depth = 0;
    std::vector<Token> definition;
    auto flush = [&table, &definition] {
        if (const auto column = columnDefinition(definition))
            table.columns.push_back(*column);
        definition.clear();
    };
    for (; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.isPunct('('))
            ++depth;
        if (t.isPunct(')')) {
            if (depth == 0)
                break;
            --depth;
        }
        if (depth == 0 && t.isPunct(',')) {
            flush();
            continue;
        }
        definition.push_back(t);
    }
    flush();
    if (table.columns.empty())
        return std::nullopt;
    return table;
}

std::optional<PgAddedColumn> PgDialect::addColumn(const QString& sql) {
    const std::vector<Token> tokens = significant(sql);
    if (tokens.size() < 5 || !tokens[0].is("ALTER") || !tokens[1].is("TABLE") || !tokens[2].isName() ||
        !tokens[3].is("ADD"))
        return std::nullopt;
    const size_t first = tokens[4].is("COLUMN") ? 5 : 4;
    const auto column = columnDefinition(
        std::vector<Token>(tokens.begin() + static_cast<std::ptrdiff_t>(first), tokens.end()));
    if (!column || column->autoKey)
        return std::nullopt;
    return PgAddedColumn{tokens[2].name(), *column};
}

std::optional<PgIndexDefinition> PgDialect::createIndex(const QString& sql) {
    const std::vector<Token> tokens = significant(sql);
    PgIndexDefinition index;
    size_t i = 0;
    const auto word = [&](const char* expected) {
        if (i < tokens.size() && tokens[i].is(expected)) {
            ++i;
            return true;
        }
        return false;
    };
    const auto name = [&](QString* target) {
        if (i >= tokens.size() || !tokens[i].isName())
            return false;
        *target = tokens[i++].name();
        return true;
    };
    if (!word("CREATE"))
        return std::nullopt;
    index.unique = word("UNIQUE");
    if (!word("INDEX"))
        return std::nullopt;
    if (word("IF")) {
        if (!word("NOT") || !word("EXISTS"))
            return std::nullopt;
        index.ifNotExists = true;
    }
    if (!name(&index.name) || !word("ON") || !name(&index.table) || i >= tokens.size() ||
        !tokens[i++].isPunct('('))
        return std::nullopt;
    for (;;) {
        PgIndexDefinition::Column column;
        if (!name(&column.name))
            return std::nullopt;
        if (word("DESC"))
            column.descending = true;
        else
            word("ASC");
        index.columns.push_back(column);
        if (i < tokens.size() && tokens[i].isPunct(',')) {
            ++i;
            continue;
        }
        break;
    }
    if (i >= tokens.size() || !tokens[i++].isPunct(')') || i != tokens.size())
        return std::nullopt;
    return index;
}

QStringList PgDialect::indexTerms(const PgIndexDefinition& index, const PgTable* table) {
    QStringList terms;
    bool keyed = false;
    for (const PgIndexDefinition::Column& column : index.columns) {
        // The key keeps the server's own place of nulls, as translate() sorts it.
        const bool key = table && folded(column.name) == folded(table->key);
        if (column.descending)
            terms << quotedName(column.name) +
                         (key ? QStringLiteral(" DESC NULLS FIRST") : QStringLiteral(" DESC NULLS LAST"));
        else
            terms << quotedName(column.name) +
                         (key ? QStringLiteral(" NULLS LAST") : QStringLiteral(" NULLS FIRST"));
        keyed = keyed || key;
    }
    if (table && !index.unique && !keyed)
        terms << quotedName(table->key) + QStringLiteral(" NULLS LAST");
    return terms;
}

QString PgDialect::indexStatement(const PgIndexDefinition& index, const PgTable* table) {
    return QStringLiteral("CREATE %1INDEX %2%3 ON %4 (%5)")
        .arg(index.unique ? QStringLiteral("UNIQUE ") : QString(),
             index.ifNotExists ? QStringLiteral("IF NOT EXISTS ") : QString(), quotedName(index.name),
             quotedName(index.table), indexTerms(index, table).join(QStringLiteral(", ")));
}

PgStatementText PgDialect::translate(const QString& sql, const TableLookup& lookup) {
    const std::vector<Token> tokens = tokenize(sql);
    const size_t first = nextSignificant(tokens, 0);
    const bool isSelect = first < tokens.size() && tokens[first].is("SELECT");
    const bool isInsert = first < tokens.size() && tokens[first].is("INSERT");
    bool single = false;
    const PgTable* table = mainTable(tokens, lookup, &single);

    bool grouped = false;
    QSet<QString> ordered;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].is("GROUP") || tokens[i].is("DISTINCT") || tokens[i].is("UNION"))
            grouped = true;
    }

    PgStatementText result;
    QString& out = result.sql;
    int parameter = 0;
    int depth = 0;
    bool inOrder = false;
    size_t termEnd = 0;    // the last significant token of the current sort term
    QStringList termNames; // the names of the current sort term
    int termTokens = 0;
    auto endTerm = [&] {
        while (out.endsWith(QLatin1Char(' ')) || out.endsWith(QLatin1Char('\n')))
            out.chop(1);
        const bool descending = tokens[termEnd].is("DESC");
        const int words = termTokens - ((descending || tokens[termEnd].is("ASC")) ? 1 : 0);
        // The key is never null: left in the server's own order of nulls, a sort on it
        // reads the key's index.
        const bool key =
            table && words == 1 && termNames.size() == 1 && folded(termNames.first()) == folded(table->key);
        if (!key)
            out += descending ? QStringLiteral(" NULLS LAST") : QStringLiteral(" NULLS FIRST");
        termNames.clear();
        termTokens = 0;
    };
    auto endOrder = [&] {
        endTerm();
        // Rows that sort alike come in the order they were written, as they do from the
        // file engine's index.
        if (isSelect && single && table && !grouped && !ordered.contains(folded(table->key)))
            out += QStringLiteral(", ") + quotedName(table->key);
        inOrder = false;
    };
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.isPunct('('))
            ++depth;
        if (t.isPunct(')')) {
            if (inOrder && depth == 0)
                endOrder();
            --depth;
        }
        if (inOrder && depth == 0) {
            if (t.isPunct(',')) {
                endTerm();
            } else if (t.is("LIMIT") || t.is("OFFSET") || t.isPunct(';')) {
                endOrder();
                out += QLatin1Char(' ');
            } else if (t.kind != Token::Space) {
                termEnd = i;
                ++termTokens;
                if (t.isName()) {
                    ordered.insert(folded(t.name()));
                    if (!t.is("ASC") && !t.is("DESC"))
                        termNames << t.name();
                }
            }
        }
        switch (t.kind) {
        case Token::Parameter:
            out += QLatin1Char('$') + QString::number(++parameter);
            continue;
        case Token::Quoted:
            out += quotedName(t.name());
            continue;
        case Token::Word:
            break;
        case Token::Punct:
            if (t.isPunct('*') && isSelect && table && table->hiddenKey) {
                const size_t before = [&] {
                    size_t k = i;
                    while (k > 0 && tokens[k - 1].kind == Token::Space)
                        --k;
                    return k;
                }();
                if (before > 0 && (tokens[before - 1].is("SELECT") || tokens[before - 1].isPunct(','))) {
                    QStringList names;
                    for (const QString& column : table->columns)
                        names << quotedName(column);
                    out += names.join(QStringLiteral(", "));
                    continue;
                }
            }
            out += t.text;
            continue;
        default:
            out += t.text;
            continue;
        }
        // Words.
        if (t.is("IS")) {
            size_t next = nextSignificant(tokens, i + 1);
            if (next < tokens.size() && tokens[next].is("NOT")) {
                const size_t after = nextSignificant(tokens, next + 1);
                if (after < tokens.size() && !tokens[after].is("NULL")) {
                    out += QStringLiteral("IS DISTINCT FROM");
                    i = next;
                    continue;
                }
            } else if (next < tokens.size() && !tokens[next].is("NULL")) {
                out += QStringLiteral("IS NOT DISTINCT FROM");
                continue;
            }
        } else if (t.is("NOT")) {
            const size_t next = nextSignificant(tokens, i + 1);
            if (next < tokens.size() && tokens[next].is("INDEXED")) {
                // A hint to SQLite's planner; the server plans for itself.
                i = next;
                continue;
            }
        } else if (t.is("ORDER") && depth == 0) {
            const size_t next = nextSignificant(tokens, i + 1);
            if (next < tokens.size() && tokens[next].is("BY")) {
                out += t.text + tokens[next - 1].text + tokens[next].text;
                i = next;
                inOrder = true;
                ordered.clear();
                continue;
            }
        }
        out += t.text;
    }
    if (inOrder)
        endOrder();
    if (isInsert && table && !sql.contains(QLatin1String("RETURNING"), Qt::CaseInsensitive)) {
        result.returnedKey = folded(table->key);
        out += QStringLiteral(" RETURNING ") + quotedName(table->key);
    }
    result.parameters = parameter;
    return result;
}

} // namespace velkor
