#include "app/ReadingLogin.h"

#include "app/CompaniesWindow.h"
#include "app/CompaniesWindowControls.h"
#include "app/EntryWindow.h"
#include "app/EntryWindowControls.h"
#include "app/MainMenu.h"
#include "app/MainMenuControls.h"
#include "app/PasswordWindow.h"
#include "app/PasswordWindowControls.h"
#include "app/Program.h"
#include "import/ExcelImportForm.h"
#include "import/ExcelImportFormControls.h"
#include "legislation/LegislationForm.h"
#include "legislation/LegislationFormControls.h"
#include "referencedata/PublishedFiguresForm.h"
#include "referencedata/PublishedFiguresFormControls.h"
#include "referencedata/ReferenceDataForm.h"
#include "referencedata/ReferenceDataFormControls.h"
#include "registry/CompanyRegistry.h"
#include "registry/RegistrationFormControls.h"

namespace velkor {

void holdWritingControls(Program& program) {
    program.entry().form().hold(ctl::entry::YeniFirmaBut);
    // The update replaces the program of the office's computer; the command line refuses it too.
    program.mainMenu().form().hold(QStringList{ctl::mainmenu::VeriAktarimBarItems0,
                                               ctl::mainmenu::AyarlarBarItems0,
                                               ctl::mainmenu::AyarlarBarItems1, ctl::mainmenu::BitBtn5});
    namespace co = ctl::companies;
    program.companies().form().hold(QStringList{co::FirmaSilBut, co::FirmayiSil1, co::FirmaTasiBut,
                                                co::TumFirmaGeriYukleBut, co::TekFirmaGeriYukleBut,
                                                co::OtomatikYedekGeriYukleBut});
    // The registration window still shows a company's details; they cannot be stored.
    FormModel& registration = program.registry().form();
    for (const QString& name : registration.fieldNames()) {
        const FieldKind kind = registration.kind(name);
        if (kind == FieldKind::Edit || kind == FieldKind::Check)
            registration.hold(name);
    }
    registration.hold(QStringList{ctl::registration::kaydetBut, ctl::registration::yeniButton});
    program.referenceData().form().hold(ctl::referencedata::DuzeltmeVeritabanAktarBut);
    namespace fi = ctl::figures;
    program.referenceData().figures().form().hold(
        QStringList{fi::KaynakEdit, fi::SatirlarMemo, fi::DosyadanOkuBut, fi::EkleBut});
    namespace le = ctl::legislation;
    program.legislation().hold(QStringList{le::JvNavPanelHeader1, le::JvNavPanelHeader3,
                                           le::JvNavPanelHeader6, le::MenuItem1, le::MenuItem2});
    program.excelImport().hold(ctl::excelimport::KayitAktarBut);
    program.passwords().form().hold(
        QStringList{ctl::passwords::Sifre, ctl::passwords::Master, ctl::passwords::JvXPButton7});
}

} // namespace velkor
