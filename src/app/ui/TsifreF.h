#pragma once

#include "base/ui/FormWindow.h"

namespace velkor {

class Program;

/// The password window: the entry and master passwords in clear, "SAKLA" and the warning.
class TsifreF : public FormWindow {
    Q_OBJECT

public:
    TsifreF(Program& program, QWidget* parent = nullptr);
};

} // namespace velkor
