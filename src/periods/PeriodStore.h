#pragma once

#include "periods/PeriodTypes.h"

namespace velkor {

class Database;

// The rows of the periods' tables (`donem`, `donem_kalem`, `donem_kayit`) as the vocabulary's
// structs. Writers run inside the caller's transaction; the company database must be at the
// schema version of the periods (storage/SchemaUpgrade), readers give nothing on an older one.

/// Every later period of the company by end date.
std::vector<Period> readPeriods(Database& db);
/// The period ending at `end`, nothing when the company has none.
std::optional<Period> readPeriod(Database& db, const QDate& end);
/// Writes a new period and returns its id.
qint64 insertPeriod(Database& db, const Period& period);
/// Writes the period's row over the stored one of its id.
void updatePeriod(Database& db, const Period& period);

/// The totals stored with the period when it was last saved or closed.
PeriodTotals readTotals(Database& db, qint64 periodId);
/// Stores the totals with the period.
void writeTotals(Database& db, qint64 periodId, const PeriodTotals& totals);

/// The stored lines of a period in the order they were written.
std::vector<PeriodLine> readLines(Database& db, qint64 periodId);
/// Stores the lines of a period: lines with the id of a stored line of the period overwrite it,
/// the others are added (and get their ids), stored lines not among them are removed.
void writeLines(Database& db, qint64 periodId, std::vector<PeriodLine>& lines);

/// The entries frozen when the period was closed, in journal order.
std::vector<PeriodEntry> readEntries(Database& db, qint64 periodId);
/// Freezes the entries of a period as its closing wrote them.
void writeEntries(Database& db, qint64 periodId, const std::vector<PeriodEntry>& entries);
/// Drops the frozen entries of a period (reopening).
void removeEntries(Database& db, qint64 periodId);

} // namespace velkor
