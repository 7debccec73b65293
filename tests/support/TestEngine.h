#pragma once

#include <QString>

namespace velkor::test {

/// Whether this run keeps the tests' companies on the office server: the environment
/// variable VELKOR_TEST_ENGINE is "postgresql". The same tests then run against both
/// engines and must give the same output to the character.
bool companiesOnServer();

/// A new company schema, with the company tables, on the executable's test server;
/// returns the connection string that opens it.
QString newServerCompany(const QString& code);

} // namespace velkor::test
