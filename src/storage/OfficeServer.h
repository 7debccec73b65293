#pragma once

#include <QString>
#include <QStringList>

namespace velkor {

class PgConnection;

/// The layout of an office database on a PostgreSQL server: the registry and passwords
/// (what Genel.mdb holds in a file installation) in schema `genel`, the reference tables
/// (Oranlar.mdb) in `oranlar`, an empty company (the template SBK.mdb) in `sablon`, and one
/// schema per company, so that a company is backed up, restored, moved or dropped alone.
namespace office {
inline const QString kTemplateSchema = QStringLiteral("sablon");
/// The version of the layout that this program writes and reads, kept in `genel.ofis`
/// under kLayoutVersionKey. 1: the first office layout; 2: every company schema with the
/// later periods' tables and its indexes in the order the program sorts by (see
/// PgDialect::indexStatement), so that the report list is read in index order.
constexpr int kSchemaVersion = 2;
inline const QString kLayoutVersionKey = QStringLiteral("sema_surumu");
} // namespace office

/// The three roles of an office database. They are named after the database, as roles
/// belong to the whole server and one server may hold several offices.
struct OfficeRoles {
    QString owner;  ///< owns every schema and table; the office's administrators are its members
    QString writer; ///< reads and writes the companies: the accountants
    QString reader; ///< reads only: auditors and trainees
};
OfficeRoles officeRoles(const QString& database);

/// Sets up the office on the database `admin` is connected to, in one transaction: the
/// roles (when the server does not have them yet), the schemas with their tables, the
/// reference tables from the same data as a file installation's, the grants and the
/// layout's version. `admin` needs the right to create roles and to grant on the
/// database. Refuses (ShownError) a database that already holds tables or schemas.
void initOffice(PgConnection& admin);

/// Adds the schema of a company, with the template's tables, and registers it. Runs as
/// the owner role through a function the writers may call.
void addCompanySchema(PgConnection& connection, const QString& code);

/// Drops the schema of a company with everything in it and its registration; nothing when
/// the company has no schema on the server. Runs as the owner role, as addCompanySchema.
void removeCompanySchema(PgConnection& connection, const QString& code);

/// Whether the company of that code lives on the server (its schema is registered); a
/// company of the office's registry that does not is a file of the installation.
bool companyOnServer(PgConnection& connection, const QString& code);

/// The libpq connection string of the installation's office server (`[Sunucu] Servis` of its
/// Ayarlar.ini); empty for an installation that keeps its companies in files.
QString officeConnInfo(const QString& home);
/// Whether the installation's company of that code lives on its office server.
bool companyLivesOnServer(const QString& home, const QString& code);

/// Whether the login may only read the office: a member of the reading role, who may not
/// change the registry (auditors, trainees).
bool officeReadOnly(PgConnection& connection);
/// The same for the installation's office server; false for an installation of files.
bool readOnlyOffice(const QString& home);

/// What `server check` reports.
struct OfficeState {
    int serverVersion = 0;
    bool tls = false;
    QString tlsDetail;     ///< protocol and cipher when encrypted
    int schemaVersion = 0; ///< 0 when the database holds no office
    QStringList companies; ///< company codes with their schema present
    QStringList missing;   ///< registered codes whose schema is gone
};
OfficeState inspectOffice(PgConnection& connection);
/// The report of `server check`, one Turkish line each.
QStringList officeReport(const OfficeState& state);

} // namespace velkor
