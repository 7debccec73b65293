#pragma once

#include "base/ui/FormWindow.h"

namespace velkor {

class Program;

/// The main menu: collapsible groups of items on the left, the current company and
/// "KAPAT" on the right.
class TAnaMenuF : public FormWindow {
    Q_OBJECT

public:
    TAnaMenuF(Program& program, QWidget* parent = nullptr);
};

} // namespace velkor
