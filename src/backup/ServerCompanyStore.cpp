#include "backup/ServerCompanyStore.h"

#include "base/ShownError.h"
#include "storage/CompanyFiles.h"
#include "storage/CompanyTransfer.h"
#include "storage/ConnectionStrings.h"
#include "storage/Database.h"
#include "storage/OfficeConnection.h"
#include "storage/OfficeServer.h"
#include "storage/PgSchemaConnection.h"

#include <QFileInfo>

namespace velkor {

namespace {

const QString kServerPrefix = QStringLiteral("sunucu:");

QString sourceOf(const QString& schema, const QString& fileName) {
    return kServerPrefix + schema + QLatin1Char('/') + fileName;
}

} // namespace

ServerCompanyStore::ServerCompanyStore(const QString& home)
    : m_home(home), m_conninfo(officeConnInfo(home)) {}

QStringList ServerCompanyStore::companySources() const {
    QStringList sources;
    if (!active())
        return sources;
    for (const QString& code : inspectOffice(*connectToOffice(m_conninfo)).companies)
        sources << sourceOf(companySchema(code), code + QStringLiteral(".mdb"));
    return sources;
}

QString ServerCompanyStore::companySource(const QString& code) const {
    if (!active() || !companyOnServer(*connectToOffice(m_conninfo), code))
        return {};
    return sourceOf(companySchema(code), code + QStringLiteral(".mdb"));
}

QString ServerCompanyStore::generalSource() const {
    return sourceOf(kGeneralSchema, QStringLiteral("Genel.mdb"));
}

bool ServerCompanyStore::isServerSource(const QString& source) {
    return source.startsWith(kServerPrefix);
}

void ServerCompanyStore::copySource(const QString& source, const QString& path) const {
    const QString schema = source.mid(kServerPrefix.size()).section(QLatin1Char('/'), 0, 0);
    Database db(std::make_unique<PgSchemaConnection>(m_conninfo, schema));
    db.snapshotInto(path, kDatabasePassword);
}

bool ServerCompanyStore::holds(const QString& code) {
    // An office's company goes to the server unless it is still a file of this installation.
    return active() && !QFileInfo::exists(companyDatabasePath(m_home, code));
}

bool ServerCompanyStore::snapshot(const QString& code, const QString& path) {
    const QString source = companySource(code);
    if (source.isEmpty())
        return false;
    copySource(source, path);
    return true;
}

void ServerCompanyStore::replace(const QString& code, const QString& path,
                                 const std::function<void(const char*)>& hook) {
    const std::unique_ptr<PgConnection> server = connectToOffice(m_conninfo);
    Database file(path, kDatabasePassword);
    replaceCompanyOnServer(file, *server, code, [&hook] {
        if (hook)
            hook("sunucu-yazildi");
    });
}

} // namespace velkor
