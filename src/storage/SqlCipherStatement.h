#pragma once

#include "storage/EngineStatement.h"

#include <vector>

struct sqlite3_stmt;

namespace velkor {

class SqlCipherConnection;

/// A prepared statement on an encrypted file. Dates are stored as ISO 8601 date text.
class SqlCipherStatement : public EngineStatement {
public:
    SqlCipherStatement(SqlCipherConnection& connection, const QString& sql);
    ~SqlCipherStatement() override;
    SqlCipherStatement(const SqlCipherStatement&) = delete;
    SqlCipherStatement& operator=(const SqlCipherStatement&) = delete;

    void bind(int index, const QVariant& value) override;
    bool step() override;
    void reset() override;

    int columnCount() const override;
    QString columnName(int column) const override;
    QString declaredType(int column) const override;
    QVariant value(int column) const override;
    bool isNull(int column) const override;
    qint64 integer(int column) const override;
    double number(int column) const override;
    QString text(int column) const override;
    QDate date(int column) const override;

private:
    enum class Kind { Other, Double, Date };
    Kind kindOf(int column) const;

    SqlCipherConnection& m_connection;
    sqlite3_stmt* m_stmt = nullptr;
    mutable std::vector<Kind> m_kinds;
};

} // namespace velkor
