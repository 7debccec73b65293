#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <vector>

namespace velkor {

/// One part of a workbook's zip container: its name and its bytes, or the file that holds
/// them from its start (a large part stays out of memory).
struct WorkbookPart {
    QString name;
    QByteArray bytes;
    std::FILE* file = nullptr;
};

/// The parts of a workbook file in the order its container stores them. Throws
/// WorkbookError.
std::vector<WorkbookPart> readWorkbookParts(const QString& file);

/// Writes the parts, in their order, as the zip container of a workbook. They are
/// compressed at zlib's quickest level: a sheet's XML shrinks nearly as much there as at
/// the default level, in about a third of the time. The bytes must stay valid until the
/// function returns; the parts' files are closed by it, whatever happens. Throws
/// WorkbookError.
void writeWorkbookParts(const QString& file, const std::vector<WorkbookPart>& parts);

} // namespace velkor
