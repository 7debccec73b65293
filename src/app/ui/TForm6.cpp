#include "app/ui/TForm6.h"

#include "app/Program.h"

namespace velkor {

TForm6::TForm6(Program& program, QWidget* parent)
    : ShellWindow(program.updateProgress(), program.windows(), program.prompt(), parent) {}

} // namespace velkor
