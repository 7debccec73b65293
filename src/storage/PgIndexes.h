#pragma once

#include <QStringList>

namespace velkor {

class PgSchemaConnection;

/// Brings the indexes of a server schema to the shape the dialect now gives the program's
/// indexes (PgDialect::indexStatement), as recorded in the schema's catalog: an index of
/// another shape on the same columns — one an earlier release made, or a copy of the
/// template's under a name of the server's choosing — is dropped, a missing one made.
/// Indexes of other columns (an administrator's own) are left alone. Runs inside the
/// caller's transaction; returns the names of the indexes made, none when all were in shape.
QStringList renewIndexes(PgSchemaConnection& schema);

} // namespace velkor
