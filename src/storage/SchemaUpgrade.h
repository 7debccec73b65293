#pragma once

#include "storage/Database.h"

namespace velkor {

/// The version of a company database's tables. 1: the item table of the 31.12.2023 work as
/// every earlier release wrote it; 2: the later periods' tables `donem`, `donem_kalem` and
/// `donem_kayit` beside it.
inline constexpr int kCompanySchemaVersion = 2;

/// The version a company database is at: 1 when it has no version table (every file of the
/// releases before the later periods).
int companySchemaVersion(Database& db);

/// Brings a company database to `kCompanySchemaVersion` in one transaction. Only tables are
/// added: the item table and its rows stay as they were, so a file of an earlier release
/// opens unchanged and gains its periods. Files already at the version are not written.
/// A file of a later version than this program knows is refused with a ShownError.
void upgradeCompanySchema(Database& db);

/// Adds the columns the company details gained since the first release to `firmalar` of the
/// general database ("2023 Brüt Satışlar", "Kıymetli maden ticareti (298/A-9)"); a database
/// that has them is not written.
void upgradeGeneralSchema(Database& db);

/// Whether a table of the database has a column of that name (case ignored).
bool hasColumn(Database& db, const QString& table, const QString& column);

} // namespace velkor
