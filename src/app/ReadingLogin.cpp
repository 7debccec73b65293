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

namespace {

void holdAll(FormModel& form, const QStringList& names) {
    for (const QString& name : names)
        form.hold(name);
}

} // namespace

void holdWritingControls(Program& program) {
    holdAll(program.entry().form(), {ctl::entry::YeniFirmaBut});
    // The update replaces the program of the office's computer; the command line refuses it too.
    holdAll(program.mainMenu().form(), {ctl::mainmenu::VeriAktarimBarItems0, ctl::mainmenu::AyarlarBarItems0,
                                        ctl::mainmenu::AyarlarBarItems1, ctl::mainmenu::BitBtn5});
    namespace co = ctl::companies;
    holdAll(program.companies().form(),
            {co::FirmaSilBut, co::FirmayiSil1, co::FirmaTasiBut, co::TumFirmaGeriYukleBut,
             co::TekFirmaGeriYukleBut, co::OtomatikYedekGeriYukleBut});
    // The registration window still shows a company's details; they cannot be stored.
    FormModel& registration = program.registry().form();
    for (const QString& name : registration.fieldNames()) {
        const FieldKind kind = registration.kind(name);
        if (kind == FieldKind::Edit || kind == FieldKind::Check)
            registration.hold(name);
    }
    holdAll(registration, {ctl::registration::kaydetBut, ctl::registration::yeniButton});
    holdAll(program.referenceData().form(), {ctl::referencedata::DuzeltmeVeritabanAktarBut});
    namespace fi = ctl::figures;
    holdAll(program.referenceData().figures().form(),
            {fi::KaynakEdit, fi::SatirlarMemo, fi::DosyadanOkuBut, fi::EkleBut});
    namespace le = ctl::legislation;
    holdAll(program.legislation(), {le::JvNavPanelHeader1, le::JvNavPanelHeader3, le::JvNavPanelHeader6,
                                    le::MenuItem1, le::MenuItem2});
    holdAll(program.excelImport(), {ctl::excelimport::KayitAktarBut});
    holdAll(program.passwords().form(),
            {ctl::passwords::Sifre, ctl::passwords::Master, ctl::passwords::JvXPButton7});
}

} // namespace velkor
