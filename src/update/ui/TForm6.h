#pragma once

#include "base/ui/FormWindow.h"

namespace velkor {

/// The update's progress window: no border, one gauge `Gauge1` of four steps, centred on
/// the screen of the window that was active when it appeared.
class TForm6 : public FormWindow {
    Q_OBJECT

public:
    TForm6(FormModel& model, WindowManager& windows, Prompt& prompt, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace velkor
