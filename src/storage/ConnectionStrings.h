#pragma once

#include <QString>

namespace velkor {

/// The one password of every database file of the program; never shown to the user.
inline const QString kDatabasePassword = QStringLiteral("p4Rk9mWq2TzL7vB");

/// The company connection at start, on the placeholder database.
QString companyAtStartConnectionString();
/// The general connection (company registry and passwords).
QString generalConnectionString();
/// The rate connection (reference tables).
QString ratesConnectionString();
/// The company connection for a company code: "Data/" + code + ".mdb".
QString CompanyConnectionString(const QString& code);

/// The schemas of the office database that hold the registry and the reference tables.
inline const QString kGeneralSchema = QStringLiteral("genel");
inline const QString kRatesSchema = QStringLiteral("oranlar");
/// The schema of the office database that holds a company, the only place that names it:
/// "firma_", the code's letters and digits in lower case, and a digest of the whole code,
/// so that codes that differ only in letters outside a–z get schemas of their own. Only
/// letters, digits and "_" ever reach a name.
QString companySchema(const QString& code);
/// A connection to a schema of the office server through a libpq connection string
/// ("service=buro").
QString serverConnectionString(const QString& conninfo, const QString& schema);

} // namespace velkor
