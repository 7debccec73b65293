#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace velkor {

/// What the dimension records of an .xls workbook declare, counted in cells (rows ×
/// columns), for the largest sheet and for all sheets together.
struct XlsDimensions {
    qint64 largestSheet = 0;
    qint64 allSheets = 0;
};

/// Reads the dimension records of the workbook stream of an .xls file (a compound file)
/// without the reader library, which lays out every sheet's cells as these records declare
/// while it opens the file. Nothing when the file is no compound file with a workbook
/// stream that can be followed to its end.
std::optional<XlsDimensions> readXlsDimensions(const QString& path);

} // namespace velkor
