#include "update/ui/TForm6.h"

#include "update/ProgramUpdateControls.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace velkor {

TForm6::TForm6(FormModel& model, WindowManager& windows, Prompt& prompt, QWidget* parent)
    : FormWindow(model, windows, prompt, parent) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeCaption(model.caption(), this));
    auto* gauge = new QProgressBar(this);
    gauge->setObjectName(ctl::updateprogress::Gauge1);
    gauge->setRange(0, 4);
    layout->addWidget(gauge);
    setFixedSize(360, 80);
    bindForm();
}

void TForm6::showEvent(QShowEvent* event) {
    FormWindow::showEvent(event);
    const QWidget* active = QApplication::activeWindow();
    const QRect area = active && active != this ? active->frameGeometry()
                                                : (screen() ? screen()->availableGeometry() : QRect());
    if (area.isValid())
        move(area.center() - rect().center());
}

} // namespace velkor
