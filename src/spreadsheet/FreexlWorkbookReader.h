#pragma once

#include "spreadsheet/WorkbookReader.h"

namespace velkor {

/// Reads .xls workbooks (BIFF 2 to 8) with FreeXL; dates come as the cells' date values.
class FreexlWorkbookReader : public WorkbookReader {
public:
    WorkbookGrid readFirstSheet(const QString& path) const override;
};

} // namespace velkor
