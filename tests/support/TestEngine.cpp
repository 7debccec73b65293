#include "support/TestEngine.h"

#include "support/PostgresServer.h"

#include "storage/ConnectionStrings.h"
#include "storage/Database.h"
#include "storage/PgSchemaConnection.h"
#include "storage/Schema.h"

#include <stdexcept>

namespace velkor::test {

bool companiesOnServer() {
    static const bool onServer = qEnvironmentVariable("VELKOR_TEST_ENGINE") == QLatin1String("postgresql");
    return onServer;
}

QString newServerCompany(const QString& code) {
    PostgresServer* server = PostgresServer::shared();
    if (!server)
        throw std::runtime_error(PostgresServer::skipReason().toStdString());
    // One office database for the whole executable, one schema a company, as the office has it.
    static const QString conninfo = server->conninfo(server->createDatabase(QStringLiteral("buro")));
    static int count = 0;
    const QString schema = QStringLiteral("firma_%1_%2").arg(code.toLower()).arg(++count);
    PgSchemaConnection::create(conninfo, schema);
    Database db(std::make_unique<PgSchemaConnection>(conninfo, schema));
    createCompanySchema(db);
    return serverConnectionString(conninfo, schema);
}

} // namespace velkor::test
