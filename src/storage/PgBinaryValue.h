#pragma once

#include <QVariant>
#include <libpq-fe.h>

namespace velkor {

/// A value of a server result in the binary form, as the program's values are: whole numbers
/// as qint64, decimals as double, dates as QDate, bytes as QByteArray, texts as QString. A
/// double arrives as its own bits and is neither written out by the server nor read back by
/// the program; a sum of whole numbers is a whole number, as SQLite gives it. Throws
/// DatabaseError for a type the program does not read.
QVariant pgBinaryValue(Oid type, const char* data, int length);

} // namespace velkor
