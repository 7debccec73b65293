#pragma once

#include <QString>

namespace velkor {

class Dataset;

/// Cyclic search from the row after the current one for a row whose column contains the
/// text, Turkish letter case ignored; leaves the cursor on the match and returns true,
/// or returns false with the cursor where the walk ended.
bool FindNextContaining(Dataset& dataset, const QString& column, const QString& text);

} // namespace velkor
