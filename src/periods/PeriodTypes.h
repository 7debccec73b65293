#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace velkor {

// The vocabulary of the adjustments after 31.12.2023: a company's later periods, each named
// by its end date, and their lines. The base period 31.12.2023 is the item table of the
// three sheets; a later period never writes there.

/// The state of a later period: "Açık" (lines may change), "Kapandı" (closing done, values
/// frozen as the next period's book values), "Yapılmadı" (the user left it out).
enum class PeriodState { Open, Closed, Skipped };

/// "Yasal", or "Bilgi amaçlı" (computed and printed, never closed, never the previous
/// period of another).
enum class PeriodKind { Legal, Informational };

/// "Dönem amortismanı": "Birikmişe dahil" or "Düzeltilmiş değerden yeniden".
enum class PeriodDepreciation { IncludedInAccumulated, FromAdjustedValue };
/// "Amortisman kaydı": "Aylık" or "Üç aylık".
enum class DepreciationBooking { Monthly, Quarterly };
/// "698 kapanışı": "690" or "648/658".
enum class ResultClosing { To690, To648Or658 };
/// "Basit ortalamada önceki dönem": "Son düzeltme yapılan dönem" or "Bir önceki geçici
/// vergi dönemi".
enum class AverageBase { LastAdjustedPeriod, PreviousProvisionalPeriod };
/// "258 farkı": "698" or "Özel fon (549)".
enum class InvestmentDifference { To698, SpecialFund549 };

/// The settings stored with each period; a new period copies them from the previous one.
struct PeriodSettings {
    PeriodDepreciation depreciation = PeriodDepreciation::IncludedInAccumulated;
    DepreciationBooking booking = DepreciationBooking::Monthly;
    ResultClosing closing = ResultClosing::To690;
    AverageBase averageBase = AverageBase::LastAdjustedPeriod;
    /// "Amortismanı biten kıymetleri düzelt": "Evet" (true) or "Hayır".
    bool adjustFullyDepreciated = true;
    InvestmentDifference investmentDifference = InvestmentDifference::To698;
};

/// One later period of a company (a row of `donem`).
struct Period {
    qint64 id = 0;
    /// The period's end (a month end); the period's name in every text, "30.06.2024".
    QDate end;
    PeriodKind kind = PeriodKind::Legal;
    /// Why the period is "Bilgi amaçlı" (the reason shown when it was added); empty when legal.
    QString kindReason;
    /// "Düzeltme defterlere kaydedildi ve beyan edildi": makes a quarter below the threshold legal.
    bool declared = false;
    PeriodState state = PeriodState::Open;
    /// The previous adjusted period Q: its id, 0 for the base period 31.12.2023.
    qint64 previousId = 0;
    /// Q's end (31.12.2023 for the base); null while Q is not known yet.
    QDate previousEnd;
    /// The carry coefficient TK as last computed; frozen when the period is closed.
    std::optional<double> carryCoefficient;
    PeriodSettings settings;
    /// The day the closing was done; null while not closed.
    QDate closedOn;
};

/// What a line of a period is: "Devreden", "Yeni", "Basit Ortalama", "Hesaplanmadı", "Dışarıda".
enum class LineStatus { Carried, New, SimpleAverage, NotComputed, Outside };

/// The stock method of a stock line (150-159) in a period; `None` for other lines.
enum class PeriodStockMethod { None, Actual, SimpleAverage, MovingWeightedAverage };

/// The 31.12.2023 item row as the carry rule reads it (the columns of `sabit_kiymet`).
struct BaseRow {
    qint64 id = 0;
    QString mainAccount;                        // anahesapkodu
    QString subAccount;                         // sbk_kodu
    QString name;                               // sbk_adi
    QDate entryDate;                            // fatura_tarihi
    std::optional<double> adjustedValue;        // Duzeltilmis_Tutar
    std::optional<double> adjustedDepreciation; // Duzeltilmis_Amortisman
    std::optional<double> difference;           // Enflasyon_Farki
    std::optional<double> bookValue;            // VUK_Son_Degeri
    QDate adjustmentDate;                       // Hesap_Yi_UFE_Tarihi: the month it was adjusted to
    int usefulLife = 0;                         // vuk_amortisman_sure
    QString depreciationMethod;                 // vuk_amortisman_yontem
    QString depreciationAccount;                // amortisman_kodu
    QString stockMethod;                        // Hesaplama_Yontemi
    QString kind;                               // SBK_Diger ("522" for a 500 row of that kind ...)
    QString closingText;                        // the 698 closing row's "KAR"/"ZARAR" marker column
    std::optional<double> rofm;                 // ROFM_Tutar, for information only
};

