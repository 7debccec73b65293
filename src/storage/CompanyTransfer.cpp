#include "storage/CompanyTransfer.h"

#include "storage/ConnectionStrings.h"
#include "storage/Database.h"
#include "storage/Installation.h"
#include "storage/OfficeServer.h"
#include "storage/PgConnection.h"
#include "storage/PgSchema.h"
#include "storage/Schema.h"
#include "storage/SchemaUpgrade.h"
#include "storage/Statement.h"
#include "storage/Transaction.h"

#include <QFileInfo>

namespace velkor {

namespace {

QStringList fileColumns(Database& file, const QString& table) {
    QStringList names;
    Statement info(file, QStringLiteral("PRAGMA table_info(\"%1\")").arg(table));
    while (info.step())
        names << info.value(1).toString();
    return names;
}

} // namespace

namespace {

// Inside the caller's transaction: the company's schema made from the template and filled
// with the file's rows.
void fillNewSchema(Database& file, PgConnection& server, const QString& code) {
    addCompanySchema(server, code);
    // A file of the later periods' layout brings its own version row; one of an earlier
    // release has none and takes the schema's, its periods' tables staying empty.
    if (file.hasTable(QStringLiteral("sema_surumu")))
        server.exec(
            QStringLiteral("DELETE FROM %1.sema_surumu").arg(server.quoteIdentifier(companySchema(code))));
    copyRowsToServer(file, server, companySchema(code));
}

} // namespace

void copyCompanyToServer(Database& file, PgConnection& server, const QString& code) {
    PgTransaction transaction(server);
    fillNewSchema(file, server, code);
    transaction.commit();
}

void replaceCompanyOnServer(Database& file, PgConnection& server, const QString& code,
                            const std::function<void()>& beforeCommit) {
    PgTransaction transaction(server);
    removeCompanySchema(server, code);
    fillNewSchema(file, server, code);
    if (beforeCommit)
        beforeCommit();
    transaction.commit();
}

void copyCompanyToFile(PgConnection& server, const QString& code, const QString& path) {
    if (QFileInfo::exists(path))
        throw DatabaseError(QStringLiteral("Dosya zaten var: %1").arg(path));
    const QString schema = server.quoteIdentifier(companySchema(code));
    // One snapshot of the company, whatever others save meanwhile.
    PgTransaction snapshot(server, QStringLiteral("ISOLATION LEVEL REPEATABLE READ READ ONLY"));
    if (!server.scalar(QStringLiteral("SELECT to_regnamespace($1)"), {companySchema(code)}).isValid())
        throw DatabaseError(QStringLiteral("Sunucuda %1 firması bulunamadı.").arg(code));
    createDatabaseFile(path, [&](Database& file) {
        createCompanySchema(file);
        upgradeCompanySchema(file);
        Transaction transaction(file);
        // The version row comes from the server with the other rows.
        file.exec(QStringLiteral("DELETE FROM sema_surumu"));
        for (const QString& table : fileTables(file)) {
            const QStringList columns = fileColumns(file, table);
            QStringList serverColumns;
            QStringList quotedColumns;
            QStringList placeholders;
            for (const QString& column : columns) {
                serverColumns << server.quoteIdentifier(column.toLower());
                quotedColumns << QLatin1Char('"') + column + QLatin1Char('"');
                placeholders << QStringLiteral("?");
            }
            const PgResult rows = server.query(QStringLiteral("SELECT %1 FROM %2.%3 ORDER BY 1")
                                                   .arg(serverColumns.join(QStringLiteral(", ")), schema,
                                                        server.quoteIdentifier(table.toLower())));
            Statement insert(file, QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                       .arg(table, quotedColumns.join(QStringLiteral(", ")),
                                            placeholders.join(QStringLiteral(", "))));
            for (int row = 0; row < rows.rowCount(); ++row) {
                for (int c = 0; c < rows.columnCount(); ++c)
                    insert.bind(c + 1, rows.value(row, c));
                insert.run();
                insert.reset();
            }
        }
        transaction.commit();
    });
    snapshot.commit();
}

} // namespace velkor
