#include "app/ui/TGirisRF.h"

#include "app/CompaniesWindow.h"
#include "app/CompaniesWindowControls.h"
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
    m_grid->setObjectName(ctl::companies::FirmalarGrid);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setColumnWidth(0, 160);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    FormModel& form = model();
    connect(m_grid, &DatasetGrid::rowActivated, this,
            [this] { act([this] { model().click(ctl::companies::FirmaSecBut); }); });
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this, &form](const QPoint& pos) {
        QMenu menu(this);
        QAction* pick = menu.addAction(form.label(ctl::companies::FirmayiSec1));
        QAction* remove = menu.addAction(form.label(ctl::companies::FirmayiSil1));
        QAction* chosen = menu.exec(m_grid->viewport()->mapToGlobal(pos));
        if (chosen == pick)
            act([&form] { form.click(ctl::companies::FirmayiSec1); });
        else if (chosen == remove)
            act([&form] { form.click(ctl::companies::FirmayiSil1); });
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeButton(ctl::companies::FirmaSecBut));
    buttons->addWidget(makeButton(ctl::companies::FirmaSilBut));
    buttons->addWidget(makeButton(ctl::companies::FirmaTasiBut));
    buttons->addStretch();
    buttons->addWidget(makeButton(ctl::companies::KapatBut));

    auto* panel = new QGroupBox(this);
    auto* grid = new QGridLayout(panel);
    QLabel* heading = makeLabel(ctl::companies::Label5);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid->addWidget(heading, 0, 0, 1, 4);
    grid->addWidget(makeCheck(ctl::companies::OtoYedekCheck), 1, 0, 1, 2);
    grid->addWidget(makeCheck(ctl::companies::OtomatikGunlukCheck), 1, 2, 1, 2);
    grid->addWidget(makeCaption(form.label(ctl::companies::OtoYedekEdit), panel), 2, 0);
    grid->addWidget(makeEdit(ctl::companies::OtoYedekEdit), 2, 1, 1, 2);
    grid->addWidget(makeButton(ctl::companies::OtoYedekAdresBulBut), 2, 3);
    auto* interval = new QHBoxLayout;
    interval->addWidget(makeCaption(form.label(ctl::companies::yedekgunEdit), panel));
    QLineEdit* days = makeEdit(ctl::companies::yedekgunEdit);
    days->setMaxLength(3);
    days->setFixedWidth(48);
    interval->addWidget(days);
    interval->addWidget(makeLabel(ctl::companies::Label3));
    interval->addStretch();
    grid->addLayout(interval, 3, 0, 1, 2);
    grid->addWidget(makeCaption(form.label(ctl::companies::DateTimePicker1), panel), 3, 2);
    auto* date = new QDateEdit(this);
    date->setObjectName(ctl::companies::DateTimePicker1);
    date->setReadOnly(true);
    date->setButtonSymbols(QAbstractSpinBox::NoButtons);
    grid->addWidget(date, 3, 3);
    // Backups on one row, restores below them, each restore under the backup it takes back.
    grid->addWidget(makeButton(ctl::companies::OtoYedekAdresSaklaBut), 4, 0);
    grid->addWidget(makeButton(ctl::companies::TumFirmaYedekAlBut), 4, 1);
    grid->addWidget(makeButton(ctl::companies::FirmaYedekAlBut), 4, 2);
    grid->addWidget(makeButton(ctl::companies::TumFirmaGeriYukleBut), 5, 1);
    grid->addWidget(makeButton(ctl::companies::TekFirmaGeriYukleBut), 5, 2);
    grid->addWidget(makeButton(ctl::companies::OtomatikYedekGeriYukleBut), 5, 3);
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
