#pragma once

#include "storage/Database.h"

#include <QStringList>
#include <QVariant>
#include <vector>

struct sqlite3_stmt;

namespace velkor {

/// A prepared statement with bound parameters. Values are QVariants: null, integers,
/// doubles, text, byte arrays and dates (stored as ISO 8601 date text).
class Statement {
public:
    Statement(Database& db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    /// Binds a positional parameter (1-based).
    void bind(int index, const QVariant& value);
    /// Binds all parameters in order.
    void bindAll(const QVariantList& values);
    /// Steps once: true while a row is available.
    bool step();
    /// Runs to completion (statements without results).
    void run();
    /// Makes the statement ready to run again with new bindings.
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    /// The declared type of a result column (empty for expressions).
    QString declaredType(int column) const;
    /// The value of a column of the current row; DATE columns read back as QDate.
    QVariant value(int column) const;

    // The same column read as the type its reader expects, without a QVariant between: a
    // reader of thousands of rows takes each cell by its type. A NULL cell reads as 0, an
    // empty text or a null date.
    bool isNull(int column) const;
    qint64 integer(int column) const;
    double number(int column) const;
    QString text(int column) const;
    /// An ISO 8601 date text ("2024-06-30", a time after it ignored) as value() reads a DATE
    /// column; a cell that is no text reads as a null date.
    QDate date(int column) const;

private:
    enum class Kind { Other, Double, Date };
    Kind kindOf(int column) const;

    Database& m_db;
    sqlite3_stmt* m_stmt = nullptr;
    mutable std::vector<Kind> m_kinds;
};

/// Binds a value to a statement handle; shared with the cursors.
void bindValue(sqlite3_stmt* stmt, int index, const QVariant& value);

} // namespace velkor
