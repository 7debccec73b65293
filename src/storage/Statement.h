#pragma once

#include "storage/Database.h"

#include <QStringList>
#include <QVariant>
#include <memory>

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
    void bind(int index, const QVariant& value) { m_engine->bind(index, value); }
    /// Binds all parameters in order.
    void bindAll(const QVariantList& values);
    /// Steps once: true while a row is available.
    bool step() { return m_engine->step(); }
    /// Runs to completion (statements without results).
    void run();
    /// Makes the statement ready to run again with new bindings.
    void reset() { m_engine->reset(); }

    int columnCount() const { return m_engine->columnCount(); }
    QString columnName(int column) const { return m_engine->columnName(column); }
    /// The declared type of a result column (empty for expressions).
    QString declaredType(int column) const { return m_engine->declaredType(column); }
    /// The value of a column of the current row; DATE columns read back as QDate.
    QVariant value(int column) const { return m_engine->value(column); }

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
    std::unique_ptr<EngineStatement> m_engine;
};

} // namespace velkor
