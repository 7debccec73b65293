#pragma once

#include "periods/PeriodTypes.h"

#include <unordered_set>

namespace velkor {

class Connection;
class Database;

/// The end of the base period: the 31.12.2023 work of the three sheets.
QDate baseEnd();

/// Every row of the 31.12.2023 item table as the carry rule reads it, by id. A row's
/// missing amounts stay empty; a stored text that is no number reads as empty too.
std::vector<BaseRow> readBaseRows(Database& db);
/// The rows of that table other than those of `carried` (ids), by id: the rows a stored
/// period may have left out, read without the rows it holds lines of.
std::vector<BaseRow> readBaseRowsOtherThan(Database& db, const std::unordered_set<qint64>& carried);

/// The 31.12.2023 rows made current first: runs the 31.12.2023 closing step (the 698 and 697
/// rows, the depreciation summaries) as the report list does, then reads every row.
std::vector<BaseRow> currentBaseRows(Connection& company);

} // namespace velkor
