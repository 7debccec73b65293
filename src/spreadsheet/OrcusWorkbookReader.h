#pragma once

#include "spreadsheet/WorkbookReader.h"

namespace velkor {

struct ZippedWorkbookFacts;

/// Reads .xlsx and .ods workbooks with liborcus: values as stored, formula cells
/// recalculated, dates recognised by the cells' number formats.
class OrcusWorkbookReader : public WorkbookReader {
public:
    enum class Format { Xlsx, Ods };

    explicit OrcusWorkbookReader(Format format) : m_format(format) {}

    WorkbookGrid readFirstSheet(const QString& path) const override;

private:
    WorkbookGrid readScanned(const QString& path, const ZippedWorkbookFacts& facts) const;

    Format m_format;
};

} // namespace velkor
