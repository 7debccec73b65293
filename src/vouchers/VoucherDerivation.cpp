#include "vouchers/VoucherDerivation.h"

#include "base/NumberFormat.h"
#include "reports/JournalRules.h"

#include <cmath>

namespace velkor {

namespace {

bool isOneOf(double n, std::initializer_list<int> codes) {
    for (const int code : codes) {
        if (n == code) {
            return true;
        }
    }
    return false;
}

bool isFundAccount(const QString& code) {
    static const QStringList funds{"522", "523", "524", "570", "590"};
    return funds.contains(code);
}

/// An account text with the parent the Logo voucher gives it.
struct Account {
    QString text;
    QString parent;
};

class Derivation {
public:
    Derivation(const TransferOptions& options, VoucherTarget target) : m_options(options), m_target(target) {}

    Account sub(const QString& main, const TransferRow& row, const QString& parent) const {
        return {main + m_options.separator + row.sub, parent};
    }
    Account own(const TransferRow& row) const { return sub(row.code, row, row.code); }
    Account counter() const { return {m_options.counterAccount, QStringLiteral("698")}; }

    Account mainDebit(const TransferRow& row) const {
        const double n = row.number;
        const bool logo = m_target == VoucherTarget::Logo;
        if (n < 300) {
            if (logo && isOneOf(n, {178, 257, 268})) {
                return {};
            }
            return own(row);
        }
        if (n == 500 && row.kind == QLatin1String("522")) {
            return sub(QStringLiteral("503"), row, QStringLiteral("503"));
        }
        if (isFundAccount(row.code)) {
            return own(row);
        }
        if (row.kind != QLatin1String("522")) {
            if (n >= 350 && n <= 357) {
                switch (m_target) {
                case VoucherTarget::Luca:
                    return sub(QStringLiteral("697"), row, QStringLiteral("697"));
                case VoucherTarget::Logo:
                    return counter();
                default:
                    return {QStringLiteral("697"), QStringLiteral("697")};
                }
            }
            return counter();
        }
        return {};
    }

    Account mainCredit(const TransferRow& row) const {
        const double n = row.number;
        const bool logo = m_target == VoucherTarget::Logo;
        if (n < 300 && !(logo && isOneOf(n, {257, 268}))) {
            if (n >= 170 && n <= 177) {
                return logo ? sub(QStringLiteral("178"), row, QStringLiteral("697"))
                            : sub(QStringLiteral("697"), row, QStringLiteral("697"));
            }
            return counter();
        }
        if (n == 500 && row.kind == QLatin1String("522")) {
            return counter();
        }
        if (n > 299 && row.kind != QLatin1String("522")) {
            if (row.code == QLatin1String("500") && !logo) {
                return sub(QStringLiteral("502"), row, QStringLiteral("502"));
            }
            if (isFundAccount(row.code)) {
                return counter();
            }
            if (m_target == VoucherTarget::Luca && n >= 350 && n <= 357) {
                return sub(QStringLiteral("358"), row, QStringLiteral("358"));
            }
            return own(row);
        }
        return {};
    }

    Account depreciationCredit(const TransferRow& row) const {
        Account a257 = m_options.useFixedDepreciationAccount
                           ? Account{m_options.fixedDepreciationAccount, QStringLiteral("257")}
                           : sub(QStringLiteral("257"), row, QStringLiteral("257"));
        Account a268 = m_options.useIntangibleDepreciationAccount
                           ? Account{m_options.intangibleDepreciationAccount, QStringLiteral("268")}
                           : sub(QStringLiteral("268"), row, QStringLiteral("268"));
        if (m_options.useOwnDepreciationAccount && row.depreciationAccount &&
            row.depreciationAccount->size() > 2) {
            a257.text = *row.depreciationAccount;
            a268.text = *row.depreciationAccount;
        }
        const double n = row.number;
        if (m_target == VoucherTarget::Logo) {
            if (n >= 250 && n <= 258) {
                return a257;
            }
            if (n >= 260 && n <= 268) {
                return a268;
            }
            return {};
        }
        return n >= 258 ? a268 : a257;
    }

    QString mainDescription(const TransferRow& row) const {
        if (m_target == VoucherTarget::Logo) {
            return {};
        }
        const double net =
            row.financingInterest ? row.registeredValue - *row.financingInterest : row.registeredValue;
        return QStringLiteral("Varlık Net Değeri (") + FormatFloat(patterns::kAmount, net) +
               QStringLiteral(") X (") + FormatFloat(patterns::kCoefficient, row.coefficient) +
               QStringLiteral(") Katsayı ile Düzeltilmiştir.");
    }

    QString depreciationDescription(const TransferRow& row) const {
        if (m_target == VoucherTarget::Logo) {
            return {};
        }
        const double a = row.accumulatedDepreciation;
        // With no registered depreciation the increase has no ratio; it shows as zero.
        const double ratio = a != 0 ? (row.depreciationDifference + a) / a : 0;
        return QStringLiteral("Amortisman Değeri (") + FormatFloat(patterns::kAmount, a) +
               QStringLiteral(") X (") + FormatFloat(patterns::kCoefficient, ratio) +
               QStringLiteral(") Katsayı ile Düzeltilmiştir.");
    }

