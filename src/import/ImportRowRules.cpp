#include "import/ImportRowRules.h"

#include "base/TextHelpers.h"
#include "engine/MonthKey.h"

namespace velkor {

RowAccount splitFullCode(const QString& code) {
    RowAccount account;
    if (code.size() < 3)
        return account;
    account.main = code.left(3);
    if (code.size() >= 5) {
        const QChar fourth = code.at(3);
        const bool separated = fourth == QLatin1Char('.') || fourth == QLatin1Char(' ') ||
                               fourth == QLatin1Char(',') || fourth == QLatin1Char('-');
        account.sub = code.mid(separated ? 4 : 3);
    }
    return account;
}

ValueSide valueSideOf(int account, const ValueSides& sides) {
    if (account < 300 || account == 580 || account == 591 || account == 503)
        return ValueSide::Debit;
    if (account > 300 && account < 600 && sides.hasCreditColumn)
        return sides.creditInDebitColumn ? ValueSide::NegatedDebit : ValueSide::Credit;
    return ValueSide::None;
}

double registeredValue(int account, const ValueSides& sides) {
    switch (valueSideOf(account, sides)) {
    case ValueSide::Debit:
        return ParseAmount(sides.debitText);
    case ValueSide::NegatedDebit:
        return -ParseAmount(sides.debitText);
    case ValueSide::Credit:
        return ParseAmount(sides.creditText);
    case ValueSide::None:
        break;
    }
    return 0;
}

bool isImportableAccount(int n, const ImportExclusions& exclusions) {
    if ((n >= 250 && n <= 256) || (n >= 258 && n <= 267))
        return !exclusions.fixedAssets;
    if (n >= 150 && n <= 159)
        return !exclusions.stocks;
    if ((n >= 170 && n <= 178) || (n >= 240 && n <= 246) || (n >= 270 && n <= 278) ||
        (n >= 500 && n <= 503) || (n >= 520 && n <= 525))
        return true;
    switch (n) {
    case 110:
    case 126:
    case 180:
    case 226:
    case 280:
    case 294:
    case 326:
    case 340:
    case 350:
    case 380:
    case 381:
    case 426:
    case 440:
    case 480:
    case 540:
    case 541:
    case 542:
    case 549:
    case 570:
    case 580:
    case 590:
    case 591:
        return true;
    default:
        return false;
    }
}

bool isFixedAssetAccount(int account) {
    return account > 250 && account < 269;
}

bool isRevaluedAccount(int account) {
    return account >= 250 && account <= 268;
}

bool isStockAccount(int account) {
    return account > 149 && account < 158;
}

BaseMonth baseMonthOf(const QDate& entry, const std::optional<QDate>& revaluation) {
    BaseMonth base{entry, MonthKey(entry)};
    if (revaluation) {
        const bool later = entry.year() > revaluation->year() ||
                           (entry.year() == revaluation->year() && entry.month() > revaluation->month());
        if (!later)
            base = {*revaluation, MonthKey(*revaluation)};
    }
    if (base.date < QDate(2005, 1, 1))
        base = {QDate(2004, 12, 31), 200412};
    return base;
}

std::optional<QDate> readEntryDate(const QString& text) {
    if (text.size() != 10)
        return std::nullopt;
    const int day = static_cast<int>(ParseAmount(text.mid(0, 2)));
    const int month = static_cast<int>(ParseAmount(text.mid(3, 2)));
    bool ok = false;
    const int year = text.mid(6, 4).toInt(&ok);
    if (!ok)
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace velkor
