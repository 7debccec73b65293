#pragma once

#include "storage/Database.h"

#include <QStringList>
#include <functional>

namespace velkor {

class PgConnection;

/// Copies every row of every table of a database file into the tables of the same names
/// in `schema`, ids unchanged, and moves each identity past the highest id copied. Runs
/// inside the caller's transaction.
void copyRowsToServer(Database& file, PgConnection& server, const QString& schema);

/// The tables of a database file in creation order.
QStringList fileTables(Database& file);

} // namespace velkor
