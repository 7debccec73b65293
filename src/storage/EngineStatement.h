#pragma once

#include <QString>
#include <QVariant>

namespace velkor {

/// A prepared statement of one storage engine. Values are QVariants: null, integers,
/// doubles, text, byte arrays and dates; every engine reads back what it was given, so
/// that nothing above the storage floor knows which engine holds the data.
class EngineStatement {
public:
    virtual ~EngineStatement() = default;

    /// Binds a positional parameter (1-based).
    virtual void bind(int index, const QVariant& value) = 0;
    /// Steps once: true while a row is available.
    virtual bool step() = 0;
    /// Makes the statement ready to run again with new bindings.
    virtual void reset() = 0;

    virtual int columnCount() const = 0;
    /// The column's name as the program spelled it (a table's column as the table declares it).
    virtual QString columnName(int column) const = 0;
    /// The declared type of a result column as the schema writes it ("DOUBLE", "TEXT(30)";
    /// empty for expressions).
    virtual QString declaredType(int column) const = 0;
    /// The value of a column of the current row; DATE columns read back as QDate, DOUBLE
    /// columns as doubles.
    virtual QVariant value(int column) const = 0;
};

} // namespace velkor
