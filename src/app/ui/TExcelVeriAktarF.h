#pragma once

#include "base/ui/ShellWindow.h"

namespace velkor {

class Program;

/// The window of the spreadsheet import window.
class TExcelVeriAktarF : public ShellWindow {
    Q_OBJECT

public:
    explicit TExcelVeriAktarF(Program& program, QWidget* parent = nullptr);
};

} // namespace velkor
