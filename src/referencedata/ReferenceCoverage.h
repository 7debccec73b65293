#pragma once

#include "storage/Database.h"

#include <QString>

namespace velkor {

/// The reference tables whose coverage the window states.
enum class CoveredTable { Index, Tefe, Interest, Depreciation };

/// What a table holds and where its figures come from, for the window: the last month
/// (or year, or the number of rows), the published source of the shipped figures, and how
/// many rows users added or corrected with the date and source of the latest.
QString coverageText(Database& rates, CoveredTable table);

} // namespace velkor
