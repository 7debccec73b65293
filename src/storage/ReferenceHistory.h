#pragma once

#include "storage/Database.h"

#include <QDateTime>
#include <QString>
#include <vector>

namespace velkor {

/// The version of the reference data the program ships. Raise it whenever a shipped
/// CSV changes: installations holding an older version are updated at start-up.
inline constexpr int kReferenceDataVersion = 2;

/// The tables a user may add figures to, as recorded in the history.
namespace referencetable {
inline const QString kIndex = QStringLiteral("YI_UFE_Yeni");
inline const QString kInterest = QStringLiteral("Ortalama_Faiz");
inline const QString kDepreciation = QStringLiteral("Amortisman_Oranlari");
/// The history's entry for an update from the shipped data.
inline const QString kVersion = QStringLiteral("Veri_Surumu");
} // namespace referencetable

/// One recorded change of the reference tables.
struct ReferenceChange {
    QDateTime when;
    QString table;    ///< one of `referencetable`
    QString key;      ///< "2024-03" for a month, `tum_kodu` for a depreciation class
    QString oldValue; ///< empty for a new row
    QString newValue;
    QString source; ///< where the figures come from, as the user gave it
};

/// Creates the version table `Veri_Surumu` and the history table `Veri_Degisiklikleri`
/// when missing. A database without them was made before versions existed (version 1).
void ensureReferenceHistoryTables(Database& rates);
/// The version of the reference data in the database: 1 when it has none recorded.
int storedReferenceVersion(Database& rates);
/// Records the version the tables now hold.
void setStoredReferenceVersion(Database& rates, int version);
/// Appends a change to the history.
void recordReferenceChange(Database& rates, const ReferenceChange& change);
/// The distinct (table, key) pairs a user added or corrected, oldest first.
std::vector<std::pair<QString, QString>> userChangedKeys(Database& rates);
/// The key text of a month: "2024-03".
QString monthKeyText(int year, int month);

} // namespace velkor
