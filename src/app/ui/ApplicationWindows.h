#pragma once

#include "base/ui/FormWindow.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace velkor {

class Program;
class PreviewPrintService;

/// The twelve windows of the program, created once in the order of start-up over the
/// program's form models; they live until the program ends.
class ApplicationWindows {
public:
    explicit ApplicationWindows(Program& program);
    ~ApplicationWindows();

    /// The window of a class name ("TGirisF", ...), or nullptr.
    FormWindow* window(const QString& className) const;
    /// The windows in creation order.
    const std::vector<std::unique_ptr<FormWindow>>& all() const { return m_windows; }

private:
    std::vector<std::unique_ptr<FormWindow>> m_windows;
    /// The preview that the workspace's print buttons show their reports in.
    std::unique_ptr<PreviewPrintService> m_printService;
};

} // namespace velkor
