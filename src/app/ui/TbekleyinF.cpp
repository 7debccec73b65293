#include "app/ui/TbekleyinF.h"

#include "app/Program.h"
#include "base/ProgressWindow.h"

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
    grid->addWidget(makeLabel(QStringLiteral("DurumLabel")), 0, 0);
    grid->addWidget(makeLabel(QStringLiteral("DetayLabel")), 0, 1);
    grid->addWidget(makeLabel(QStringLiteral("ToplamLabel")), 1, 0, 1, 2);
    for (const char* name : {"ToplamGauge", "AktifGauge"}) {
        auto* bar = new QProgressBar(this);
        bar->setObjectName(QLatin1String(name));
        bar->setRange(0, 100);
        grid->addWidget(bar, name[0] == 'T' ? 2 : 4, 0, 1, 2);
    }
    grid->addWidget(makeLabel(QStringLiteral("AktifLabel")), 3, 0, 1, 2);
    grid->addWidget(makeLabel(QStringLiteral("GecenSureLabel")), 5, 0);
    grid->addWidget(makeLabel(QStringLiteral("SureLabel")), 5, 1);
    grid->addWidget(makeButton(QStringLiteral("KapatBut")), 6, 1, Qt::AlignRight);
    setFixedSize(440, 230);
    bindForm();
}

void TbekleyinF::showEvent(QShowEvent* event) {
    FormWindow::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

} // namespace velkor
