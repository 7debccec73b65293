#include "periods/PeriodEntries.h"

#include "engine/Rounding.h"
#include "periods/PeriodAccounts.h"
#include "periods/PeriodExplanation.h"
#include "reports/JournalRules.h"

namespace velkor {

namespace {

const QString kSpecialFundAccount = QStringLiteral("549");
const QString kSpecialFundDescription = QStringLiteral("ÖZEL FONLAR");

bool isComputed(const PeriodLine& line) {
    return line.status != LineStatus::NotComputed && line.status != LineStatus::Outside;
}

// The entry that increases the item side by `amount`; a decrease turns the sides round.
std::optional<PeriodEntry> sidedEntry(bool itemOnDebit, const QString& itemAccount,
                                      const QString& itemDescription, const QString& counterAccount,
                                      const QString& counterDescription, double amount) {
    const double rounded = RoundDecimals(amount, 2);
    if (rounded == 0.0)
        return std::nullopt;
    const bool itemDebited = itemOnDebit == (rounded > 0);
    PeriodEntry entry;
    entry.debitAccount = itemDebited ? itemAccount : counterAccount;
    entry.debitDescription = itemDebited ? itemDescription : counterDescription;
    entry.creditAccount = itemDebited ? counterAccount : itemAccount;
    entry.creditDescription = itemDebited ? counterDescription : itemDescription;
    entry.amount = std::abs(rounded);
    return entry;
}

QString accumulatedDescription(const PeriodLine& line) {
    const QString item =
        line.subAccount.isEmpty() ? line.account : line.account + QLatin1Char('.') + line.subAccount;
    return QStringLiteral("AMORTİSMAN HESABI (") + item + QLatin1Char(')');
}

QString expenseDescription(const QString& account) {
    const int n = accountNumber(account);
    if (n == 730)
        return QStringLiteral("GENEL ÜRETİM GİDERLERİ");
    if (n == 760)
        return QStringLiteral("PAZARLAMA SATIŞ VE DAĞITIM GİDERLERİ");
    if (n == 770)
        return QStringLiteral("GENEL YÖNETİM GİDERLERİ");
    return QStringLiteral("AMORTİSMAN GİDERİ");
}

} // namespace

namespace {

// The entries with their accounts and amounts always, and their descriptions and
// explanations when `texts` asks for them: the totals of every "Hesapla" need no texts.
std::vector<PeriodEntry> entriesOf(const PeriodLine& line, const PeriodSettings& settings, bool texts) {
    std::vector<PeriodEntry> entries;
    if (!isComputed(line))
        return entries;
    QString counter = journal::kAdjustmentAccount;
    QString counterDescription = journal::kAdjustmentDescription;
    if (isConstructionAccount(line.account)) {
        counter = journal::kConstructionAccount;
        counterDescription = journal::kConstructionDescription;
    } else if (accountNumber(line.account) == 258 &&
               settings.investmentDifference == InvestmentDifference::SpecialFund549) {
        counter = kSpecialFundAccount;
        counterDescription = kSpecialFundDescription;
    }
    if (auto entry = sidedEntry(
            isDebitBalanceAccount(line.account), lineAccountText(line.account, line.subAccount),
            texts ? line.name.left(40) : QString(), counter, counterDescription, line.difference)) {
        entry->explanation = line.explanation;
        entry->kind = PeriodEntry::Kind::Difference;
        entry->lineId = line.id;
        entries.push_back(*entry);
    }
    if (auto entry = sidedEntry(false, accumulatedAccount(line.account, line.depreciationAccount),
                                texts ? accumulatedDescription(line) : QString(), journal::kAdjustmentAccount,
                                journal::kAdjustmentDescription, line.accumulatedDifference)) {
        if (texts)
            entry->explanation = accumulatedExplanation(line.accumulatedBefore, line.coefficient);
        entry->kind = PeriodEntry::Kind::AccumulatedDifference;
        entry->lineId = line.id;
        entries.push_back(*entry);
    }
    return entries;
}

} // namespace

std::vector<PeriodEntry> lineEntries(const PeriodLine& line, const PeriodSettings& settings) {
    return entriesOf(line, settings, true);
}

std::vector<PeriodEntry> lineEntryAmounts(const PeriodLine& line, const PeriodSettings& settings) {
    return entriesOf(line, settings, false);
}

std::optional<PeriodEntry> catchUpEntry(const PeriodLine& line, const PeriodSettings& settings) {
    if (!isComputed(line))
        return std::nullopt;
    const QString expense = line.expenseAccount.isEmpty() ? QStringLiteral("770") : line.expenseAccount;
    auto entry = sidedEntry(false, accumulatedAccount(line.account, line.depreciationAccount),
                            accumulatedDescription(line), expense, expenseDescription(expense), line.catchUp);
    if (!entry)
        return std::nullopt;
    entry->explanation = catchUpExplanation(line.newMonthly, line.oldMonthly, line.catchUpMonths,
                                            settings.booking == DepreciationBooking::Quarterly);
    entry->kind = PeriodEntry::Kind::CatchUp;
    entry->lineId = line.id;
    return entry;
}

std::optional<PeriodEntry> constructionClosing(double g697, double l697) {
    const double balance = RoundDecimals(g697 - l697, 2);
    if (balance == 0.0)
        return std::nullopt;
    PeriodEntry entry;
    entry.debitAccount = balance > 0 ? journal::kConstructionAccount : QStringLiteral("178.697");
    entry.creditAccount = balance > 0 ? QStringLiteral("358.697") : journal::kConstructionAccount;
    entry.debitDescription = journal::kConstructionDescription;
    entry.creditDescription = journal::kConstructionDescription;
    entry.amount = std::abs(balance);
    entry.explanation = QStringLiteral("YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME HESABI VİRMANI");
    entry.kind = PeriodEntry::Kind::Closing697;
    return entry;
}

std::optional<PeriodEntry> resultClosing(double g698, double l698, ResultClosing closing) {
    const double balance = RoundDecimals(g698 - l698, 2);
    if (balance == 0.0)
        return std::nullopt;
    PeriodEntry entry;
    entry.kind = PeriodEntry::Kind::Closing698;
    entry.amount = std::abs(balance);
    QString account;
    QString description;
    if (closing == ResultClosing::To690) {
        account = QStringLiteral("690");
        description = QStringLiteral("DÖNEM KARI VEYA ZARARI");
        entry.explanation = QStringLiteral("ENFLASYON DÜZELTME FARKININ DÖNEM KAR/ZARARINA VİRMANI");
    } else if (balance > 0) {
        account = QStringLiteral("648");
        description = QStringLiteral("ENFLASYON DÜZELTMESİ KARLARI");
        entry.explanation = QStringLiteral("ENFLASYON DÜZELTME KARININ 648 HESABA VİRMANI");
    } else {
        account = QStringLiteral("658");
        description = QStringLiteral("ENFLASYON DÜZELTMESİ ZARARLARI");
        entry.explanation = QStringLiteral("ENFLASYON DÜZELTME ZARARININ 658 HESABA VİRMANI");
    }
    // A credit balance of 698 (gains above losses) is closed by debiting 698.
    if (balance > 0) {
        entry.debitAccount = journal::kAdjustmentAccount;
        entry.debitDescription = journal::kAdjustmentDescription;
        entry.creditAccount = account;
        entry.creditDescription = description;
    } else {
        entry.debitAccount = account;
        entry.debitDescription = description;
        entry.creditAccount = journal::kAdjustmentAccount;
        entry.creditDescription = journal::kAdjustmentDescription;
    }
    return entry;
}

void addToTotals(const PeriodEntry& entry, PeriodTotals& totals) {
    if (entry.kind == PeriodEntry::Kind::Closing697 || entry.kind == PeriodEntry::Kind::Closing698)
        return;
    if (entry.creditAccount == journal::kAdjustmentAccount)
        totals.g698 = RoundDecimals(totals.g698 + entry.amount, 2);
    if (entry.debitAccount == journal::kAdjustmentAccount)
        totals.l698 = RoundDecimals(totals.l698 + entry.amount, 2);
    if (entry.creditAccount == journal::kConstructionAccount)
        totals.g697 = RoundDecimals(totals.g697 + entry.amount, 2);
    if (entry.debitAccount == journal::kConstructionAccount)
        totals.l697 = RoundDecimals(totals.l697 + entry.amount, 2);
}

} // namespace velkor
