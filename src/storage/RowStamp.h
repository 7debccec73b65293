#pragma once

#include "base/ShownError.h"

#include <QByteArray>
#include <QVariantList>
#include <optional>

namespace velkor {

class Database;
class PgConnection;

/// A save refused because the row changed or went away since the user loaded it: on an
/// office server others work on the same company, and the later save would overwrite
/// their work without either of them knowing.
class StaleRowError : public ShownError {
public:
    StaleRowError();
};

/// What a stored row looked like: a digest of all its values in column order. Compared
/// only with stamps of the same table and engine. An empty stamp stands for a row the
/// user did not load (a new item), which nothing can have changed.
class RowStamp {
public:
    RowStamp() = default;
    /// The stamp of a row's values.
    static RowStamp of(const QVariantList& values);

    bool isEmpty() const { return m_digest.isEmpty(); }
    bool operator==(const RowStamp& other) const = default;

private:
    QByteArray m_digest;
};

/// All values of the row whose `id` is `id` in a table of a database file; nothing when
/// there is no such row. `table` is one of the program's table names.
std::optional<QVariantList> storedRow(Database& file, const QString& table, qint64 id);
/// The same on an office server, for `schema`.`table`. With `lockRow` the row stays locked
/// until the caller's transaction ends, so that nobody changes it between the check and
/// the write.
std::optional<QVariantList> storedRow(PgConnection& server, const QString& schema, const QString& table,
                                      qint64 id, bool lockRow);

/// Throws StaleRowError when the row, as stored now (nothing when it is gone), is not
/// the one `loaded` stamped. An empty `loaded` passes.
void requireUnchanged(const RowStamp& loaded, const std::optional<QVariantList>& current);

} // namespace velkor
