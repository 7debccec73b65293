#pragma once

#include "base/ui/FormWindow.h"

class QTabWidget;

namespace velkor {

class DatasetGrid;
class ReferenceDataForm;

/// The reference data window: five tabs of read-only grids with what each table covers,
/// the search and panel of the depreciation rates, the page adding published figures,
/// the list of recorded changes, and "KAPAT".
class TVerilerF : public FormWindow {
    Q_OBJECT

public:
    TVerilerF(ReferenceDataForm& data, WindowManager& windows, Prompt& prompt, QWidget* parent = nullptr);

    /// The grid of the depreciation rates.
    DatasetGrid* rateGrid() const { return m_rateGrid; }
    QTabWidget* tabs() const { return m_tabs; }

private:
    /// The page on which published figures are typed or read from a file and added.
    QWidget* figuresPage(FormModel& figures);

    QTabWidget* m_tabs;
    DatasetGrid* m_rateGrid = nullptr;
};

} // namespace velkor
