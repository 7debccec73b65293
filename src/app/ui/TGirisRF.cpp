#include "app/ui/TGirisRF.h"

#include "app/CompaniesWindow.h"
#include "app/Program.h"
#include "registry/CompanyRegistry.h"
#include "storage/ui/DatasetGrid.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkor {

TGirisRF::TGirisRF(Program& program, QWidget* parent)
    : FormWindow(program.companies().form(), program.windows(), program.prompt(), parent),
      m_grid(new DatasetGrid(program.registry().listQuery(),
                             {{QStringLiteral("kodu"), QStringLiteral("Kodu")},
                              {QStringLiteral("firmaadi"), QStringLiteral("Firma Adı")}},
                             this)) {
    m_grid->setObjectName(QStringLiteral("FirmalarGrid"));
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setColumnWidth(0, 160);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    FormModel& form = model();
    connect(m_grid, &DatasetGrid::rowActivated, this,
            [this] { act([this] { model().click(QStringLiteral("FirmaSecBut")); }); });
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this, &form](const QPoint& pos) {
        QMenu menu(this);
        QAction* pick = menu.addAction(form.label(QStringLiteral("FirmayiSec1")));
        QAction* remove = menu.addAction(form.label(QStringLiteral("FirmayiSil1")));
        QAction* chosen = menu.exec(m_grid->viewport()->mapToGlobal(pos));
        if (chosen == pick)
            act([&form] { form.click(QStringLiteral("FirmayiSec1")); });
        else if (chosen == remove)
            act([&form] { form.click(QStringLiteral("FirmayiSil1")); });
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeButton(QStringLiteral("FirmaSecBut")));
    buttons->addWidget(makeButton(QStringLiteral("FirmaSilBut")));
    buttons->addStretch();
    buttons->addWidget(makeButton(QStringLiteral("KapatBut")));

    auto* panel = new QGroupBox(this);
    auto* grid = new QGridLayout(panel);
    QLabel* heading = makeLabel(QStringLiteral("Label5"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid->addWidget(heading, 0, 0, 1, 4);
    grid->addWidget(makeCheck(QStringLiteral("OtoYedekCheck")), 1, 0, 1, 2);
    grid->addWidget(makeCheck(QStringLiteral("OtomatikGunlukCheck")), 1, 2, 1, 2);
    grid->addWidget(makeCaption(form.label(QStringLiteral("OtoYedekEdit")), panel), 2, 0);
    grid->addWidget(makeEdit(QStringLiteral("OtoYedekEdit")), 2, 1, 1, 2);
    grid->addWidget(makeButton(QStringLiteral("OtoYedekAdresBulBut")), 2, 3);
    auto* interval = new QHBoxLayout;
    interval->addWidget(makeCaption(form.label(QStringLiteral("yedekgunEdit")), panel));
    QLineEdit* days = makeEdit(QStringLiteral("yedekgunEdit"));
    days->setMaxLength(3);
    days->setFixedWidth(48);
    interval->addWidget(days);
    interval->addWidget(makeLabel(QStringLiteral("Label3")));
    interval->addStretch();
    grid->addLayout(interval, 3, 0, 1, 2);
    grid->addWidget(makeCaption(form.label(QStringLiteral("DateTimePicker1")), panel), 3, 2);
    auto* date = new QDateEdit(this);
    date->setObjectName(QStringLiteral("DateTimePicker1"));
    date->setReadOnly(true);
    date->setButtonSymbols(QAbstractSpinBox::NoButtons);
    grid->addWidget(date, 3, 3);
    grid->addWidget(makeButton(QStringLiteral("OtoYedekAdresSaklaBut")), 4, 0);
    grid->addWidget(makeButton(QStringLiteral("TumFirmaYedekAlBut")), 4, 1);
    grid->addWidget(makeButton(QStringLiteral("TumFirmaGeriYukleBut")), 4, 2);
    grid->addWidget(makeButton(QStringLiteral("TekFirmaGeriYukleBut")), 5, 1);
    grid->addWidget(makeButton(QStringLiteral("OtomatikYedekGeriYukleBut")), 5, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    layout->addWidget(panel);
    resize(820, 620);
    bindForm();
}

} // namespace velkor
