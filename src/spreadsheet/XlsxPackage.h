#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace velkor {

/// One part of a workbook's zip container: its name and its bytes.
struct WorkbookPart {
    QString name;
    QByteArray bytes;
};

/// The parts of a workbook file in the order its container stores them. Throws
/// WorkbookError.
std::vector<WorkbookPart> readWorkbookParts(const QString& file);

/// Writes the parts, in their order, as the zip container of a workbook. They are
/// compressed at zlib's quickest level: a sheet's XML shrinks nearly as much there as at
/// the default level, in about a third of the time. The bytes must stay valid until the
/// function returns. Throws WorkbookError.
void writeWorkbookParts(const QString& file, const std::vector<WorkbookPart>& parts);

} // namespace velkor
