#include "workspace/ui/TSabitKiymetDuzeltmeF.h"

#include "app/Program.h"

namespace velkor {

TSabitKiymetDuzeltmeF::TSabitKiymetDuzeltmeF(Program& program, QWidget* parent)
    : ShellWindow(program.workspace(), program.windows(), program.prompt(), parent) {}

} // namespace velkor
