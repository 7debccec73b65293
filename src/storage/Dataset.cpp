#include "storage/Dataset.h"

#include "base/NumberFormat.h"
#include "storage/Statement.h"

#include <cmath>

namespace velkor {

bool sameValue(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    if (holdsNumber(a) && holdsNumber(b))
        return a.toDouble() == b.toDouble();
    if (a.typeId() == QMetaType::QDate || b.typeId() == QMetaType::QDate)
        return a.toDate() == b.toDate();
    if (holdsNumber(a) || holdsNumber(b)) {
        bool ok = false;
        const double other = (holdsNumber(a) ? b : a).toString().toDouble(&ok);
        return ok && other == (holdsNumber(a) ? a : b).toDouble();
    }
    return a.toString() == b.toString();
}

Dataset::Dataset(Connection& connection) : m_connection(connection) {
    m_connection.attach(this);
}

Dataset::~Dataset() {
    m_connection.detach(this);
}

void Dataset::ensureOpen() {
    if (!m_open)
        open();
}

void Dataset::close() {
    if (!m_open && m_rows.empty())
        return;
    m_open = false;
    m_rows.clear();
    m_current = 0;
    m_eof = m_bof = false;
    notifyReset();
}

void Dataset::refresh() {
    const int keep = m_current;
    close();
    open();
    if (!m_rows.empty())
        setCurrentIndex(std::min<int>(keep, static_cast<int>(m_rows.size()) - 1));
}

void Dataset::load(Statement& statement, std::vector<qint64>* rowIds) {
    m_rows.clear();
    m_columns.clear();
    m_declaredTypes.clear();
    const int first = rowIds ? 1 : 0;
    if (rowIds)
        rowIds->clear();
    const int n = statement.columnCount();
    for (int i = first; i < n; ++i) {
        m_columns << statement.columnName(i);
        m_declaredTypes << statement.declaredType(i);
    }
    while (statement.step()) {
        if (rowIds)
            rowIds->push_back(statement.value(0).toLongLong());
        std::vector<QVariant> row;
        row.reserve(n - first);
        for (int i = first; i < n; ++i)
            row.push_back(statement.value(i));
        m_rows.push_back(std::move(row));
    }
    m_current = 0;
    m_eof = m_rows.empty();
    m_bof = true;
    notifyReset();
}

void Dataset::first() {
    m_bof = true;
    m_eof = m_rows.empty();
    setCurrentIndex(0);
}

void Dataset::next() {
    m_bof = false;
    if (m_current + 1 < static_cast<int>(m_rows.size()))
        setCurrentIndex(m_current + 1);
    else
        m_eof = true;
}

void Dataset::prior() {
    m_eof = false;
    if (m_current > 0)
        setCurrentIndex(m_current - 1);
    else
        m_bof = true;
}

void Dataset::last() {
    m_eof = true;
    m_bof = m_rows.empty();
    setCurrentIndex(static_cast<int>(m_rows.size()) - 1);
}

void Dataset::moveTo(int recNo) {
    m_eof = m_bof = false;
    setCurrentIndex(recNo - 1);
}

void Dataset::setCurrentIndex(int index) {
    if (m_rows.empty()) {
        m_current = 0;
        return;
    }
    index = std::clamp(index, 0, static_cast<int>(m_rows.size()) - 1);
    if (index != m_current) {
        m_current = index;
        notifyCurrent();
    }
}

bool Dataset::locate(const QString& column, const QVariant& value) {
    const int c = requireColumn(column);
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (sameValue(m_rows[i][c], value)) {
            m_eof = m_bof = false;
            setCurrentIndex(static_cast<int>(i));
            return true;
        }
    }
    return false;
}

int Dataset::columnIndex(const QString& column) const {
    // Callers mostly spell a column as the table declares it: an exact match is found
    // without folding the case of a hundred names.
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i) == column)
            return i;
    }
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).compare(column, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int Dataset::requireColumn(const QString& column) const {
    const int c = columnIndex(column);
    if (c < 0)
        throw DatabaseError(QStringLiteral("Alan bulunamadı: %1").arg(column));
    return c;
}

QVariant Dataset::value(const QString& column) const {
    const int c = requireColumn(column);
    if (m_rows.empty())
        return {};
    return m_rows[m_current][c];
}

QString Dataset::text(const QString& column) const {
    const QVariant v = value(column);
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    return v.toString();
}

double Dataset::number(const QString& column) const {
    const QVariant v = value(column);
    return v.isNull() ? 0.0 : v.toDouble();
}

QDate Dataset::date(const QString& column) const {
    return value(column).toDate();
}

void Dataset::disableControls() {
    ++m_disabled;
}

void Dataset::enableControls() {
    if (m_disabled > 0 && --m_disabled == 0)
        Q_EMIT rowsReset();
}

void Dataset::notifyReset() {
    if (!m_disabled)
        Q_EMIT rowsReset();
}

void Dataset::notifyRow(int row) {
    if (!m_disabled)
        Q_EMIT rowChanged(row);
}

void Dataset::notifyCurrent() {
    if (!m_disabled)
        Q_EMIT currentChanged(m_current);
}

} // namespace velkor
