#pragma once

#include "storage/Database.h"

#include <QStringList>
#include <functional>

namespace velkor {

class PgConnection;

/// The server's column type for a column type of the database files: DOUBLE → double
/// precision, TEXT(n)/LONGTEXT → text, SMALLINT → integer, INTEGER → bigint, DATE → date,
/// BLOB → bytea. The limits the files' types imply (text lengths, the 16-bit range) are
/// checked by the program before it writes, on both engines.
QString pgColumnType(const QString& fileType);

/// The statements that create, in `schema`, the tables and indexes of an open database
/// file, in the file's order. Names are written in lower case, as the server folds the
/// names of statements that do not quote them, so that the program's statements find
/// the same tables and columns on both engines. An auto-increment key becomes an identity
/// column that also takes given values, so that rows keep their ids when copied.
QStringList pgTableStatements(Database& file, const QString& schema, const PgConnection& quoting);

/// Creates in `schema` (which must exist) the tables that `build` creates in a database
/// file: the table definitions of the files are the only ones, and the server's follow them.
void createTablesAsInFiles(PgConnection& server, const QString& schema,
                           const std::function<void(Database&)>& build);

/// Copies every row of every table of a database file into the tables of the same names
/// in `schema`, ids unchanged, and moves each identity past the highest id copied. Runs
/// inside the caller's transaction.
void copyRowsToServer(Database& file, PgConnection& server, const QString& schema);

/// The tables of a database file in creation order.
QStringList fileTables(Database& file);

} // namespace velkor
