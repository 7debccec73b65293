#pragma once

#include <QString>

namespace velkor {

/// What an error of the database engine means to the user, in Turkish: the folder is not
/// writable, the disk is full (naming the disk), the company is in use by another program,
/// the file is damaged or no database of this program, ... The engine's own text follows
/// as the detail. `code` is the engine's primary or extended result code, `path` the
/// database file the error happened on (may be empty).
QString engineFailureMessage(int code, const QString& path, const QString& engineText);

} // namespace velkor
