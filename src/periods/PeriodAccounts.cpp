#include "periods/PeriodAccounts.h"

namespace velkor {

int accountNumber(const QString& account) {
    // Asked for every line at every step of a sort: the plain three digits are read in place,
    // anything else the slow way.
    qsizetype start = 0;
    while (start < account.size() && account.at(start).isSpace())
        ++start;
    if (account.size() - start >= 3) {
        int n = 0;
        bool digits = true;
        for (qsizetype i = start; i < start + 3 && digits; ++i) {
            const char16_t c = account.at(i).unicode();
            digits = c >= u'0' && c <= u'9';
            n = n * 10 + (c - u'0');
        }
        if (digits)
            return n;
    }
    return account.trimmed().left(3).toInt();
}

bool isStockAccount(const QString& account) {
    const int n = accountNumber(account);
    return n >= 150 && n <= 159;
}

bool isDepreciableAccount(const QString& account) {
    const int n = accountNumber(account);
    return n >= 250 && n <= 267 && n != 257 && n != 258;
}

bool isConstructionAccount(const QString& account) {
    const int n = accountNumber(account);
    return (n >= 170 && n <= 177) || (n >= 350 && n <= 357);
}

bool isDebitBalanceAccount(const QString& account) {
    const int n = accountNumber(account);
    return n < 300 || n == 580;
}

QString accumulatedAccount(const QString& account, const QString& ownAccount) {
    if (!ownAccount.trimmed().isEmpty())
        return ownAccount.trimmed();
    return accountNumber(account) <= 259 ? QStringLiteral("257") : QStringLiteral("268");
}

QString lineAccountText(const QString& account, const QString& subAccount) {
    const QString main = account == QLatin1String("500") ? QStringLiteral("502") : account;
    if (subAccount.isEmpty())
        return main.left(12);
    return (main + QLatin1Char('.') + subAccount).left(12);
}

} // namespace velkor
