#include "registry/RegistrationForm.h"

namespace velkor {

RegistrationForm::RegistrationForm(QObject* parent) : FormModel(QStringLiteral("TFirmaKayitF"), parent) {
    setCaption(QStringLiteral("Firma Bilgileri Giriş Değişiklik"));
    addEdit(QStringLiteral("Sira_No_Edit"), {}, QStringLiteral("Sıra No"));
    setEnabled(QStringLiteral("Sira_No_Edit"), false);
    setReadOnly(QStringLiteral("Sira_No_Edit"), true);
    addEdit(QStringLiteral("KoduEdit"), {}, QStringLiteral("Firma Kodu"));
    addEdit(QStringLiteral("FirmaAdiEdit"), {}, QStringLiteral("Firma Adı"));
    addEdit(QStringLiteral("AdresiEdit"), {}, QStringLiteral("Adresi"));
    addEdit(QStringLiteral("SehirEdit"), {}, QStringLiteral("Şehir"));
    addEdit(QStringLiteral("ilceEdit"), {}, QStringLiteral("İlçe"));
    addEdit(QStringLiteral("TelefonEdit"), {}, QStringLiteral("Telefon"));
    addEdit(QStringLiteral("Telefon2Edit"), {}, QStringLiteral("Telefon"));
    addEdit(QStringLiteral("FaksEdit"), {}, QStringLiteral("Faks"));
    addEdit(QStringLiteral("Vergi_DaireEdit"), {}, QStringLiteral("Vergi D."));
    addEdit(QStringLiteral("Vergi_NoEdit"), {}, QStringLiteral("Ver. No:"));
    addEdit(QStringLiteral("YetkiliAdiEdit"), {}, QStringLiteral("Yetkili Adı"));
    addEdit(QStringLiteral("YetkiliUnvanEdit"), {}, QStringLiteral("Ünvanı"));
    addButton(QStringLiteral("kaydetBut"), QStringLiteral("SAKLA"));
    addButton(QStringLiteral("yeniButton"), QStringLiteral("YENİ FİRMA"));
    addButton(QStringLiteral("kapatBut"), QStringLiteral("KAPAT"));
    addButton(QStringLiteral("vazgecBut"), QStringLiteral("VAZGEÇ"));
}

const std::vector<std::pair<QString, QString>>& RegistrationForm::editColumns() {
    static const std::vector<std::pair<QString, QString>> columns = {
        {QStringLiteral("KoduEdit"), QStringLiteral("kodu")},
        {QStringLiteral("FirmaAdiEdit"), QStringLiteral("firmaadi")},
        {QStringLiteral("AdresiEdit"), QStringLiteral("adres")},
        {QStringLiteral("ilceEdit"), QStringLiteral("ilce")},
        {QStringLiteral("SehirEdit"), QStringLiteral("il")},
        {QStringLiteral("TelefonEdit"), QStringLiteral("tel1")},
        {QStringLiteral("Telefon2Edit"), QStringLiteral("tel2")},
        {QStringLiteral("FaksEdit"), QStringLiteral("fax")},
        {QStringLiteral("Vergi_DaireEdit"), QStringLiteral("vergidaire")},
        {QStringLiteral("Vergi_NoEdit"), QStringLiteral("vergino")},
        {QStringLiteral("YetkiliAdiEdit"), QStringLiteral("sorumlu1")},
        {QStringLiteral("YetkiliUnvanEdit"), QStringLiteral("sorumlu1_unvan")},
    };
    return columns;
}

} // namespace velkor
