#pragma once

#include "base/ui/FormWindow.h"

namespace velkor {

/// A window shown with its caption whose content another part of the program builds.
class ShellWindow : public FormWindow {
    Q_OBJECT

public:
    ShellWindow(FormModel& model, WindowManager& windows, Prompt& prompt, QWidget* parent = nullptr);
};

} // namespace velkor
