#include "support/TestSupport.h"
#include "support/DesktopLocales.h"
#include "support/TestEngine.h"

#include "registry/CompanyRegistry.h"
#include "registry/RegistrationFormControls.h"
#include "storage/CsvReader.h"
#include "storage/Installation.h"
#include "storage/ReferenceTables.h"
#include "storage/Statement.h"
#include "storage/Transaction.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <clocale>

namespace velkor::test {

namespace {

// The test programs take the C library's locale from the environment, as Qt does for the
// programs, so that code under test meets the decimal comma of the desktop it runs on.
[[maybe_unused]] const bool g_desktopLocale = std::setlocale(LC_ALL, "") != nullptr;

} // namespace

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
    if (companiesOnServer()) {
        Connection& company = m_context->company();
        company.close();
        company.setConnectionString(newServerCompany(code));
        company.open();
    }
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

void makeEarlierReferenceData(Database& rates) {
    // The folder comes from the build, not from __FILE__: the compiler cache and Ninja name a
    // source relative to a folder the test executable cannot know.
    const QString folder = QStringLiteral(VELKOR_TEST_SOURCE_DIR "/support/olddata/");
    auto rows = [&](const QString& name) {
        QFile file(folder + name);
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("earlier reference data missing");
        std::vector<QStringList> all = readCsv(QString::fromUtf8(file.readAll()));
        all.erase(all.begin());
        return all;
    };
    ReferenceTables tables = shippedReferenceTables();
    tables.index.clear();
    for (const QStringList& row : rows(QStringLiteral("yi_ufe.csv")))
        tables.index[row[0].toInt()][row[1].toInt()] = row[2].toDouble();
    tables.depreciation.clear();
    for (const QStringList& row : rows(QStringLiteral("amortisman_oranlari.csv")))
        tables.depreciation.push_back(depreciationRowOf(row));
    Transaction transaction(rates);
    writeReferenceTables(rates, tables);
    rates.exec(QStringLiteral("DROP TABLE IF EXISTS Veri_Surumu"));
    rates.exec(QStringLiteral("DROP TABLE IF EXISTS Veri_Degisiklikleri"));
    transaction.commit();
}

int runCli(const QStringList& args, QString* out, QString* err) {
    return runCliWith(QProcessEnvironment::systemEnvironment(), args, out, err);
}

int runCliIn(const QString& locale, const QStringList& args, QString* out, QString* err) {
    return runCliWith(environmentOf({locale, {}, {}}), args, out, err);
}

int runCliWith(const QProcessEnvironment& env, const QStringList& args, QString* out, QString* err) {
    QProcess process;
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
