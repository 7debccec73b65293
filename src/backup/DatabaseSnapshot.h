#pragma once

#include "storage/SchemaCheck.h"

#include <QString>
#include <QStringList>

namespace velkor {

/// Writes a consistent copy of the database file `source` into the new file `target`:
/// the copy is made inside one read transaction (SQLCipher's export into an attached,
/// equally keyed database), so a transaction writing the source meanwhile is either
/// wholly in the copy or not at all. Throws DatabaseError.
void snapshotDatabase(const QString& source, const QString& target);

/// Writes a consistent copy of the database file `source` into the new file `target`, byte
/// for byte as it lies on the disk: read under the engine's shared lock, so a transaction
/// writing the source meanwhile is either wholly in the copy or not at all. Unlike a
/// snapshot it neither decrypts nor compacts, which makes it the backups' copy: an archive
/// gets the company's file as it is. Throws DatabaseError when the file does not open with
/// the password or the copy cannot be written.
void copyDatabase(const QString& source, const QString& target);

/// Checks that `path` opens with the database password, is sound and holds every table
/// and column the program uses in a database of `kind` (SchemaCheck); throws ShownError
/// saying in Turkish what is wrong.
void verifyDatabase(const QString& path, SchemaKind kind);

/// Replaces `target` with `source` by one rename (atomic on one file system) and removes
/// the engine's leftover journal files of the target first. Throws ShownError with the
/// system's message.
void replaceFile(const QString& source, const QString& target);

/// Writes every file of the folder's file system to the disk (best effort).
void syncFileSystem(const QString& folder);

/// Makes the folder's renames durable (best effort).
void syncFolder(const QString& folder);

} // namespace velkor
