#include "workspace/ui/PeriodPage.h"

#include "base/ErrorReport.h"
#include "base/ui/FormBinder.h"
#include "periods/PeriodSheet.h"
#include "periods/PeriodSheetControls.h"
#include "workspace/Workspace.h"
#include "workspace/ui/PeriodGridModel.h"
#include "workspace/ui/SheetWidgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>

namespace velkor {

namespace {

namespace c = ctl::period;

QWidget* headingBox(SheetWidgets& w, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (const QString& name : {c::DonemBaslikLabel, c::DonemDurumLabel, c::DonemNotLabel, c::RofmNotLabel}) {
        auto* label = new QLabel(box);
        label->setObjectName(name);
        label->setWordWrap(true);
        if (name == c::DonemBaslikLabel) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
        }
        if (name == c::DonemNotLabel)
            label->setStyleSheet(QStringLiteral("color: #a03000;"));
        layout->addWidget(label);
    }
    (void)w;
    return box;
}

QGroupBox* settingsBox(SheetWidgets& w, QWidget* parent) {
    auto* box = new QGroupBox(QStringLiteral("Dönem Ayarları"), parent);
    SheetWidgets inBox(w.model(), box);
    auto* grid = new QGridLayout(box);
    int row = 0;
    // Two settings a row, so that the tab fits a 1366 pixel wide screen beside the item list.
    inBox.addPair(grid, row, 0, c::DonemAmortismaniCombo);
    inBox.addPair(grid, row++, 2, c::AmortismanKaydiCombo);
    inBox.addPair(grid, row, 0, c::BasitOrtalamaCombo);
    inBox.addPair(grid, row++, 2, c::BitenKiymetCombo);
    inBox.addPair(grid, row, 0, c::Kapanis698Combo);
    inBox.addPair(grid, row++, 2, c::Fark258Combo);
    grid->addWidget(inBox.check(c::BeyanCheck), row, 0, 1, 2);
    grid->addWidget(inBox.check(c::YapilmadiCheck), row, 2, 1, 2);
    return box;
}

QWidget* lineEditor(SheetWidgets& w, QWidget* parent) {
    auto* scroll = new QScrollArea(parent);
    scroll->setWidgetResizable(true);
    auto* box = new QGroupBox(QStringLiteral("Seçili Kalem"), scroll);
    SheetWidgets inBox(w.model(), box);
    auto* grid = new QGridLayout(box);
    int row = 0;
    for (const QString& name :
         {c::KalemNoEdit, c::KalemHesapEdit, c::KalemAltHesapEdit, c::KalemAdiEdit, c::KalemGirisTarihiEdit,
          c::KalemDefterDegeriEdit, c::KalemDonemAmortEdit, c::KalemEskiAylikEdit, c::KalemStokYontemiCombo,
          c::KalemCikisTarihiEdit, c::KalemKalanOranEdit, c::KalemKalanTutarEdit, c::KalemOmurEdit,
          c::KalemAmortYontemiCombo, c::KalemAmortHesabiEdit, c::KalemGiderHesabiEdit, c::KalemAktarimEdit})
        inBox.addPair(grid, row++, 0, name);
    grid->addWidget(inBox.check(c::KalemDuzeltilmezCheck), row++, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(inBox.button(c::YeniKalemBut));
    buttons->addWidget(inBox.button(c::KalemEkleBut));
    grid->addLayout(buttons, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    scroll->setWidget(box);
    scroll->setMinimumWidth(330);
    return scroll;
}

QWidget* buttonRow(SheetWidgets& w, QWidget* parent) {
    auto* bar = new QWidget(parent);
    SheetWidgets inBar(w.model(), bar);
    // The period's work on one row, what it gives out on the next: one row of both would not
    // fit the screen.
    auto* rows = new QVBoxLayout(bar);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* work = new QHBoxLayout;
    for (const QString& name : {c::HesaplaBut, c::KaydetBut, c::DonemKapatBut, c::DonemAcBut})
        work->addWidget(inBar.button(name));
    work->addStretch();
    rows->addLayout(work);
    auto* layout = new QHBoxLayout;
    rows->addLayout(layout);
    layout->addWidget(inBar.combo(c::RaporCombo));
    layout->addWidget(inBar.button(c::RaporYazBut));
    layout->addWidget(inBar.button(c::RaporExcelBut));
    layout->addSpacing(12);
    layout->addWidget(inBar.button(c::DonemYevmiyeBut));
    layout->addWidget(inBar.button(c::DonemYevmiyeYazBut));
    layout->addSpacing(12);
    layout->addWidget(inBar.combo(c::FisCombo));
    layout->addWidget(inBar.button(c::FisAktarBut));
    layout->addStretch();
    return bar;
}

} // namespace

QWidget* buildPeriodPage(Workspace& workspace, Prompt& prompt, QWidget* parent) {
    PeriodSheet& sheet = workspace.period();
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    SheetWidgets w(sheet, page);
    layout->addWidget(headingBox(w, page));
    layout->addWidget(settingsBox(w, page));
    layout->addWidget(buttonRow(w, page));

    auto* split = new QSplitter(Qt::Horizontal, page);
    auto* left = new QSplitter(Qt::Vertical, split);
    auto* grid = new QTableView(left);
    grid->setObjectName(c::DonemGrid);
    grid->setModel(new PeriodGridModel(sheet, prompt, grid));
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QObject::connect(grid->model(), &QAbstractItemModel::modelReset, grid, [grid, &sheet] {
        grid->resizeColumnsToContents();
        if (sheet.selectedRow() >= 0)
            grid->selectRow(sheet.selectedRow());
    });
    // Every column as wide as its title before any line is shown.
    grid->resizeColumnsToContents();
    QObject::connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, grid,
                     [&sheet, &prompt](const QModelIndex& current) {
                         if (current.isValid() && current.row() != sheet.selectedRow())
                             runGuarded(prompt, [&] { sheet.selectLine(current.row()); });
                     });
    left->addWidget(grid);
    SheetWidgets texts(sheet, left);
    QTextEdit* rich = texts.rich(c::DonemRich, Qt::white);
    FormBinder::showInColumns(*rich);
    left->addWidget(rich);
    left->setStretchFactor(0, 3);
    left->setStretchFactor(1, 1);
    split->addWidget(left);
    split->addWidget(lineEditor(w, split));
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);
    layout->addWidget(split, 1);
    new FormBinder(sheet, *page, prompt);
    // The tab scrolls rather than widen the window: a page's least size is the least size of
    // the whole tab widget, hidden pages included, and the window has to fit the screen.
    auto* scroll = new QScrollArea(parent);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(page);
    return scroll;
}

} // namespace velkor
