#pragma once

#include "base/ui/FormWindow.h"

namespace velkor {

class DatasetGrid;
class Program;

/// The companies window: the grid of companies with its buttons and context menu, and
/// the lower panel of automatic backup settings.
class TGirisRF : public FormWindow {
    Q_OBJECT

public:
    TGirisRF(Program& program, QWidget* parent = nullptr);

    DatasetGrid* grid() const { return m_grid; }

private:
    DatasetGrid* m_grid;
};

} // namespace velkor
