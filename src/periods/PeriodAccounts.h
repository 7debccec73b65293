#pragma once

#include <QString>

namespace velkor {

// What the account of a period line says about how it is adjusted and booked.

/// The main account as a number (0 when it is not one).
int accountNumber(const QString& account);
/// 150-159: stocks, adjusted by the stock method of the line.
bool isStockAccount(const QString& account);
/// 250-267 without 257 and 258: assets that are depreciated.
bool isDepreciableAccount(const QString& account);
/// 170-177 and 350-357: long-term construction, booked against 697 instead of 698.
bool isConstructionAccount(const QString& account);
/// Whether the account carries a debit balance (assets and stocks, 580): its increase is
/// booked on the debit side. Every other line (equity, 570, liabilities) is credited.
bool isDebitBalanceAccount(const QString& account);
/// The accumulated-depreciation account of a depreciable line: its own when set, else 257
/// for 250-259 and 268 for 260-267.
QString accumulatedAccount(const QString& account, const QString& ownAccount);
/// The account text of a line in the journal: "502." + sub-account for capital (its
/// difference goes to the capital adjustment account), else account "." sub-account.
QString lineAccountText(const QString& account, const QString& subAccount);

} // namespace velkor
