#pragma once

#include "reports/ClosingTotals.h"

#include <QDate>

namespace velkor {

class Connection;

/// The closing step of the report list: turns the rows of 522, 523, 524, 570, 580, 590
/// and 591 into closing-kind rows dated `adjustmentDate`, totals the differences booked
/// against 698 and 697, and writes the 698 and 697 closing rows and the depreciation
/// summary rows under 257 and 268. It reads first: a company that holds those rows as
/// they would be written is only read, so that a login that may only read gets its report.
/// Otherwise all of it runs in one transaction on the company database: an error (also
/// the refusal of a login that may not write) leaves every row as it was and says that
/// the report needs preparing by one who may. Returns the totals it wrote or found.
ClosingTotals KarZarar698Ayarla(Connection& company, const QDate& adjustmentDate);

} // namespace velkor
