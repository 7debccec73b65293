#pragma once

#include "vouchers/TransferOptions.h"
#include "vouchers/VoucherLine.h"

#include <QString>
#include <vector>

namespace velkor {

class WorkbookWriter;

/// The fixed date every dated voucher carries.
inline const QString kVoucherDate = QStringLiteral("31.12.2023");

/// The Luca CSV voucher: the header line, then one line per voucher line.
QString lucaVoucherText(const std::vector<VoucherLine>& lines, const TransferOptions& options);
/// The Mikro CSV voucher: one line per voucher line (account, empty, description, signed amount).
QString mikroVoucherText(const std::vector<VoucherLine>& lines, const TransferOptions& options);
/// The Logo XML voucher: one general-ledger voucher, one element a line, the inserted
/// texts escaped.
QString logoVoucherText(const std::vector<VoucherLine>& lines, const TransferOptions& options);
/// The Netsis voucher sheet: 23 headers in row 1, one row per voucher line.
void writeNetsisVoucher(WorkbookWriter& book, const std::vector<VoucherLine>& lines,
                        const TransferOptions& options);
/// The four-column voucher sheet of Sentez, Zirve and Logo.
void writeFourColumnVoucher(WorkbookWriter& book, const std::vector<VoucherLine>& lines);

/// A text with "&", "<", ">" and both quote characters as XML entities.
QString xmlEscaped(const QString& text);

} // namespace velkor
