#include "app/MainMenu.h"

#include "app/EntryWindow.h"
#include "app/MainMenuControls.h"
#include "app/Program.h"
#include "app/ReadingLogin.h"
#include "backup/Backups.h"
#include "base/ErrorReport.h"
#include "base/WindowNames.h"
#include "legislation/LegislationForm.h"
#include "referencedata/ReferenceDataForm.h"
#include "registry/CompanyRegistry.h"
#include "update/ProgramUpdate.h"
#include "workspace/RecordDeletion.h"
#include "workspace/Workspace.h"

namespace velkor {

MainMenu::MainMenu(Program& program) : m_program(program), m_form(windows::kMainMenu) {
    m_form.setCaption(QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Ana Menü"));
    m_form.addLabel(ctl::mainmenu::Label1, QStringLiteral("Firma Kodu"));
    m_form.addLabel(ctl::mainmenu::Label2);
    m_form.addLabel(ctl::mainmenu::Label3, QStringLiteral("Firma Adı"));
    m_form.addLabel(ctl::mainmenu::Label4);
    m_form.addButton(ctl::mainmenu::JvXPButton19, QStringLiteral("KAPAT"));
    m_form.addButton(ctl::mainmenu::BitBtn2, QStringLiteral("KULLANIM KILAVUZU"));
    m_form.addButton(ctl::mainmenu::BitBtn5, QStringLiteral("PROGRAMI GÜNCELLE"));

    m_form.addButton(ctl::mainmenu::YardimBarItems0, QStringLiteral("Enflasyon Düzeltmesi Mevzuatı"));
    m_form.addButton(ctl::mainmenu::YardimBarItems1, QStringLiteral("Kullanım Kılavuzu"));
    m_form.addButton(ctl::mainmenu::YardimBarItems2, QStringLiteral("Genel Bilgi ve Notlar"));
    m_form.addButton(ctl::mainmenu::YardimBarItems3, QStringLiteral("VUK 555 Sayılı Tebliğ"));
    m_form.addButton(ctl::mainmenu::YardimBarItems4, QStringLiteral("VUK 165 Sirküler"));
    m_form.setVisible(ctl::mainmenu::YardimBarItems3, false);
    m_form.setVisible(ctl::mainmenu::YardimBarItems4, false);
    m_form.addButton(ctl::mainmenu::EkIslemBarItems0, QStringLiteral("Katsayılar / Oranlar / Veriler"));
    m_form.addButton(ctl::mainmenu::EkIslemBarItems1, QStringLiteral("Firma Bilgileri Guncelle"));
    m_form.addButton(ctl::mainmenu::EkIslemBarItems2, QStringLiteral("Firma Değiştir"));
    m_form.addButton(ctl::mainmenu::VeriAktarimBarItems0, QStringLiteral("Excelden Veri Aktarımı"));
    m_form.addButton(ctl::mainmenu::GeneIslemBarItems0, QStringLiteral("Enflasyon Düzeltmesi"));
    m_form.addButton(ctl::mainmenu::AyarlarBarItems0, QStringLiteral("Enflasyon Düzeltme Sil"));
    m_form.addButton(ctl::mainmenu::AyarlarBarItems1, QStringLiteral("Veritabanına Bakım Yap"));

    m_form.onClick(ctl::mainmenu::YardimBarItems0, [this] { showLegislationPage(0); });
    m_form.onClick(ctl::mainmenu::YardimBarItems1, [this] { showLegislationPage(1); });
    m_form.onClick(ctl::mainmenu::BitBtn2, [this] { showLegislationPage(1); });
    m_form.onClick(ctl::mainmenu::YardimBarItems2, [this] { showLegislationPage(2); });
    m_form.onClick(ctl::mainmenu::YardimBarItems3, [this] {
        m_program.openDocument(m_program.context().home() + QStringLiteral("vukteblig555.pdf"));
    });
    m_form.onClick(ctl::mainmenu::YardimBarItems4, [this] {
        m_program.openDocument(m_program.context().home() + QStringLiteral("vuk165sirkuler.pdf"));
    });
    m_form.onClick(ctl::mainmenu::EkIslemBarItems0, [this] { EkIslemBarItems0Click(); });
    m_form.onClick(ctl::mainmenu::EkIslemBarItems1, [this] { EkIslemBarItems1Click(); });
    m_form.onClick(ctl::mainmenu::EkIslemBarItems2, [this] { EkIslemBarItems2Click(); });
    m_form.onClick(ctl::mainmenu::VeriAktarimBarItems0, [this] { VeriAktarimBarItems0Click(); });
    m_form.onClick(ctl::mainmenu::GeneIslemBarItems0, [this] { GeneIslemBarItems0Click(); });
    m_form.onClick(ctl::mainmenu::JvXPButton19, [this] { JvXPButton19Click(); });
    m_form.onClick(ctl::mainmenu::AyarlarBarItems0, [this] { AyarlarBarItems0Click(); });
    m_form.onClick(ctl::mainmenu::AyarlarBarItems1, [this] { AyarlarBarItems1Click(); });
    m_form.onClick(ctl::mainmenu::BitBtn5, [this] { m_program.programUpdate().BitBtn5Click(); });
    program.windows().onHide(windows::kMainMenu, [this] { FormHide(); });
}

const std::vector<MainMenu::Group>& MainMenu::groups() {
    static const std::vector<Group> kGroups{
        {QStringLiteral("Yardım"),
         {ctl::mainmenu::YardimBarItems0, ctl::mainmenu::YardimBarItems1, ctl::mainmenu::YardimBarItems2,
          ctl::mainmenu::YardimBarItems3, ctl::mainmenu::YardimBarItems4}},
        {QStringLiteral("Ek İşlemler"),
         {ctl::mainmenu::EkIslemBarItems0, ctl::mainmenu::EkIslemBarItems1, ctl::mainmenu::EkIslemBarItems2}},
        {QStringLiteral("Veri Aktarım İşlemleri"), {ctl::mainmenu::VeriAktarimBarItems0}},
        {QStringLiteral("Genel İşlemler"), {ctl::mainmenu::GeneIslemBarItems0}},
        {QStringLiteral("Ayarlar"), {ctl::mainmenu::AyarlarBarItems0, ctl::mainmenu::AyarlarBarItems1}},
    };
    return kGroups;
}

void MainMenu::showCompany(const QString& code, const QString& name) {
    m_form.setText(ctl::mainmenu::Label2, code);
    m_form.setText(ctl::mainmenu::Label4, name);
    QString caption = QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Ana Menü - ") + name;
    if (m_program.context().readingLogin())
        caption += QStringLiteral(" - ") + kReadingLoginNotice;
    m_form.setCaption(caption);
}

void MainMenu::showLegislationPage(int page) {
    m_program.windows().showMaximizedIfMinimized(windows::kLegislation);
    m_program.legislation().open(page);
}

void MainMenu::EkIslemBarItems0Click() {
    m_program.referenceData().open();
}

void MainMenu::EkIslemBarItems1Click() {
    m_program.registry().fillForEditing();
    m_program.windows().showMaximizedIfMinimized(windows::kRegistration);
}

void MainMenu::EkIslemBarItems2Click() {
    m_program.registry().listQuery().ensureOpen();
    m_program.windows().showRestored(windows::kCompanies);
    m_program.entry().setMenuHideMode(2);
    m_program.windows().hide(windows::kMainMenu);
}

void MainMenu::VeriAktarimBarItems0Click() {
    m_program.windows().showMaximizedIfMinimized(windows::kExcelImport);
}

void MainMenu::GeneIslemBarItems0Click() {
    // The company may have changed since the window was last shown: its list is read
    // again and the window opens on its first tab.
    m_program.adjustmentWorkspace().open();
    m_program.windows().showMaximizedIfMinimized(windows::kWorkspace);
}

void MainMenu::JvXPButton19Click() {
    m_program.windows().showMaximizedIfMinimized(windows::kEntry);
    m_program.windows().hide(windows::kMainMenu);
}

void MainMenu::AyarlarBarItems0Click() {
    runGuarded(m_program.prompt(),
               [this] { m_program.adjustmentWorkspace().deletion().EnflasyonDuzeltmeSil(); });
}

void MainMenu::AyarlarBarItems1Click() {
    // A failure is shown with its reason by the error display; the file stays as it was.
    runGuarded(m_program.prompt(), [this] {
        Backups(m_program.context()).compactCompany(m_form.text(ctl::mainmenu::Label2));
        m_program.prompt().showMessage(QStringLiteral("Firma veritabanı bakım işlemi yapıldı!"));
    });
}

void MainMenu::FormHide() {
    const int mode = m_program.entry().MenuHideMode();
    if (mode == 1) {
        // Declining the close question must not leave the user without a window.
        if (!m_program.entry().close())
            m_program.windows().showMaximizedIfMinimized(windows::kEntry);
        return;
    }
    if (mode != 2)
        m_program.windows().showMaximizedIfMinimized(windows::kEntry);
}

} // namespace velkor
