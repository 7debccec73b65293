#pragma once

#include "storage/EngineStatement.h"
#include "storage/PgDialect.h"

#include <QStringList>
#include <QVariantList>
#include <vector>

struct pg_result;

namespace velkor {

class PgSchemaConnection;

/// A statement of the program's dialect on a server schema. It runs when it is first
/// stepped (or asked for its columns) with the values bound until then, and holds its rows.
class PgSchemaStatement : public EngineStatement {
public:
    PgSchemaStatement(PgSchemaConnection& connection, const QString& sql);
    ~PgSchemaStatement() override;
    PgSchemaStatement(const PgSchemaStatement&) = delete;
    PgSchemaStatement& operator=(const PgSchemaStatement&) = delete;

    void bind(int index, const QVariant& value) override;
    bool step() override;
    void reset() override;

    int columnCount() const override;
    QString columnName(int column) const override;
    QString declaredType(int column) const override;
    QVariant value(int column) const override;

private:
    void run() const;
    void clear();

    PgSchemaConnection& m_connection;
    PgStatementText m_text;
    QStringList m_aliases;
    QVariantList m_params;
    mutable pg_result* m_result = nullptr;
    mutable bool m_ran = false;
    int m_row = -1;
};

} // namespace velkor
