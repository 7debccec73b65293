#include "workspace/ui/TSabitKiymetDuzeltmeF.h"

#include "engine/WorkspaceStateControls.h"
#include "workspace/Workspace.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkor {

TSabitKiymetDuzeltmeF::TSabitKiymetDuzeltmeF(Workspace& workspace, WindowManager& windows, Prompt& prompt,
                                             QWidget* parent)
    : FormWindow(workspace.state(), windows, prompt, parent) {
    auto* top = new QHBoxLayout;
    QLabel* company = makeLabel(ctl::workspace::Label4);
    QFont bold = company->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    company->setFont(bold);
    top->addWidget(company, 1);
    if (model().has(ctl::workspace::JvXPButton19))
        top->addWidget(makeButton(ctl::workspace::JvXPButton19));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addStretch();
    resize(1000, 640);
    bindForm();
}

} // namespace velkor
