#pragma once

#include <QStringList>

namespace velkor {

class PgConnection;

/// The layout version of the office on the database the connection reaches (see
/// office::kSchemaVersion); 0 when the database holds no office.
int officeLayoutVersion(PgConnection& connection);

/// Why the program may not work on an office of that layout version, in Turkish; empty when
/// it may (its own version, or 0: no office, which the work then finds missing by itself).
/// An older layout is upgraded with `velkor-cli server init`; a newer one needs a newer
/// program, since this one would write rows the newer layout does not expect.
QString officeLayoutRefusal(int version);

/// Throws ShownError with officeLayoutRefusal for the office the connection reaches.
void requireOfficeLayout(PgConnection& connection);

/// Brings an office of an earlier layout to this program's, in one transaction, as the
/// owner role: the company schemas and the template gain the later periods' tables they
/// lack and their indexes are renewed, the registry gains its later columns, and the version
/// is raised. Returns what it did, one Turkish line each; nothing for an office at this
/// layout, which is not written. Refuses (ShownError) a database without an office and an
/// office of a newer layout. Two administrators upgrading at once take turns.
QStringList upgradeOffice(PgConnection& admin);

} // namespace velkor
