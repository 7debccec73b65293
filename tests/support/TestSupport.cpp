#include "support/TestSupport.h"

#include "registry/CompanyRegistry.h"
#include "registry/RegistrationFormControls.h"
#include "storage/Installation.h"
#include "storage/Statement.h"
#include "storage/Transaction.h"

#include <QDir>
#include <QProcess>

namespace velkor::test {

TempHome::TempHome() {
    ensureInstallation(m_dir.path());
    setInstallationFolder(m_dir.path());
    m_context = std::make_unique<AppContext>(home(), m_prompt);
    m_context->OpenSharedConnections();
}

TempHome::~TempHome() {
    m_context.reset();
    setInstallationFolder({});
    QDir::setCurrent(QDir::tempPath());
}

QString TempHome::home() const {
    return m_dir.path() + QLatin1Char('/');
}

void TempHome::addCompany(const QString& code, const QString& name) {
    CompanyRegistry registry(*m_context);
    registry.yeniFirma();
    registry.form().setText(ctl::registration::KoduEdit, code);
    registry.form().setText(ctl::registration::FirmaAdiEdit, name);
    if (!registry.dosyaac())
        throw std::runtime_error("company not created");
}

void TempHome::setIndexValues(const std::vector<std::pair<int, double>>& rows) {
    Database& db = m_context->rates().database();
    Transaction transaction(db);
    db.exec(QStringLiteral("DELETE FROM YI_UFE_Yeni"));
    Statement insert(db, QStringLiteral("INSERT INTO YI_UFE_Yeni (YilAy, Yi_UFE) VALUES (?, ?)"));
    for (const auto& [key, value] : rows) {
        insert.reset();
        insert.bindAll({key, value});
        insert.run();
    }
    transaction.commit();
}

int runCli(const QStringList& args, QString* out, QString* err) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_NUMERIC"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VELKOR_CLI_PATH), args);
    process.waitForFinished(60000);
    if (out)
        *out = QString::fromUtf8(process.readAllStandardOutput());
    if (err)
        *err = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace velkor::test
