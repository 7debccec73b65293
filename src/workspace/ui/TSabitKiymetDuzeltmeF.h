#pragma once

#include "base/ui/FormWindow.h"

namespace velkor {

class Workspace;

/// The adjustment workspace window.
class TSabitKiymetDuzeltmeF : public FormWindow {
    Q_OBJECT

public:
    TSabitKiymetDuzeltmeF(Workspace& workspace, WindowManager& windows, Prompt& prompt,
                          QWidget* parent = nullptr);
};

} // namespace velkor
