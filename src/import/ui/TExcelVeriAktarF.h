#pragma once

#include "base/ui/FormWindow.h"

class QTableView;

namespace velkor {

class ExcelImportForm;
class ImportGridModel;

/// The import window: the warning across the top, the grid `StringGrid1`, the mapping
/// edits, the choices and the four buttons, bound to the import form model.
class TExcelVeriAktarF : public FormWindow {
    Q_OBJECT

public:
    TExcelVeriAktarF(ExcelImportForm& form, WindowManager& windows, Prompt& prompt,
                     QWidget* parent = nullptr);

private:
    ImportGridModel* m_gridModel = nullptr;
    QTableView* m_grid = nullptr;
};

} // namespace velkor
