#pragma once

#include "cli/CliCommand.h"
#include "storage/PgConnection.h"

#include <memory>

namespace velkor::cli {

/// Connects to the office server that `--service AD` names, else the one of Ayarlar.ini's
/// [Sunucu] section; a usage error when neither names one.
std::unique_ptr<PgConnection> connectToNamedOffice(CliRun& run, const char* usage);

} // namespace velkor::cli
