#pragma once

#include "periods/PeriodTypes.h"
#include "vouchers/TransferOptions.h"
#include "vouchers/VoucherLine.h"

#include <vector>

namespace velkor {

/// The voucher lines of a period: for each entry of its journal one debit and one credit
/// line with the entry's accounts, sides and amount (closings and catch-ups included), in
/// journal order. The transfer options apply as on the 31.12.2023 vouchers: the counter
/// account for 698, the separator between main and sub-account, the fixed 257/268
/// accounts, the document prefix and counter by the grouping (an item's AD entry shares
/// its voucher unless "Sabit kıymet amortismanı ayrı fiş" is chosen). Logo lines carry no
/// description and the parent account.
std::vector<VoucherLine> periodVoucherLines(const std::vector<PeriodEntry>& entries,
                                            const TransferOptions& options, VoucherTarget target);

/// The options for a period ending at `end`: the voucher date becomes the period's end,
/// and Netsis' year and month codes follow it while they stand at the 31.12.2023 values.
TransferOptions periodTransferOptions(TransferOptions options, const QDate& end);

} // namespace velkor
