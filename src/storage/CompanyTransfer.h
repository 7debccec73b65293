#pragma once

#include <QString>

namespace velkor {

class Database;
class PgConnection;

/// Copies a company's database file into a new company schema on the office server,
/// every row with its id, in one transaction: afterwards the server has the whole
/// company or nothing of it. Refuses a code that already has a schema there.
void copyCompanyToServer(Database& file, PgConnection& server, const QString& code);

/// Writes a company schema of the office server into a new company database file at
/// `path`, every row with its id, from one snapshot of the server. The file is written
/// under a temporary name and renamed into place only when it is complete; an existing
/// file is refused.
void copyCompanyToFile(PgConnection& server, const QString& code, const QString& path);

} // namespace velkor
