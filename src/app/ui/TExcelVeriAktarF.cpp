#include "app/ui/TExcelVeriAktarF.h"

#include "app/Program.h"

namespace velkor {

TExcelVeriAktarF::TExcelVeriAktarF(Program& program, QWidget* parent)
    : ShellWindow(program.excelImport(), program.windows(), program.prompt(), parent) {}

} // namespace velkor
