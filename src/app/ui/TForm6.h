#pragma once

#include "base/ui/ShellWindow.h"

namespace velkor {

class Program;

/// The window of the update progress window.
class TForm6 : public ShellWindow {
    Q_OBJECT

public:
    explicit TForm6(Program& program, QWidget* parent = nullptr);
};

} // namespace velkor
