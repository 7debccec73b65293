#pragma once

#include "storage/Dataset.h"

namespace velkor {

/// A dataset on SQL text given as lines (joined by line breaks) with bound parameters.
class Query : public Dataset {
    Q_OBJECT

public:
    explicit Query(Connection& connection);

    /// Replaces the SQL lines; the query must be closed.
    void setSql(const QStringList& lines);
    void clearSql() { m_lines.clear(); }
    void addLine(const QString& line) { m_lines << line; }
    const QStringList& sqlLines() const { return m_lines; }
    QString sql() const { return m_lines.join(QLatin1Char('\n')); }
    /// Positional parameters bound on every open.
    void setParams(const QVariantList& params) { m_params = params; }

    void open() override;

private:
    QStringList m_lines;
    QVariantList m_params;
};

} // namespace velkor
