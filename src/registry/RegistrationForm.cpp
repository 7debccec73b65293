#include "registry/RegistrationForm.h"

#include "base/WindowNames.h"
#include "registry/RegistrationFormControls.h"

namespace velkor {

RegistrationForm::RegistrationForm(QObject* parent) : FormModel(windows::kRegistration, parent) {
    setCaption(QStringLiteral("Firma Bilgileri Giriş Değişiklik"));
    addEdit(ctl::registration::Sira_No_Edit, {}, QStringLiteral("Sıra No"));
    setEnabled(ctl::registration::Sira_No_Edit, false);
    setReadOnly(ctl::registration::Sira_No_Edit, true);
    addEdit(ctl::registration::KoduEdit, {}, QStringLiteral("Firma Kodu"));
    addEdit(ctl::registration::FirmaAdiEdit, {}, QStringLiteral("Firma Adı"));
    addEdit(ctl::registration::AdresiEdit, {}, QStringLiteral("Adresi"));
    addEdit(ctl::registration::SehirEdit, {}, QStringLiteral("Şehir"));
    addEdit(ctl::registration::ilceEdit, {}, QStringLiteral("İlçe"));
    addEdit(ctl::registration::TelefonEdit, {}, QStringLiteral("Telefon"));
    addEdit(ctl::registration::Telefon2Edit, {}, QStringLiteral("Telefon"));
    addEdit(ctl::registration::FaksEdit, {}, QStringLiteral("Faks"));
    addEdit(ctl::registration::Vergi_DaireEdit, {}, QStringLiteral("Vergi D."));
    addEdit(ctl::registration::Vergi_NoEdit, {}, QStringLiteral("Ver. No:"));
    addEdit(ctl::registration::YetkiliAdiEdit, {}, QStringLiteral("Yetkili Adı"));
    addEdit(ctl::registration::YetkiliUnvanEdit, {}, QStringLiteral("Ünvanı"));
    // The threshold of the later periods: whether the company's 2024 quarters are adjusted.
    addEdit(ctl::registration::BrutSatis2023Edit, {}, QStringLiteral("2023 Brüt Satışlar"));
    setKeyRule(ctl::registration::BrutSatis2023Edit, KeyRule::Amount);
    addCheck(ctl::registration::KiymetliMadenCheck, false,
             QStringLiteral("Kıymetli maden ticareti (298/A-9)"));
    addButton(ctl::registration::kaydetBut, QStringLiteral("SAKLA"));
    addButton(ctl::registration::yeniButton, QStringLiteral("YENİ FİRMA"));
    addButton(ctl::registration::kapatBut, QStringLiteral("KAPAT"));
    addButton(ctl::registration::vazgecBut, QStringLiteral("VAZGEÇ"));
}

const std::vector<std::pair<QString, QString>>& RegistrationForm::editColumns() {
    static const std::vector<std::pair<QString, QString>> columns = {
        {ctl::registration::KoduEdit, QStringLiteral("kodu")},
        {ctl::registration::FirmaAdiEdit, QStringLiteral("firmaadi")},
        {ctl::registration::AdresiEdit, QStringLiteral("adres")},
        {ctl::registration::ilceEdit, QStringLiteral("ilce")},
        {ctl::registration::SehirEdit, QStringLiteral("il")},
        {ctl::registration::TelefonEdit, QStringLiteral("tel1")},
        {ctl::registration::Telefon2Edit, QStringLiteral("tel2")},
        {ctl::registration::FaksEdit, QStringLiteral("fax")},
        {ctl::registration::Vergi_DaireEdit, QStringLiteral("vergidaire")},
        {ctl::registration::Vergi_NoEdit, QStringLiteral("vergino")},
        {ctl::registration::YetkiliAdiEdit, QStringLiteral("sorumlu1")},
        {ctl::registration::YetkiliUnvanEdit, QStringLiteral("sorumlu1_unvan")},
    };
    return columns;
}

} // namespace velkor
