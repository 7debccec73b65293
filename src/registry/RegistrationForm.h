#pragma once

#include "base/FormModel.h"

namespace velkor {

/// The company registration window "TFirmaKayitF" as a form: `Sira_No_Edit`, `KoduEdit`,
/// `FirmaAdiEdit`, `AdresiEdit`, `SehirEdit`, `ilceEdit`, `TelefonEdit`, `Telefon2Edit`,
/// `FaksEdit`, `Vergi_DaireEdit`, `Vergi_NoEdit`, `YetkiliAdiEdit`, `YetkiliUnvanEdit`, the
/// threshold fields of the later periods `BrutSatis2023Edit` and `KiymetliMadenCheck`, and the
/// buttons `kaydetBut`, `yeniButton`, `kapatBut`, `vazgecBut`.
class RegistrationForm : public FormModel {
    Q_OBJECT

public:
    explicit RegistrationForm(QObject* parent = nullptr);

    /// The edits that map to `firmalar` columns, with their columns, in the order written.
    static const std::vector<std::pair<QString, QString>>& editColumns();
};

} // namespace velkor
