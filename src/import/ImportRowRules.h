#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace velkor {

/// The main account and sub-account a grid row names.
struct RowAccount {
    QString main;
    QString sub;
};

/// The main account and sub-account of a full code such as "253.01", "253-7" or "25377":
/// the first three characters, then the rest after a separator (".", " ", "," or "-") in
/// the fourth place, or from the fourth character when there is none. A code of three or
/// four characters has no sub-account; a shorter one gives neither.
RowAccount splitFullCode(const QString& code);

/// How the value of a row is read from its debit and credit columns.
struct ValueSides {
    QString debitText;
    QString creditText;
    bool hasCreditColumn = false;
    bool creditInDebitColumn = false; ///< `BorcAlacakBuCheck`: credits are negative debits
};
/// Where a row's value is read: the debit column, minus the debit column (credits written
/// as negative debits), the credit column, or nowhere.
enum class ValueSide { None, Debit, NegatedDebit, Credit };
/// The side of a row of main account N, as registeredValue reads it.
ValueSide valueSideOf(int account, const ValueSides& sides);
/// The registered value of a row of main account N: the debit column for N < 300 and for
/// 580, 591 and 503; the credit column (or minus the debit) for the other accounts between
/// 300 and 600; 0 otherwise.
double registeredValue(int account, const ValueSides& sides);

/// Which account kinds the user chose not to import.
struct ImportExclusions {
    bool fixedAssets = false; ///< `SabitKiymetAktarmaCheck`: 250-256, 258-267
    bool stocks = false;      ///< `StoklarAktarmaCheck`: 150-159
};
/// Whether items of the main account are imported.
bool isImportableAccount(int account, const ImportExclusions& exclusions);

/// Whether fixed-asset columns (depreciation, revaluation) belong to the account: 251-268.
bool isFixedAssetAccount(int account);
/// Whether a revaluation concerns the account: 250-268.
bool isRevaluedAccount(int account);
/// Whether the account is one of the stocks of the real method: 150-157.
bool isStockAccount(int account);

/// The base month of an item: the entry date, or the revaluation date when the item was
/// entered in or before the revaluation's month; before 2005 the base is 31.12.2004.
struct BaseMonth {
    QDate date;
    int key = 0;
};
BaseMonth baseMonthOf(const QDate& entry, const std::optional<QDate>& revaluation);

/// Reads a ten-character "dd.mm.yyyy" text as the import does (day and month as amounts,
/// the year as a number); nothing when it is no valid date.
std::optional<QDate> readEntryDate(const QString& text);

} // namespace velkor
