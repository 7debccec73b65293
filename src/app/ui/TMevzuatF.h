#pragma once

#include "base/ui/ShellWindow.h"

namespace velkor {

class Program;

/// The window of the legislation and guide window.
class TMevzuatF : public ShellWindow {
    Q_OBJECT

public:
    explicit TMevzuatF(Program& program, QWidget* parent = nullptr);
};

} // namespace velkor
