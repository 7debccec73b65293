#pragma once

#include "app/AutoBackup.h"
#include "base/WindowManager.h"
#include "storage/AppContext.h"
#include "storage/ServerPassword.h"

#include <QObject>
#include <functional>
#include <memory>

namespace velkor {

class CompaniesWindow;
class CompanyRegistry;
class EntryWindow;
class ExcelImportForm;
class MainMenu;
class PasswordWindow;
class ProgressWindow;
class ReferenceDataForm;
class Workspace;
class LegislationForm;
namespace update {
class Downloader;
class ProgramUpdate;
} // namespace update

/// The running program: creates the form models of the twelve windows once, in the order
/// of start-up, registers them in the context, and wires how the windows hand over to
/// one another. The widgets only show these models.
class Program : public QObject {
    Q_OBJECT

public:
    /// Creates the windows' models. Creating the entry window opens the three connections
    /// (an error there is shown and the program goes on with them closed).
    explicit Program(AppContext& context, QObject* parent = nullptr);
    ~Program() override;

    /// Runs the entry window's FormCreate and shows it; the only visible window. A program
    /// whose user declined the office server's password ends instead.
    void start();

    AppContext& context() { return m_context; }
    Prompt& prompt() { return m_context.prompt(); }
    WindowManager& windows() { return m_windows; }

    EntryWindow& entry() { return *m_entry; }
    MainMenu& mainMenu() { return *m_mainMenu; }
    CompaniesWindow& companies() { return *m_companies; }
    ReferenceDataForm& referenceData() { return *m_referenceData; }
    /// The workspace window's shared state "TSabitKiymetDuzeltmeF".
    FormModel& workspace();
    /// The adjustment workspace with its sheets and datasets.
    Workspace& adjustmentWorkspace() { return *m_workspace; }
    LegislationForm& legislation() { return *m_legislation; }
    CompanyRegistry& registry() { return *m_registry; }
    ExcelImportForm& excelImport() { return *m_excelImport; }
    ProgressWindow& progress() { return *m_progress; }
    FormModel& update() { return *m_update; }
    /// "PROGRAMI GÜNCELLE" with its progress window `TForm6`.
    update::ProgramUpdate& programUpdate() { return *m_programUpdate; }
    FormModel& updateProgress();
    PasswordWindow& passwords() { return *m_passwords; }

    /// The automatic backups of the close sequence (none until one is set).
    AutoBackup& autoBackup() { return m_autoBackup ? *m_autoBackup : m_noBackup; }
    void setAutoBackup(AutoBackup* backup) { m_autoBackup = backup; }

    /// Clears every input of the workspace (its `Bosalt`).
    void clearWorkspace();
    /// Shows the entered company's code and name in the main menu and the workspace.
    void showCompany(const QString& code, const QString& name);

    /// Asks the system to open a document with its default application.
    void openDocument(const QString& path);
    void setDocumentOpener(std::function<void(const QString&)> opener) {
        m_documentOpener = std::move(opener);
    }

    /// Whether the close sequence has ended the program.
    bool hasEnded() const { return m_ended; }
    /// Marks the program ended; the event loop stops.
    void end();

Q_SIGNALS:
    void ended();

private:
    FormModel* addShell(const QString& name, const QString& caption);
    void wireHandOvers();
    /// The registration window's "SAKLA", confirmed: an update is said, a new company is
    /// offered for entering.
    void saveRegistration();

    AppContext& m_context;
    /// Asks the user for the office server's password; installed before the first connection.
    std::unique_ptr<PasswordSourceScope> m_passwordQuestion;
    WindowManager m_windows;
    std::unique_ptr<EntryWindow> m_entry;
    std::unique_ptr<MainMenu> m_mainMenu;
    std::unique_ptr<CompaniesWindow> m_companies;
    std::unique_ptr<ReferenceDataForm> m_referenceData;
    std::unique_ptr<Workspace> m_workspace;
    std::unique_ptr<LegislationForm> m_legislation;
    std::unique_ptr<CompanyRegistry> m_registry;
    std::unique_ptr<ExcelImportForm> m_excelImport;
    std::unique_ptr<ProgressWindow> m_progress;
    std::unique_ptr<FormModel> m_update;
    std::unique_ptr<update::Downloader> m_downloader;
    std::unique_ptr<update::ProgramUpdate> m_programUpdate;
    std::unique_ptr<PasswordWindow> m_passwords;
    AutoBackup m_noBackup;
    AutoBackup* m_autoBackup = nullptr;
    std::function<void(const QString&)> m_documentOpener;
    bool m_ended = false;
    /// Whether the user declined the office server's password at the start.
    bool m_serverDeclined = false;
};

} // namespace velkor
