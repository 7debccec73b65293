#pragma once

#include <QByteArray>
#include <utility>
#include <vector>

namespace velkor {

/// A zip archive in memory whose entries are stored as they are (no compression), for
/// handing a parser that reads zip packages parts the program prepared itself. The
/// entries are named and given in order; each must stay below 4 GB.
QByteArray storedZip(const std::vector<std::pair<QByteArray, QByteArray>>& entries);

} // namespace velkor
