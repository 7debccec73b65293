#include "app/ui/TMevzuatF.h"

#include "app/Program.h"

namespace velkor {

TMevzuatF::TMevzuatF(Program& program, QWidget* parent)
    : ShellWindow(program.legislation(), program.windows(), program.prompt(), parent) {}

} // namespace velkor