    /// A journal account ("698", "697" or main + "." + sub) as this voucher writes it: 698
    /// as the counter account C, the sub-account after the separator S.
    Account fromJournal(const QString& account) const {
        if (account == journal::kAdjustmentAccount) {
            return counter();
        }
        const qsizetype dot = account.indexOf(QLatin1Char('.'));
        if (dot < 0) {
            return {account, account};
        }
        const QString main = account.left(dot);
        return {main + m_options.separator + account.mid(dot + 1), main};
    }

    /// The closing entry of a 698 or 697 closing row, with the accounts, sides and amount
    /// the journal gives it and its transfer line as the description (none for Logo);
    /// nothing when the row closes no balance.
    std::optional<JournalEntry> closing(const TransferRow& row) const {
        ItemRow item;
        item.mainAccount = row.code;
        item.accountNumber = row.number;
        item.subAccount = row.sub;
        item.difference = row.difference;
        std::optional<JournalEntry> entry = closingEntry(item);
        if (!entry) {
            return std::nullopt;
        }
        // The balance is a sum of amounts in kuruş: the noise of the sum must not reach a
        // spreadsheet cell, so it becomes the double nearest to its kuruş (dividing, which
        // multiplying by 0.01 would not give).
        entry->amount = std::nearbyint(entry->amount * 100) / 100;
        if (!(entry->amount > 0)) {
            return std::nullopt;
        }
        return entry;
    }

    QString closingDescription(const JournalEntry& entry) const {
        if (m_target == VoucherTarget::Logo || entry.explanation.isEmpty()) {
            return {};
        }
        return entry.explanation.first();
    }

private:
    const TransferOptions& m_options;
    VoucherTarget m_target;
};

/// Whether a row is one of the closing rows the report step writes for 698 and 697.
bool isClosingEntryRow(const TransferRow& row) {
    return row.code == journal::kAdjustmentAccount || row.code == journal::kConstructionAccount;
}

void addPair(std::vector<VoucherLine>& lines, const Account& debit, const Account& credit, double amount,
             const QString& description, double counter, bool depreciation) {
    lines.push_back(
        {debit.text, debit.parent, VoucherSide::Debit, amount, description, counter, depreciation});
    lines.push_back(
        {credit.text, credit.parent, VoucherSide::Credit, amount, description, counter, depreciation});
}

} // namespace

bool isEligibleRow(const TransferRow& row, VoucherTarget target) {
    if (target == VoucherTarget::Logo) {
        return true;
    }
    if (!(row.difference > 0 && row.registeredValue > 0 && row.number < 600)) {
        return false;
    }
    if (isOneOf(row.number, {178, 257, 268})) {
        return false;
    }
    return !(target == VoucherTarget::Luca && row.number == 358);
}

std::vector<VoucherLine> deriveVoucherLines(const std::vector<TransferRow>& rows,
                                            const TransferOptions& options, VoucherTarget target) {
    const Derivation derivation(options, target);
    std::vector<VoucherLine> lines;
    lines.reserve(rows.size() * 4);
    const bool luca = target == VoucherTarget::Luca;
    const bool numbered = luca || target == VoucherTarget::Netsis;
    double counter = options.counterStart - (options.grouping == VoucherGrouping::Single ? 0 : 1);
    bool first = true;
    QString previousCode;
    // Luca numbers the vouchers of the rows that give lines.
    const auto startRow = [&](const TransferRow& row) {
        if (luca) {
            if (options.grouping == VoucherGrouping::PerItem ||
                (options.grouping == VoucherGrouping::PerMainAccount &&
                 (first || row.code != previousCode))) {
                counter += 1;
            }
        }
        first = false;
        previousCode = row.code;
    };
    for (const TransferRow& row : rows) {
        // With the option, the closing rows give the closing entry in every format in
        // place of what the item rules make of them (Logo's own lines included).
        if (options.closingEntries && isClosingEntryRow(row)) {
            if (const std::optional<JournalEntry> entry = derivation.closing(row)) {
                startRow(row);
                addPair(lines, derivation.fromJournal(entry->debitAccount),
                        derivation.fromJournal(entry->creditAccount), entry->amount,
                        derivation.closingDescription(*entry), counter, false);
            }
            continue;
        }
        if (!isEligibleRow(row, target)) {
            continue;
        }
        startRow(row);
        if (target != VoucherTarget::Logo || row.difference > 0) {
            addPair(lines, derivation.mainDebit(row), derivation.mainCredit(row), row.difference,
                    derivation.mainDescription(row), counter, false);
        }
        if (row.depreciationDifference > 0 && row.fixedAsset) {
            if (numbered && options.grouping == VoucherGrouping::PerItem &&
                !options.depreciationInItemVoucher) {
                counter += 1;
            }
            addPair(lines, derivation.counter(), derivation.depreciationCredit(row),
                    row.depreciationDifference, derivation.depreciationDescription(row), counter, true);
        }
    }
    return lines;
}

QString documentNumber(const TransferOptions& options, const VoucherLine& line) {
    return options.documentPrefix + FormatFloat(QStringLiteral("0"), line.counter);
}

} // namespace velkor
