#pragma once

#include "app/ui/FormWindow.h"

namespace velkor {

class Program;

/// The adjustment workspace window.
class TSabitKiymetDuzeltmeF : public FormWindow {
    Q_OBJECT

public:
    explicit TSabitKiymetDuzeltmeF(Program& program, QWidget* parent = nullptr);
};

} // namespace velkor
