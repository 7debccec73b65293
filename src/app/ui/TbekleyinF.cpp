#include "app/ui/TbekleyinF.h"

#include "app/Program.h"
#include "base/ProgressWindow.h"
#include "base/ProgressWindowControls.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace velkor {

TbekleyinF::TbekleyinF(Program& program, QWidget* parent)
    : FormWindow(program.progress().form(), program.windows(), program.prompt(), parent) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* grid = new QGridLayout(this);
    grid->addWidget(makeLabel(ctl::progress::DurumLabel), 0, 0);
    grid->addWidget(makeLabel(ctl::progress::DetayLabel), 0, 1);
    grid->addWidget(makeLabel(ctl::progress::ToplamLabel), 1, 0, 1, 2);
    for (const QString& name : {ctl::progress::ToplamGauge, ctl::progress::AktifGauge}) {
        auto* bar = new QProgressBar(this);
        bar->setObjectName(name);
        bar->setRange(0, 100);
        grid->addWidget(bar, name == ctl::progress::ToplamGauge ? 2 : 4, 0, 1, 2);
    }
    grid->addWidget(makeLabel(ctl::progress::AktifLabel), 3, 0, 1, 2);
    grid->addWidget(makeLabel(ctl::progress::GecenSureLabel), 5, 0);
    grid->addWidget(makeLabel(ctl::progress::SureLabel), 5, 1);
    grid->addWidget(makeButton(ctl::progress::KapatBut), 6, 1, Qt::AlignRight);
    setFixedSize(440, 230);
    bindForm();
}

void TbekleyinF::showEvent(QShowEvent* event) {
    FormWindow::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

} // namespace velkor
