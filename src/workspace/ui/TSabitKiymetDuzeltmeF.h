#pragma once

#include "app/ui/ShellWindow.h"

namespace velkor {

class Program;

/// The adjustment workspace window.
class TSabitKiymetDuzeltmeF : public ShellWindow {
    Q_OBJECT

public:
    explicit TSabitKiymetDuzeltmeF(Program& program, QWidget* parent = nullptr);
};

} // namespace velkor
