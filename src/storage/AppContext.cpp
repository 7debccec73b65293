#include "storage/AppContext.h"

#include "storage/CompanyFiles.h"
#include "storage/ConnectionStrings.h"
#include "storage/FileCompanyLocks.h"
#include "storage/OfficeConnection.h"
#include "storage/OfficeServer.h"
#include "storage/PgCompanyLocks.h"
#include "storage/SchemaUpgrade.h"

#include <QDir>

namespace velkor {

AppContext::AppContext(const QString& home, Prompt& prompt) : m_home(home), m_prompt(prompt) {
    if (!m_home.endsWith(QLatin1Char('/')))
        m_home += QLatin1Char('/');
    m_company.setConnectionString(companyAtStartConnectionString());
    m_general.setConnectionString(generalConnectionString());
    m_rates.setConnectionString(ratesConnectionString());
    // The company details gained the threshold fields of the later periods; a general
    // database of an earlier release gains their columns whenever it is opened (also
    // after a restore put an older one in place).
    m_general.setOnOpen([](Database& db) { upgradeGeneralSchema(db); });
    // An office that keeps its companies on a server names the server's service in
    // Ayarlar.ini; the registry, the reference tables and the companies are its schemas.
    m_service = officeService(m_home);
    if (!m_service.isEmpty()) {
        const QString conninfo = PgConnection::serviceConnInfo(m_service);
        m_general.setConnectionString(serverConnectionString(conninfo, kGeneralSchema));
        m_rates.setConnectionString(serverConnectionString(conninfo, kRatesSchema));
    }
    if (m_service.isEmpty())
        m_locks = std::make_unique<FileCompanyLocks>(m_home);
}

AppContext::~AppContext() {
    m_company.close();
    m_companyHold.reset();
}

void AppContext::setCompanyLocks(std::unique_ptr<CompanyLocks> locks) {
    m_companyHold.reset();
    m_locks = std::move(locks);
}

CompanyLocks& AppContext::companyLocks() {
    // The server's locks need its session, opened when first needed: a context is made
    // before anything may go wrong in a way the user is told of.
    if (!m_locks)
        m_locks = std::make_unique<PgCompanyLocks>(PgConnection::serviceConnInfo(m_service));
    return *m_locks;
}

void AppContext::OpenSharedConnections() {
    QDir::setCurrent(m_home);
    m_company.open();
    m_general.open();
    m_rates.open();
}

void AppContext::PointCompanyConnection(const QString& code) {
    // A code that is not a plain file name never reaches the connection string.
    companyDatabasePath(m_home, code);
    std::unique_ptr<CompanyLock> hold = companyLocks().shared(code);
    // An office keeps each company on the server or, until it is moved there, in a file.
    const QString conninfo = m_service.isEmpty() ? QString() : PgConnection::serviceConnInfo(m_service);
    const bool onServer = !conninfo.isEmpty() && companyOnServer(*connectToOffice(conninfo), code);
    m_company.close();
    m_companyHold = std::move(hold);
    QDir::setCurrent(m_home);
    m_company.setConnectionString(onServer ? serverConnectionString(conninfo, companySchema(code))
                                           : CompanyConnectionString(code));
    m_company.open();
    m_companyCode = code;
}

bool AppContext::readingLogin() {
    if (!m_readingLogin) {
        try {
            m_readingLogin = !m_service.isEmpty() &&
                             officeReadOnly(*connectToOffice(PgConnection::serviceConnInfo(m_service)));
        } catch (const std::exception&) {
            m_readingLogin = false;
        }
    }
    return *m_readingLogin;
}

void AppContext::registerForm(FormModel* form) {
    m_forms.insert(form->name(), form);
}

} // namespace velkor
