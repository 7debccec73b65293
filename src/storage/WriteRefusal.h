#pragma once

namespace velkor {

class DatabaseError;

/// Whether the engine refused the write itself rather than failed at it: a login of the
/// office server without the right to write, a transaction or file open only for reading.
/// A full disk, a lock or a broken connection are no refusals; their own message says
/// more than one about rights.
bool isWriteRefusal(const DatabaseError& error);

} // namespace velkor
