#pragma once

#include "base/Prompt.h"
#include "storage/Connection.h"

#include <QStringList>

namespace velkor {

/// What an update of the reference tables from the shipped data did.
struct ReferenceUpdate {
    bool updated = false;
    int fromVersion = 0;
    int toVersion = 0;
    /// The rows a user added or corrected that were kept, one text each ("Yİ-ÜFE 2026-03: 5.100,00").
    QStringList keptRows;
};

/// Replaces the reference tables by the shipped data when they hold an older version
/// (always with `force`), in one transaction: rows the user added or corrected (those in
/// the history) keep their values. Any failure leaves the tables as they were.
ReferenceUpdate updateReferenceTables(Database& rates, bool force = false);
/// The message telling the user what an update did.
QString referenceUpdateMessage(const ReferenceUpdate& update);
/// The start-up step: updates the tables of the open rate connection when they are older
/// and tells the user, reopening the connection so that no dataset keeps the old rows.
void updateShippedReferenceData(Connection& rates, Prompt& prompt);

} // namespace velkor