/// One line of a later period (a row of `donem_kalem`): its inputs, kept when saved, and
/// the results of the last "Hesapla".
struct PeriodLine {
    qint64 id = 0;
    qint64 periodId = 0;
    /// The 31.12.2023 row the line comes from (0 when none).
    qint64 baseItemId = 0;
    /// The line of Q it comes from (0 when none: a line of the base or a new item).
    qint64 previousLineId = 0;
    QString account;
    QString subAccount;
    QString name;
    LineStatus status = LineStatus::Carried;
    /// Carried after one or more adjusted periods without it: "Devreden (ara verilmiş)".
    bool interrupted = false;
    /// The month it was adjusted to last (its previous adjusted value is of that month).
    QDate lastAdjustedEnd;
    PeriodStockMethod stockMethod = PeriodStockMethod::None;
    /// Entry date (purchase, payment of capital); for carried lines the 31.12.2023 entry date.
    QDate entryDate;
    /// A disposal on the line: its date and, for a partial one, "Kalan Oran" (0 to 1).
    QDate disposalDate;
    std::optional<double> remainingShare;
    /// "Kalan Tutar (önceki düzeltilmiş değerle)" of a stock by the actual method.
    std::optional<double> remainingAmount;
    int usefulLife = 0;
    QString depreciationMethod;
    /// The accumulated-depreciation account (amortisman_kodu; empty: 257/268 by the account).
    QString depreciationAccount;
    /// "Amortisman Gider Hesabı" of the catch-up.
    QString expenseAccount = QStringLiteral("770");
    /// A 549 line marked "Düzeltilmez".
    bool notAdjusted = false;
    /// "İç Aktarım": the account the moved amount comes from (empty when not a transfer).
    QString transferSource;

    // Inputs carried from Q (or the base row) or typed.
    /// Book value before P's adjustment (Q's adjusted value, a new item's cost, a stock balance).
    double bookValue = 0;
    /// Accumulated depreciation of Q (adjusted).
    double accumulatedOfQ = 0;
    /// DP as typed; empty when it is to be computed.
    std::optional<double> typedPeriodDepreciation;
    /// The old monthly depreciation as typed; empty when it is to be computed.
    std::optional<double> typedOldMonthly;
    /// Q's new monthly depreciation (after an adjusted period of the same year).
    std::optional<double> previousNewMonthly;
    /// Depreciation booked in the year after Q outside the AD of Q (year-end rule).
    double bookedSinceQ = 0;

    // Results of the last "Hesapla".
    double coefficient = 0;
    double adjustedValue = 0;
    double difference = 0;
    double periodDepreciation = 0;
    /// DP was computed by the program ("hesaplanan (kontrol ediniz)").
    bool periodDepreciationComputed = false;
    double accumulatedBefore = 0;
    double adjustedAccumulated = 0;
    double accumulatedDifference = 0;
    double oldMonthly = 0;
    double newMonthly = 0;
    int catchUpMonths = 0;
    double catchUp = 0;
    /// "Son ay amortismanı (düzeltilmiş değerden)".
    double lastMonthDepreciation = 0;
    /// The accumulated depreciation in the books at P's end ("Dönem Sonu Bakiye"): the
    /// adjusted AD plus every depreciation of the year booked outside it (the last month;
    /// under "Düzeltilmiş değerden yeniden" also the months at the old figure and the
    /// catch-up). The next period carries the part outside the adjusted AD from it.
    double closingAccumulated = 0;
    /// The explanation text of the line's journal entry.
    QString explanation;
    /// Notes and warnings shown on the line (not computed, 258, 176 ...).
    QStringList notes;

    /// Every field alike: a saved line equal to the stored one need not be written again.
    bool operator==(const PeriodLine&) const = default;
};

/// A 31.12.2023 row that is not carried, with its reason.
struct LeftOutRow {
    qint64 baseItemId = 0;
    QString account;
    QString subAccount;
    QString name;
    QString reason;
};

/// The Yİ-ÜFE value of a month key (engine/MonthKey), or nothing when the table lacks it.
using IndexValues = std::function<std::optional<double>(int monthKey)>;

/// One entry of a period's journal and vouchers: a debit and a credit of one amount.
struct PeriodEntry {
    QString debitAccount;
    QString creditAccount;
    /// The account names the journal prints beside the accounts.
    QString debitDescription;
    QString creditDescription;
    /// Always above 0.
    double amount = 0;
    /// The explanation line of the entry.
    QString explanation;
    /// What the entry is: a line's difference, its AD difference, a catch-up, 697 or the 698 closing.
    enum class Kind {
        Difference,
        AccumulatedDifference,
        CatchUp,
        Closing697,
        Closing698
    } kind = Kind::Difference;
    /// The line it belongs to (0 for the closings).
    qint64 lineId = 0;
};

/// The totals of a computed period.
struct PeriodTotals {
    /// G698: the sum of all credits to 698; L698: the sum of all debits.
    double g698 = 0;
    double l698 = 0;
    double g697 = 0;
    double l697 = 0;
    double catchUps = 0;
    /// "Beyana esas fark".
    double declarationDifference = 0;
    /// The sentence printed with it (empty when it is 0).
    QString declarationText;
    /// Warnings of the period as a whole (lines left out of the totals, 298/A-7 ...).
    QStringList warnings;
};

} // namespace velkor
