#pragma once

#include <QString>
#include <QStringList>

namespace velkor::cli {

/// Whether the command (its word, "items delete" for two, and the arguments after it)
/// changes the office's data or the installation's. A login of the office server that may
/// only read (an auditor, a trainee) runs the others: lists, reports, journals, prints,
/// exports, vouchers and backups.
bool changesData(const QString& word, const QStringList& args);

/// The refusal of such a command for a login that may only read.
QString readOnlyRefusal(const QString& word);

} // namespace velkor::cli
