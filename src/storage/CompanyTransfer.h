#pragma once

#include <QString>
#include <functional>

namespace velkor {

class Database;
class PgConnection;

/// Copies a company's database file into a new company schema on the office server,
/// every row with its id, in one transaction: afterwards the server has the whole
/// company or nothing of it. Refuses a code that already has a schema there.
void copyCompanyToServer(Database& file, PgConnection& server, const QString& code);

/// Replaces the company's schema on the office server with the rows of a database file, ids
/// unchanged, in one transaction: whoever opens the company sees the old one until the
/// commit and the new one after it, and a run that dies before the commit leaves the old
/// one. A company without a schema yet gets one. `beforeCommit` runs last inside the
/// transaction (for the tests that interrupt it).
void replaceCompanyOnServer(Database& file, PgConnection& server, const QString& code,
                            const std::function<void()>& beforeCommit = {});

/// Writes a company schema of the office server into a new company database file at
/// `path`, every row with its id, from one snapshot of the server. The file is written
/// under a temporary name and renamed into place only when it is complete; an existing
/// file is refused.
void copyCompanyToFile(PgConnection& server, const QString& code, const QString& path);

} // namespace velkor
