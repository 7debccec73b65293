#pragma once

#include <QString>
#include <QStringList>

namespace velkor {

/// The adjustment account of every explanation text.
inline const QString kAdjustmentAccount = QStringLiteral("698");
/// Its description in the posting lines.
inline const QString kAdjustmentAccountName = QStringLiteral("ENFLASYON DÜZELTME HESABI");

/// The item an explanation text posts, and by how much.
struct ItemPosting {
    QString mainAccount;
    QString subAccount;
    QString name;
    /// Characters of the name kept in the description: 40 when computed, 35 when reloaded.
    int nameLength = 40;
    /// The adjustment difference as the posting lines show it.
    QString difference;
};

/// The separator of the explanation texts: 41 "-", "31/12/2023", 41 "-".
QString separatorLine();
/// A debit posting line: PadRight(label, 10) + " " + PadRight(description, 40) + " " +
/// PadLeft(amount, 23); nothing is cut.
QString debitLine(const QString& label, const QString& description, const QString& amount);
/// A credit posting line: 16 spaces, then the debit layout.
QString creditLine(const QString& label, const QString& description, const QString& amount);
/// The item label: the first 10 characters of main account + "." + sub-account.
QString itemLabel(const QString& mainAccount, const QString& subAccount);
/// The item description: the first `length` characters of the name (40 when computed,
/// 35 when rebuilt from a stored row; the posting line pads it to 40).
QString itemDescription(const QString& name, int length = 40);
/// An amount as the texts show it: "#,##0.00".
QString amountText(double value);
/// A field text re-read and shown as an amount ("#,##0.00"); empty reads as 0.
QString reformattedAmount(const QString& fieldText);

/// The financing methods as the explanation sentences name them, by `ROFMRadio` index.
enum class FinancingMethod { Debt = 0, TotalFinancing = 1, SeveralRates = 2 };

/// "ROFM \"Borç Tutarı\" Yöntemi ile Reel Faiz (" + real interest + ") X (" + coefficient +
/// ") Katsayı ile Düzeltilmiştir." and the sentences of the other two methods.
QString financingMethodSentence(FinancingMethod method, const QString& realInterest,
                                const QString& coefficient);
/// "ROFM (" + amount + ") TL varlık tutarından çıkarılmıştır."
QString financingAmountSentence(const QString& amount);
/// "Varlık Net Değeri (" + net value + ") X (" + coefficient + ") Katsayı ile Düzeltilmiştir."
QString netValueSentence(const QString& netValue, const QString& coefficient);
/// The adjustment of an asset: separator, the item debit and the 698 credit, each followed
/// by an empty line (the item is credited and 698 debited when `itemIsCredit`).
QStringList adjustmentPostings(const QString& label, const QString& description, const QString& amount,
                               bool itemIsCredit = false);

} // namespace velkor
