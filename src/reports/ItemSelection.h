#pragma once

#include "engine/AccountGroups.h"

#include <QStringList>

namespace velkor {

/// The SQL lines selecting the item rows of a filter: "SELECT * FROM sabit_kiymet", the
/// filter's WHERE line when it has one, "ORDER BY anahesapkodu, sbk_kodu". The filter's
/// codes are bound as the query's parameters.
QStringList itemSelectionSql(const AccountFilter& filter);

/// The same rows in the same order, with only the columns an `ItemRow` is read from: a
/// row has over a hundred columns, and the journal needs a fifth of them.
QStringList itemRowSelectionSql(const AccountFilter& filter);

} // namespace velkor
