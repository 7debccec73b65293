#pragma once

#include "cli/CliCommand.h"

#include <map>

namespace velkor::cli {

struct CommandEntry {
    QString usage;
    CommandFunction function;
};

/// The registered commands by word.
std::map<QString, CommandEntry>& commandTable();

} // namespace velkor::cli
