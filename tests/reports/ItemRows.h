#pragma once

#include "storage/Connection.h"

#include <QDate>
#include <QTemporaryDir>
#include <QVariant>
#include <map>
#include <optional>

namespace velkor::test {

/// The columns of one stored item by name.
using RowValues = std::map<QString, QVariant>;

/// A fixed asset as the fixed-asset save writes it, with the results computed the way
/// the adjustment does (coefficient to five decimals, amounts to two).
struct FixedAssetInput {
    QString account = QStringLiteral("253");
    QString sub = QStringLiteral("01");
    QString name = QStringLiteral("TORNA TEZGAHI");
    QDate entryDate{2020, 3, 15};
    int life = 5;
    double value = 1000;
    double accumulated = 0;
    double entryIndex = 100;
    double accountIndex = 250;
};
RowValues fixedAssetRow(const FixedAssetInput& input);

/// A stock or other non-monetary item as the stock save writes it ("Gercek" method).
RowValues stockRow(const QString& account, const QString& sub, const QString& name, double value,
                   double entryIndex, double accountIndex);

/// An equity item as the equity save writes it, with its capital kind.
RowValues equityRow(const QString& account, const QString& sub, const QString& name, double value,
                    double entryIndex, double accountIndex, const QString& kind);

/// A company database in a temporary folder with an open connection on it.
class CompanyDatabase {
public:
    CompanyDatabase();

    Connection& connection() { return m_connection; }
    /// Appends a row through the table layer, as the saves do; returns its id.
    qint64 insert(const RowValues& values);
    /// Every row with every column, in key order, for before/after comparisons.
    std::vector<std::vector<QVariant>> snapshot();
    /// The value of a column of the row with the id.
    QVariant value(qint64 id, const QString& column);
    /// The id of the first row with that main and sub-account, if any.
    std::optional<qint64> find(const QString& account, const QString& sub = {});
    /// The number of rows in the table.
    int rowCount();

private:
    QTemporaryDir m_dir;
    Connection m_connection{QStringLiteral("testConnection")};
};

} // namespace velkor::test
