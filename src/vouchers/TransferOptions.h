#pragma once

#include <QString>

namespace velkor {

class FormModel;

/// How the vouchers group their lines (`FisSecenekleriRadio`).
enum class VoucherGrouping { PerItem = 0, PerMainAccount = 1, Single = 2 };

/// The transfer options as a writer reads them once per run.
struct TransferOptions {
    QString filterText = QStringLiteral("Hepsi");  ///< `FisTransferCombo`
    QString documentPrefix = QStringLiteral("ED"); ///< `EvrakNoOnEdit`
    double counterStart = 1;                       ///< `EvrakilkSayiEdit` read as an amount
    VoucherGrouping grouping = VoucherGrouping::PerItem;
    bool depreciationInItemVoucher = true;                            ///< `SabitAmortAyniFisCheck`
    QString separator = QStringLiteral(".");                          ///< `AyiracEdit` (S)
    QString counterAccount = QStringLiteral("698");                   ///< `Hesap698Edit` (C)
    QString fixedDepreciationAccount = QStringLiteral("257.99");      ///< `AmortLucaHesapEdit`
    bool useFixedDepreciationAccount = false;                         ///< `SKAmortHesabiCheck`
    QString intangibleDepreciationAccount = QStringLiteral("268.99"); ///< `AmortMODVLucaHesapEdit`
    bool useIntangibleDepreciationAccount = false;                    ///< `MODVAmortHesabiCheck`
    bool useOwnDepreciationAccount = false;                           ///< `SKKendiAmortHesCheck`
    QChar delimiter = QLatin1Char(';');                               ///< `CSVSutunAyirRadio`: ";" or ","
    QString yearCode = QStringLiteral("2023");                        ///< `NetsisYilKoduEdit`
    QString monthCode = QStringLiteral("12");                         ///< `NetsisAyKoduEdit`
    QString logoVoucherNumber;                                        ///< `LogoFisNoEdit`
    bool pointForComma = true;                                        ///< `NoktaVirgulCheck`
    bool closingEntries = false;                                      ///< `KapanisKaydiCheck`
    /// The date every dated voucher line carries: the adjustment date, or a later period's end.
    QString voucherDate = QStringLiteral("31.12.2023");
};

/// Declares the transfer controls on a form with their labels, items and start values.
void addTransferControls(FormModel& form);
/// Reads the options from the form's controls; a start number that does not read as a
/// number throws ConversionError.
TransferOptions readTransferOptions(const FormModel& form);

} // namespace velkor
