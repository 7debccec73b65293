#include "storage/WriteRefusal.h"

#include "storage/PgConnection.h"

#include <sqlcipher/sqlite3.h>

namespace velkor {

bool isWriteRefusal(const DatabaseError& error) {
    if (const auto* server = dynamic_cast<const PgError*>(&error)) {
        // insufficient_privilege, read_only_sql_transaction
        return server->sqlState() == QLatin1String("42501") || server->sqlState() == QLatin1String("25006");
    }
    if (error.code() == DatabaseError::kNoEngineCode)
        return false;
    switch (error.code() & 0xff) {
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return true;
    default:
        return false;
    }
}

} // namespace velkor
