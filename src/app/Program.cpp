#include "app/Program.h"

#include "app/CompaniesWindow.h"
#include "app/EntryWindow.h"
#include "app/MainMenu.h"
#include "app/PasswordWindow.h"
#include "app/ReadingLogin.h"
#include "app/ServerPasswordQuestion.h"
#include "base/ErrorReport.h"
#include "base/ProgressWindow.h"
#include "base/WindowNames.h"
#include "engine/WorkspaceStateControls.h"
#include "import/ExcelImportForm.h"
#include "legislation/LegislationForm.h"
#include "referencedata/ReferenceDataForm.h"
#include "registry/CompanyRegistry.h"
#include "registry/RegistrationFormControls.h"
#include "storage/ReferenceUpdate.h"
#include "update/HttpsDownloader.h"
#include "update/PackageSignature.h"
#include "update/ProgramUpdate.h"
#include "workspace/Workspace.h"

#include <QDir>
#include <QFileInfo>

namespace velkor {

Program::Program(AppContext& context, QObject* parent) : QObject(parent), m_context(context) {
    m_passwordQuestion = std::make_unique<PasswordSourceScope>(serverPasswordQuestion(prompt()));
    for (const QString& name :
         {windows::kEntry, windows::kMainMenu, windows::kCompanies, windows::kReferenceData,
          windows::kWorkspace, windows::kLegislation, windows::kRegistration, windows::kExcelImport,
          windows::kProgress, windows::kUpdate, windows::kUpdateProgress, windows::kPasswords})
        m_windows.addWindow(name);

    m_entry = std::make_unique<EntryWindow>(*this);
    m_context.registerForm(&m_entry->form());
    runGuarded(prompt(), [this] { m_context.OpenSharedConnections(); });
    // A user who declined the office server's password has been told so once; nothing
    // works without the server's registry, and the program ends at its start.
    m_serverDeclined = serverLoginGivenUp();
    if (!m_serverDeclined)
        runGuarded(prompt(), [this] { updateShippedReferenceData(m_context.rates(), prompt()); });

    m_mainMenu = std::make_unique<MainMenu>(*this);
    m_context.registerForm(&m_mainMenu->form());

    m_companies = std::make_unique<CompaniesWindow>(*this);
    m_context.registerForm(&m_companies->form());
    if (!m_serverDeclined)
        runGuarded(prompt(), [this] { m_companies->FormCreate(); });

    m_referenceData = std::make_unique<ReferenceDataForm>(m_context.rates(), m_windows, prompt());
    m_context.registerForm(&m_referenceData->form());
    m_referenceData->FormCreate();

    m_workspace = std::make_unique<Workspace>(m_context);
    m_legislation = std::make_unique<LegislationForm>(m_context.home(), prompt());
    m_context.registerForm(m_legislation.get());
    runGuarded(prompt(), [this] { m_legislation->FormCreate(); });

    m_registry = std::make_unique<CompanyRegistry>(m_context);
    FormModel& registration = m_registry->form();
    registration.setCaption(QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Firma Kayıt İşlemleri"));
    m_context.registerForm(&registration);
    m_registry->setCompanyEntered(
        [this](const QString& code, const QString& name) { showCompany(code, name); });

    m_progress = std::make_unique<ProgressWindow>(m_windows);
    m_excelImport =
        std::make_unique<ExcelImportForm>(m_context, m_workspace->state(), m_workspace->indexLookup(),
                                          m_workspace->SBKTable(), *m_progress, m_windows);
    m_context.registerForm(m_excelImport.get());
    m_context.registerForm(&m_progress->form());
    m_update.reset(addShell(windows::kUpdate, QStringLiteral("Velkor Güncelleme Programı")));
    m_downloader = std::make_unique<update::HttpsDownloader>();
    m_programUpdate = std::make_unique<update::ProgramUpdate>(
        m_context.home(), QString(), prompt(), m_windows, *m_downloader, update::publisherPublicKey());
    m_context.registerForm(&m_programUpdate->progress());
    m_passwords = std::make_unique<PasswordWindow>(*this);
    m_context.registerForm(&m_passwords->form());

    // The main menu and the workspace open maximised.
    m_windows.setSize(windows::kMainMenu, WindowSize::Maximized);
    m_windows.setSize(windows::kWorkspace, WindowSize::Maximized);
    wireHandOvers();
    if (m_context.readingLogin())
        holdWritingControls(*this);
}

Program::~Program() = default;

FormModel* Program::addShell(const QString& name, const QString& caption) {
    auto* form = new FormModel(name);
    form->setCaption(caption);
    m_context.registerForm(form);
    return form;
}

void Program::wireHandOvers() {
    FormModel& registration = m_registry->form();
    registration.onClick(ctl::registration::kaydetBut, [this] { saveRegistration(); });
    registration.onClick(ctl::registration::yeniButton, [this] { m_registry->yeniFirma(); });
    registration.onClick(ctl::registration::kapatBut, [this] { m_windows.hide(windows::kRegistration); });

    FormModel& workspace = m_workspace->state();
    if (workspace.has(ctl::workspace::JvXPButton19))
        workspace.onClick(ctl::workspace::JvXPButton19, [this] { m_windows.hide(windows::kWorkspace); });
    m_windows.onHide(windows::kLegislation,
                     [this] { m_windows.showMaximizedIfMinimized(windows::kMainMenu); });
    // Hiding the workspace, by its "KAPAT" or otherwise, brings the main menu back.
    m_windows.onHide(windows::kWorkspace, [this] { m_windows.showMaximizedIfMinimized(windows::kMainMenu); });
}

void Program::saveRegistration() {
    FormModel& registration = m_registry->form();
    switch (m_registry->kaydetButClick()) {
    case CompanyRegistry::SaveResult::Created:
        m_entry->offerNewCompany(registration.text(ctl::registration::KoduEdit),
                                 registration.text(ctl::registration::FirmaAdiEdit));
        break;
    case CompanyRegistry::SaveResult::Updated:
        prompt().showMessage(QStringLiteral("Firma bilgileri saklandı."), kApplicationTitle,
                             PromptIcon::Information);
        break;
    case CompanyRegistry::SaveResult::Nothing:
        break;
    }
}

void Program::start() {
    if (m_serverDeclined) {
        end();
        return;
    }
    runGuarded(prompt(), [this] { CompanyRegistry::recoverInterruptedCreations(m_context); });
    runGuarded(prompt(), [this] { m_entry->FormCreate(); });
    m_windows.show(windows::kEntry);
}

FormModel& Program::workspace() {
    return m_workspace->state();
}

void Program::showCompany(const QString& code, const QString& name) {
    m_mainMenu->showCompany(code, name);
    m_workspace->state().setCompanyName(name);
}

FormModel& Program::updateProgress() {
    return m_programUpdate->progress();
}

void Program::clearWorkspace() {
    m_workspace->Bosalt();
}

void Program::openDocument(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        prompt().showMessage(
            QStringLiteral("Belge bulunamadı: %1\n\rBelgeyi program klasörüne koyup tekrar deneyiniz.")
                .arg(QDir::toNativeSeparators(path)),
            {}, PromptIcon::Warning);
        return;
    }
    if (m_documentOpener)
        m_documentOpener(path);
}

void Program::end() {
    if (m_ended)
        return;
    m_ended = true;
    Q_EMIT ended();
}

} // namespace velkor
