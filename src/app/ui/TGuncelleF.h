#pragma once

#include "base/ui/ShellWindow.h"

namespace velkor {

class Program;

/// The window of the update window (its package unpacking is used; it is never shown).
class TGuncelleF : public ShellWindow {
    Q_OBJECT

public:
    explicit TGuncelleF(Program& program, QWidget* parent = nullptr);
};

} // namespace velkor
