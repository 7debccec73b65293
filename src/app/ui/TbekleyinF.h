#pragma once

#include "base/ui/FormWindow.h"

namespace velkor {

class Program;

/// The progress window: fixed size, no title-bar buttons, centred on the screen.
class TbekleyinF : public FormWindow {
    Q_OBJECT

public:
    TbekleyinF(Program& program, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace velkor
