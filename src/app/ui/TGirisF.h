#pragma once

#include "base/ui/FormWindow.h"

namespace velkor {

class Program;

/// The entry window: company code, password and the four buttons. Closing it runs the
/// close sequence, which asks first.
class TGirisF : public FormWindow {
    Q_OBJECT

public:
    TGirisF(Program& program, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Program& m_program;
};

} // namespace velkor
