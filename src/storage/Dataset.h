#pragma once

#include "storage/Connection.h"

#include <QDate>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace velkor {

class Statement;

/// A static cursor over rows read from a connection: the rows are read when the
/// dataset opens; first/next/locate move the current row. Numbering starts at 1;
/// next() on the last row sets the at-end state and stays on that row. Empty numbers
/// read as 0 and null text as empty text; isNull() tells null apart.
class Dataset : public QObject {
    Q_OBJECT

public:
    explicit Dataset(Connection& connection);
    ~Dataset() override;

    Connection& connection() const { return m_connection; }

    bool isOpen() const { return m_open; }
    /// Reads the rows; the cursor stands on the first one.
    virtual void open() = 0;
    /// Opens the dataset when it is closed.
    void ensureOpen();
    /// Forgets the rows.
    virtual void close();
    /// Closes and opens again, keeping the current record number where possible.
    void refresh();

    bool isEmpty() const { return m_rows.empty(); }
    int recordCount() const { return static_cast<int>(m_rows.size()); }
    /// The current record number, from 1; 0 when empty.
    int recNo() const { return m_rows.empty() ? 0 : m_current + 1; }
    bool eof() const { return m_eof || m_rows.empty(); }
    bool bof() const { return m_bof || m_rows.empty(); }

    void first();
    void next();
    void prior();
    void last();
    /// Moves to a record number (1-based).
    void moveTo(int recNo);
    /// Moves to the first row whose column equals the value; false when none does
    /// (the position is then unchanged).
    bool locate(const QString& column, const QVariant& value);

    const QStringList& columnNames() const { return m_columns; }
    int columnIndex(const QString& column) const;
    bool hasColumn(const QString& column) const { return columnIndex(column) >= 0; }

    /// The value of a column of the current row (null QVariant for NULL).
    virtual QVariant value(const QString& column) const;
    bool isNull(const QString& column) const { return value(column).isNull(); }
    /// The value as text; NULL reads as empty text.
    QString text(const QString& column) const;
    /// The value as a number; NULL and empty read as 0.
    double number(const QString& column) const;
    QDate date(const QString& column) const;

    /// The value at a row (0-based) and column index, for grids.
    const QVariant& cell(int row, int column) const { return m_rows[row][column]; }

    /// Suspends and resumes the notifications that bound views repaint on.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disabled > 0; }

Q_SIGNALS:
    /// The rows were read again, closed or changed in number.
    void rowsReset();
    /// A row's values changed.
    void rowChanged(int row);
    /// The cursor moved.
    void currentChanged(int row);

protected:
    /// Replaces the rows with those the statement yields. With rowIds, the statement's
    /// first column is the engine's row id, kept apart from the row values.
    void load(Statement& statement, std::vector<qint64>* rowIds = nullptr);
    void setOpen(bool open) { m_open = open; }
    void notifyReset();
    void notifyRow(int row);
    void notifyCurrent();
    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);

    std::vector<std::vector<QVariant>> m_rows;
    QStringList m_columns;
    QStringList m_declaredTypes;

private:
    int requireColumn(const QString& column) const;

    Connection& m_connection;
    bool m_open = false;
    int m_current = 0;
    bool m_eof = false;
    bool m_bof = false;
    int m_disabled = 0;
};

/// Compares two stored values the way locate does (numbers as numbers, text exactly).
bool sameValue(const QVariant& a, const QVariant& b);

} // namespace velkor
