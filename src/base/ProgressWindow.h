#pragma once

#include "base/FormModel.h"

namespace velkor {

class WindowManager;

/// The progress window "TbekleyinF" shared by long operations: a status line with a
/// detail label, the total and current-record gauges (0 to 100), the elapsed time and
/// "KAPAT", which hides it and takes it off the top.
class ProgressWindow {
public:
    explicit ProgressWindow(WindowManager& windows);

    FormModel& form() { return m_form; }

    /// Sets the two gauges, in percent.
    void setProgress(int total, int current);
    /// Shows the window above the others.
    void showOnTop();
    /// "KAPAT".
    void KapatButClick();

private:
    WindowManager& m_windows;
    FormModel m_form;
};

} // namespace velkor
