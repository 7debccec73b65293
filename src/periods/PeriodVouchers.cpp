#include "periods/PeriodVouchers.h"

#include "base/NumberFormat.h"

#include <cmath>

namespace velkor {

namespace {

struct Account {
    QString text;
    QString parent;
};

Account voucherAccount(const QString& account, const TransferOptions& options) {
    const qsizetype dot = account.indexOf(QLatin1Char('.'));
    const QString main = dot < 0 ? account : account.left(dot);
    if (main == QLatin1String("698") && dot < 0)
        return {options.counterAccount, main};
    if (main == QLatin1String("257") && options.useFixedDepreciationAccount)
        return {options.fixedDepreciationAccount, main};
    if (main == QLatin1String("268") && options.useIntangibleDepreciationAccount)
        return {options.intangibleDepreciationAccount, main};
    if (dot < 0)
        return {account, main};
    return {main + options.separator + account.mid(dot + 1), main};
}

// The account that names the item of an entry: the side that is not 698.
QString itemAccountOf(const PeriodEntry& entry) {
    const QString debit = entry.debitAccount.left(3);
    return debit == QLatin1String("698") ? entry.creditAccount.left(3) : debit;
}

} // namespace

std::vector<VoucherLine> periodVoucherLines(const std::vector<PeriodEntry>& entries,
                                            const TransferOptions& options, VoucherTarget target) {
    std::vector<VoucherLine> lines;
    lines.reserve(entries.size() * 2);
    double counter = options.counterStart - (options.grouping == VoucherGrouping::Single ? 0 : 1);
    qint64 previousLine = -1;
    QString previousAccount;
    PeriodEntry::Kind previousKind = PeriodEntry::Kind::Difference;
    for (const PeriodEntry& entry : entries) {
        const double amount = std::nearbyint(entry.amount * 100) / 100;
        if (!(amount > 0))
            continue;
        const bool depreciation = entry.kind == PeriodEntry::Kind::AccumulatedDifference;
        const QString itemAccount = itemAccountOf(entry);
        switch (options.grouping) {
        case VoucherGrouping::PerItem: {
            // An item's AD entry follows its difference in the same voucher, unless the
            // options give depreciation vouchers of their own.
            const bool sameItem = entry.lineId != 0 && entry.lineId == previousLine && depreciation &&
                                  previousKind == PeriodEntry::Kind::Difference &&
                                  options.depreciationInItemVoucher;
            if (!sameItem)
                counter += 1;
            break;
        }
        case VoucherGrouping::PerMainAccount:
            if (lines.empty() || itemAccount != previousAccount)
                counter += 1;
            break;
        case VoucherGrouping::Single:
            break;
        }
        previousLine = entry.lineId;
        previousAccount = itemAccount;
        previousKind = entry.kind;
        const Account debit = voucherAccount(entry.debitAccount, options);
        const Account credit = voucherAccount(entry.creditAccount, options);
        const QString description = target == VoucherTarget::Logo ? QString() : entry.explanation;
        lines.push_back(
            {debit.text, debit.parent, VoucherSide::Debit, amount, description, counter, depreciation});
        lines.push_back(
            {credit.text, credit.parent, VoucherSide::Credit, amount, description, counter, depreciation});
    }
    return lines;
}

TransferOptions periodTransferOptions(TransferOptions options, const QDate& end) {
    options.voucherDate = FormatDate(end);
    if (options.yearCode == QLatin1String("2023") && options.monthCode == QLatin1String("12")) {
        options.yearCode = QString::number(end.year());
        options.monthCode = QStringLiteral("%1").arg(end.month(), 2, 10, QLatin1Char('0'));
    }
    return options;
}

} // namespace velkor
