#pragma once

class QWidget;

namespace velkor {

class Prompt;
class Workspace;

/// The tab "Dönem Düzeltmesi": the period's heading, settings and state, the grid of its
/// lines `DonemGrid` (the cells the period lets the user change are edited in place), the
/// editor of the selected line, the buttons and the text box, bound to the workspace's
/// period sheet.
QWidget* buildPeriodPage(Workspace& workspace, Prompt& prompt, QWidget* parent);

} // namespace velkor
