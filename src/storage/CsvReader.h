#pragma once

#include <QStringList>
#include <vector>

namespace velkor {

/// Reads comma-separated text with double-quoted fields ("" is a quote inside one):
/// the rows as lists of fields, the header row included.
std::vector<QStringList> readCsv(const QString& text);

} // namespace velkor
