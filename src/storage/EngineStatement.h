#pragma once

#include <QDate>
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

    // The same column read as the type its reader expects. These defaults go through
    // value(); an engine whose rows are read by the thousand reads them directly. A NULL
    // cell reads as 0, an empty text or a null date.
    virtual bool isNull(int column) const { return value(column).isNull(); }
    virtual qint64 integer(int column) const { return value(column).toLongLong(); }
    virtual double number(int column) const { return value(column).toDouble(); }
    virtual QString text(int column) const { return value(column).toString(); }
    /// A DATE column, or an ISO 8601 date text with a time after it ignored.
    virtual QDate date(int column) const;
};

} // namespace velkor
