#pragma once

#include "storage/Dataset.h"

#include <QHash>
#include <map>
#include <memory>
#include <vector>

namespace velkor {

/// A dataset on a whole table, ordered by its key, that edits rows: edit() or append(),
/// setValue(), post() writes the row at once (an auto-increment key gets its value on
/// post), cancel() drops the changes, remove() deletes the current row. Values are
/// checked against the column types before anything is written: a text longer than its
/// column or a 16-bit integer out of range is refused with a DatabaseError.
class Table : public Dataset {
    Q_OBJECT

public:
    enum class State { Browse, Edit, Insert };

    Table(Connection& connection, const QString& tableName);
    ~Table() override;

    const QString& tableName() const { return m_table; }
    void open() override;
    void close() override;

    State state() const { return m_state; }
    /// Starts changing the current row.
    void edit();
    /// Starts a new row (all columns null).
    void append();
    /// Sets a column of the row being edited or inserted (null QVariant writes NULL).
    void setValue(const QString& column, const QVariant& value);
    /// Whether a value was set since edit() or append().
    bool isModified() const { return !m_set.empty(); }
    /// Writes the row being edited or inserted.
    void post();
    /// Drops the changes of the row being edited or inserted.
    void cancel();
    /// Deletes the current row; the cursor moves to the next row.
    void remove();

    QVariant value(const QString& column) const override;

private:
    /// The kinds of values a column is checked and stored as; any other declared type
    /// takes the value as given.
    enum class Kind { Text, LongText, SmallInt, Integer, Double, Date, Other };
    struct ColumnType {
        Kind kind = Kind::Other;
        int length = 0;
        int index = -1; ///< the position among the dataset's columns
    };
    static Kind kindOf(const QString& type);
    void readColumnTypes();
    const ColumnType& columnType(const QString& column) const;
    void check(const QString& column, const ColumnType& type, const QVariant& value) const;
    void clearBuffer();
    Statement& insertStatement(const std::vector<int>& columns);

    QString m_table;
    QString m_key;
    /// The engine's expression that addresses a row of the table.
    QString m_rowKey;
    /// The table's columns, quoted, in table order.
    QStringList m_stored;
    std::vector<qint64> m_rowIds;
    State m_state = State::Browse;
    /// The values set since edit() or append(), by column position, and the positions set
    /// in ascending order. An import sets some twenty values on each of thousands of rows:
    /// the buffer keeps its place from row to row instead of allocating every value anew.
    std::vector<QVariant> m_buffer;
    std::vector<int> m_set;
    /// By lower-case column name.
    std::map<QString, ColumnType> m_types;
    /// The same entries by the names as the table declares them, hashed: setValue() looks
    /// its column up on every call, and comparing names in a tree took longer than
    /// converting and checking the value.
    QHash<QString, const ColumnType*> m_declared;
    int m_keyIndex = -1;
    /// One prepared insert per set of columns: an import appends thousands of rows with
    /// the same columns, and preparing the statement cost more than running it.
    std::map<std::vector<int>, std::unique_ptr<Statement>> m_inserts;
};

} // namespace velkor
