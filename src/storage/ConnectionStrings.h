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

} // namespace velkor
