#include "app/ui/TGuncelleF.h"

#include "app/Program.h"

namespace velkor {

TGuncelleF::TGuncelleF(Program& program, QWidget* parent)
    : ShellWindow(program.update(), program.windows(), program.prompt(), parent) {}

} // namespace velkor
