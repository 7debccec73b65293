#pragma once

#include "storage/Database.h"

#include <QMap>
#include <QStringList>

namespace velkor {

/// The kinds of database file whose tables the program relies on.
enum class SchemaKind { Company, General };

/// Every table and its columns (lower case, in table order) that a database of this kind
/// is created with: read from a database made by the same schema definitions the program
/// creates its files with, so the check never falls behind them.
const QMap<QString, QStringList>& expectedSchema(SchemaKind kind);

/// Why the open database lacks a table or a column the program uses, in Turkish naming
/// the file, the table and the column; empty when it has them all. Tables and columns
/// beyond these are allowed.
QString schemaProblem(Database& db, SchemaKind kind);

} // namespace velkor
