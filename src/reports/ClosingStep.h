#pragma once

#include "reports/ClosingTotals.h"

#include <QDate>

namespace velkor {

class Connection;

/// The closing step of the report list: turns the rows of 522, 523, 524, 570, 580, 590
/// and 591 into closing-kind rows dated `adjustmentDate`, totals the differences booked
/// against 698 and 697, and writes the 698 and 697 closing rows and the depreciation
/// summary rows under 257 and 268. All of it runs in one transaction on the company
/// database: an error leaves every row as it was. Returns the totals it wrote.
ClosingTotals KarZarar698Ayarla(Connection& company, const QDate& adjustmentDate);

} // namespace velkor
