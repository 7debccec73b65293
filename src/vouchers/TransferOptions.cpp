#include "vouchers/TransferOptions.h"

#include "base/FormModel.h"
#include "base/TextHelpers.h"
#include "engine/AccountGroups.h"
#include "vouchers/TransferSheetControls.h"

namespace velkor {

namespace c = ctl::transfer;

void addTransferControls(FormModel& form) {
    const QStringList filters = transferFilterItems();
    form.addCombo(c::FisTransferCombo, filters, filters.first(), QStringLiteral("Hesap No"));
    form.addEdit(c::EvrakNoOnEdit, QStringLiteral("ED"), QStringLiteral("Evrak No Ön Eki"));
    form.addEdit(c::EvrakilkSayiEdit, QStringLiteral("1"), QStringLiteral("E.N. Artan İlk Sayı"));
    form.setKeyRule(c::EvrakilkSayiEdit, KeyRule::Digits);
    form.addRadioGroup(c::FisSecenekleriRadio,
                       {QStringLiteral("Herbir Kayıt İçin Ayrı Fiş"),
                        QStringLiteral("Herbir Ana Hesap İçin Ayrı Fiş"), QStringLiteral("Hepsi Tek Fiş")},
                       0, QStringLiteral("Fiş Seçenekleri (LUCA için)"));
    form.addCheck(c::SabitAmortAyniFisCheck, true,
                  QStringLiteral("Sabit Kıymetlerle Amortisman Düzeltmesi Aynı Fişte"));
    form.addEdit(c::AyiracEdit, QStringLiteral("."), QStringLiteral("Ana Hesap Ayıracı"));
    form.addEdit(c::Hesap698Edit, QStringLiteral("698"), QStringLiteral("698 Hesap Kodu"));
    form.addEdit(c::AmortLucaHesapEdit, QStringLiteral("257.99"), QStringLiteral("Amort. Hes. Kodu"));
    form.addCheck(c::SKAmortHesabiCheck, false, QStringLiteral("Sabit Kıymetler İçin Amortisman Hesabı Bu"));
    form.addEdit(c::AmortMODVLucaHesapEdit, QStringLiteral("268.99"), QStringLiteral("Amort. Hes. Kodu"));
    form.addCheck(c::MODVAmortHesabiCheck, false,
                  QStringLiteral("Maddi Olmayan Duran Varlıklar İçin Amortisman Hesabı Bu"));
    form.addCheck(c::SKKendiAmortHesCheck, false,
                  QStringLiteral("Sabit Kıymetin Kayıtlı Amortisman Hesabını Kullan"));
    form.addRadioGroup(c::CSVSutunAyirRadio,
                       {QStringLiteral("; (Noktalı Virgül)"), QStringLiteral(", (Virgül)")}, 0,
                       QStringLiteral("CSV Dosya Sütun Ayıracı"));
    form.addEdit(c::NetsisYilKoduEdit, QStringLiteral("2023"), QStringLiteral("Netsis-Logo Yıl"));
    form.addEdit(c::NetsisAyKoduEdit, QStringLiteral("12"), QStringLiteral("Netsis-Logo Ay"));
    form.addEdit(c::LogoFisNoEdit, {}, QStringLiteral("Logo XML Fiş No"));
    form.addCheck(c::NoktaVirgulCheck, true, QStringLiteral("Logo XML Virgül Yerine Nokta Kullan"));
    // Off by default: the vouchers stay as they were, and the sheet says who posts the closing.
    form.addCheck(c::KapanisKaydiCheck, false, QStringLiteral("Kapanış kaydını da aktar"));
    form.addLabel(
        c::KapanisNotuLabel,
        QStringLiteral("698 ve 697 hesaplarının kapanış kaydı (570.698 / 580.698, 358.697 / 178.697) "
                       "\"Kapanış kaydını da aktar\" işaretli değilse fişlere aktarılmaz; muhasebe "
                       "programında elle işlenmelidir. İşaretliyse, \"Hesap No\" Hepsi iken fişin "
                       "sonuna \"Düzelt. Rapor\" sekmesinde son \"Raporu Hazırla\" ile bulunan "
                       "tutarlarla eklenir."));

    form.addButton(c::LucaTransferFisiBut, QStringLiteral("LUCA Programı İçin Transfer CSV Fişi Oluştur"));
    form.addButton(c::MikroTransferFisiBut, QStringLiteral("MİKRO Programı İçin Transfer CSV Fişi Oluştur"));
    form.addButton(c::NetsisTransferFisiBut,
                   QStringLiteral("NETSİS Programı İçin Transfer Excel Fişi Oluştur"));
    form.addButton(c::LogoXMLBut, QStringLiteral("LOGO Programı İçin Transfer XML Fişi Oluştur"));
    form.addButton(c::SentezExcelButton,
                   QStringLiteral("SENTEZ, ZİRVE ve LOGO Programları İçin Transfer Excel Fişi Oluştur"));
}

TransferOptions readTransferOptions(const FormModel& form) {
    TransferOptions options;
    options.filterText = form.text(c::FisTransferCombo);
    options.documentPrefix = form.text(c::EvrakNoOnEdit);
    options.counterStart = ParseAmount(form.text(c::EvrakilkSayiEdit));
    const int grouping = form.itemIndex(c::FisSecenekleriRadio);
    options.grouping = grouping == 1   ? VoucherGrouping::PerMainAccount
                       : grouping == 2 ? VoucherGrouping::Single
                                       : VoucherGrouping::PerItem;
    options.depreciationInItemVoucher = form.isChecked(c::SabitAmortAyniFisCheck);
    options.separator = form.text(c::AyiracEdit);
    options.counterAccount = form.text(c::Hesap698Edit);
    options.fixedDepreciationAccount = form.text(c::AmortLucaHesapEdit);
    options.useFixedDepreciationAccount = form.isChecked(c::SKAmortHesabiCheck);
    options.intangibleDepreciationAccount = form.text(c::AmortMODVLucaHesapEdit);
    options.useIntangibleDepreciationAccount = form.isChecked(c::MODVAmortHesabiCheck);
    options.useOwnDepreciationAccount = form.isChecked(c::SKKendiAmortHesCheck);
    options.delimiter = form.itemIndex(c::CSVSutunAyirRadio) == 1 ? QLatin1Char(',') : QLatin1Char(';');
    options.yearCode = form.text(c::NetsisYilKoduEdit);
    options.monthCode = form.text(c::NetsisAyKoduEdit);
    options.logoVoucherNumber = form.text(c::LogoFisNoEdit);
    options.pointForComma = form.isChecked(c::NoktaVirgulCheck);
    options.closingEntries = form.isChecked(c::KapanisKaydiCheck);
    return options;
}

} // namespace velkor
