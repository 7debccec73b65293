#pragma once

#include "vouchers/TransferOptions.h"
#include "vouchers/TransferRow.h"
#include "vouchers/VoucherLine.h"

#include <vector>

namespace velkor {

/// Whether a row gives voucher lines at all (Logo has no such test: every row is offered).
bool isEligibleRow(const TransferRow& row, VoucherTarget target);

/// The voucher lines of the rows in their order, for one accounting program: for each
/// row its main pair (debit, then credit, both of the adjustment difference) and, for a
/// fixed asset with a depreciation difference, its depreciation pair; the descriptions
/// (none for Logo) and the voucher counter as that program numbers its documents. With
/// `closingEntries` the 697 and 698 closing rows give the journal's closing entries.
std::vector<VoucherLine> deriveVoucherLines(const std::vector<TransferRow>& rows,
                                            const TransferOptions& options, VoucherTarget target);

/// The document number of a line: the prefix and the counter as a whole number.
QString documentNumber(const TransferOptions& options, const VoucherLine& line);

} // namespace velkor
