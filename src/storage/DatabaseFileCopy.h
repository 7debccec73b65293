#pragma once

#include "storage/Database.h"

#include <QString>

namespace velkor {

/// Writes the bytes of `db`'s file, as they lie on the disk (encrypted), into the new file
/// `target`. The caller holds a read transaction on `db`, so no writer changes the file
/// meanwhile. The bytes are read through the engine's own handle of the file: opening and
/// closing another handle of it would drop the locks this process holds on it. Throws
/// DatabaseError (the target is removed then).
void copyDatabaseFile(Database& db, const QString& target);

} // namespace velkor
