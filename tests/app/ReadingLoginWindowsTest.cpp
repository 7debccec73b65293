#include "support/TestSupport.h"

#include "app/CompaniesWindow.h"
#include "app/CompaniesWindowControls.h"
#include "app/EntryWindow.h"
#include "app/EntryWindowControls.h"
#include "app/MainMenu.h"
#include "app/MainMenuControls.h"
#include "app/PasswordWindow.h"
#include "app/PasswordWindowControls.h"
#include "app/Program.h"
#include "engine/FixedAssetSheet.h"
#include "engine/FixedAssetSheetControls.h"
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
#include "support/HeldControls.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>

using namespace velkor;

namespace {

using test::heldControls;

/// The program of a login that may only read, or of one that may write.
class ReadingLoginWindowsTest : public ::testing::Test {
protected:
    std::unique_ptr<Program> program(bool readingOnly) {
        home.context().setReadingLogin(readingOnly);
        auto made = std::make_unique<Program>(home.context());
        made->start();
        return made;
    }

    test::TempHome home;
};

TEST_F(ReadingLoginWindowsTest, EachWindowHoldsExactlyTheControlsThatWouldChangeData) {
    const auto p = program(true);
    EXPECT_EQ(heldControls(p->entry().form()), QStringList{ctl::entry::YeniFirmaBut});
    EXPECT_EQ(heldControls(p->mainMenu().form()),
              (QStringList{ctl::mainmenu::BitBtn5, ctl::mainmenu::VeriAktarimBarItems0,
                           ctl::mainmenu::AyarlarBarItems0, ctl::mainmenu::AyarlarBarItems1}));
    namespace co = ctl::companies;
    EXPECT_EQ(heldControls(p->companies().form()),
              (QStringList{co::FirmaSilBut, co::FirmaTasiBut, co::FirmayiSil1, co::TumFirmaGeriYukleBut,
                           co::TekFirmaGeriYukleBut, co::OtomatikYedekGeriYukleBut}));
    // The backups stay.
    for (const QString& name : {co::TumFirmaYedekAlBut, co::FirmaYedekAlBut, co::FirmaSecBut})
        EXPECT_TRUE(p->companies().form().isEnabled(name)) << name.toStdString();

    // The registration window shows the details and stores nothing.
    FormModel& registration = p->registry().form();
    QStringList expected;
    for (const QString& name : registration.fieldNames()) {
        const FieldKind kind = registration.kind(name);
        if (kind == FieldKind::Edit || kind == FieldKind::Check)
            expected << name;
    }
    expected << ctl::registration::kaydetBut << ctl::registration::yeniButton;
    QStringList held = heldControls(registration);
    held.sort();
    expected.sort();
    EXPECT_EQ(held, expected);
    EXPECT_TRUE(registration.isEnabled(ctl::registration::kapatBut));

    EXPECT_EQ(heldControls(p->referenceData().form()),
              QStringList{ctl::referencedata::DuzeltmeVeritabanAktarBut});
    namespace fi = ctl::figures;
    EXPECT_EQ(heldControls(p->referenceData().figures().form()),
              (QStringList{fi::KaynakEdit, fi::SatirlarMemo, fi::DosyadanOkuBut, fi::EkleBut}));
    namespace le = ctl::legislation;
    QStringList library = heldControls(p->legislation());
    library.sort();
    QStringList libraryExpected{le::JvNavPanelHeader1, le::JvNavPanelHeader3, le::JvNavPanelHeader6,
                                le::MenuItem1, le::MenuItem2};
    libraryExpected.sort();
    EXPECT_EQ(library, libraryExpected);
    EXPECT_EQ(heldControls(p->excelImport()), QStringList{ctl::excelimport::KayitAktarBut});
    EXPECT_EQ(heldControls(p->passwords().form()),
              (QStringList{ctl::passwords::Sifre, ctl::passwords::Master, ctl::passwords::JvXPButton7}));
    // The workspace the program made holds its own.
    EXPECT_FALSE(p->adjustmentWorkspace().fixedAssets().isEnabled(ctl::fixedasset::KaydetButton));
}

TEST_F(ReadingLoginWindowsTest, TheMainMenuSaysTheSessionOnlyReads) {
    const auto reading = program(true);
    reading->showCompany(QStringLiteral("ABC"), QStringLiteral("Deneme A.Ş."));
    EXPECT_EQ(
        reading->mainMenu().form().caption(),
        QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Ana Menü - Deneme A.Ş. - Salt okunur oturum"));
}

TEST_F(ReadingLoginWindowsTest, ALoginThatMayWriteHasNothingHeldAndNoNotice) {
    const auto writing = program(false);
    for (const FormModel* form : std::initializer_list<const FormModel*>{
             &writing->entry().form(), &writing->mainMenu().form(), &writing->companies().form(),
             &writing->registry().form(), &writing->referenceData().form(), &writing->legislation(),
             &writing->excelImport(), &writing->passwords().form()})
        EXPECT_EQ(heldControls(*form), QStringList()) << form->name().toStdString();
    writing->showCompany(QStringLiteral("ABC"), QStringLiteral("Deneme A.Ş."));
    EXPECT_EQ(writing->mainMenu().form().caption(),
              QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Ana Menü - Deneme A.Ş."));
}

} // namespace
