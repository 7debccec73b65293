#include "base/ui/ShellWindow.h"

#include <QLabel>
#include <QVBoxLayout>

namespace velkor {

ShellWindow::ShellWindow(FormModel& model, WindowManager& windows, Prompt& prompt, QWidget* parent)
    : FormWindow(model, windows, prompt, parent) {
    auto* layout = new QVBoxLayout(this);
    for (const QString& name : model.fieldNames()) {
        if (model.kind(name) == FieldKind::Label)
            layout->addWidget(makeLabel(name));
    }
    auto* title = new QLabel(model.caption(), this);
    title->setAlignment(Qt::AlignCenter);
    title->setWordWrap(true);
    layout->addStretch();
    layout->addWidget(title);
    layout->addStretch();
    resize(800, 500);
    bindForm();
}

} // namespace velkor
