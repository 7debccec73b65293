#pragma once

#include "base/FormModel.h"
#include "base/Prompt.h"
#include "storage/CompanyLock.h"
#include "storage/Connection.h"

#include <QMap>
#include <memory>
#include <optional>

namespace velkor {

/// What the whole program shares: the installation folder, the prompt, the three
/// database connections and the form models of the windows, each registered under its
/// window class name ("TGirisF", "TAnaMenuF", "TSabitKiymetDuzeltmeF", ...).
class AppContext {
public:
    /// `home` is the installation folder; the connections are not opened yet.
    AppContext(const QString& home, Prompt& prompt);
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    /// The installation folder with a trailing separator.
    const QString& home() const { return m_home; }
    Prompt& prompt() { return m_prompt; }

    /// The company connection `anaConnection`.
    Connection& company() { return m_company; }
    /// The general connection `genelConnection`.
    Connection& general() { return m_general; }
    /// The rate connection `OranlarConnection`.
    Connection& rates() { return m_rates; }

    /// Sets the current directory to the installation folder and opens the three
    /// connections with their start strings.
    void OpenSharedConnections();
    /// Closes the company connection, sets the current directory to the installation
    /// folder and opens the connection on Data/ + code + ".mdb". A code that is not a
    /// plain file name throws ShownError before anything is closed.
    void PointCompanyConnection(const QString& code);
    /// The code the company connection was last pointed at (empty at start).
    const QString& companyCode() const { return m_companyCode; }

    /// The company lock of the installation: lock files, or the server's advisory locks when
    /// the companies are on an office server, unless replaced.
    CompanyLocks& companyLocks();
    /// Replaces the company lock (another engine's, or one with other waits in tests);
    /// only before a company is pointed at.
    void setCompanyLocks(std::unique_ptr<CompanyLocks> locks);

    /// Whether the login may only read the office (a member of the office server's reading
    /// role: an auditor, a trainee). The server is asked once, at the first call, and the
    /// answer kept for the run; an installation of files, or a server that cannot be
    /// reached (whatever needs it says why), gives false.
    bool readingLogin();
    /// Sets the answer instead of asking the server.
    void setReadingLogin(bool readingOnly) { m_readingLogin = readingOnly; }

    /// Registers the model of a window; the context does not own it.
    void registerForm(FormModel* form);
    /// The model of a window, or nullptr when none is registered.
    FormModel* form(const QString& className) const { return m_forms.value(className); }

private:
    QString m_home;
    Prompt& m_prompt;
    Connection m_company{QStringLiteral("anaConnection")};
    Connection m_general{QStringLiteral("genelConnection")};
    Connection m_rates{QStringLiteral("OranlarConnection")};
    QString m_companyCode;
    /// The office server's libpq service from Ayarlar.ini; empty when the companies are files.
    QString m_service;
    std::unique_ptr<CompanyLocks> m_locks;
    // Declared after the locks: given up before they go.
    std::unique_ptr<CompanyLock> m_companyHold;
    QMap<QString, FormModel*> m_forms;
    std::optional<bool> m_readingLogin;
};

} // namespace velkor
