#include "workspace/ui/ReportPages.h"

#include "base/ui/FormBinder.h"
#include "reports/ReportColumns.h"
#include "reports/ReportSheet.h"
#include "storage/ui/DatasetGrid.h"
#include "workspace/RecordDeletion.h"
#include "workspace/RecordDeletionControls.h"
#include "workspace/Workspace.h"
#include "workspace/ui/SheetWidgets.h"

#include "base/ui/FormBinder.h"
#include "base/ui/RadioGroupBox.h"
#include "reports/JournalSheetControls.h"
#include "reports/ReportSheetControls.h"
#include "vouchers/TransferSheet.h"
#include "vouchers/TransferSheetControls.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace velkor {

namespace {

class CentredDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->displayAlignment = Qt::AlignCenter;
    }
};

DatasetGrid* reportGrid(Dataset& rows, const std::vector<ReportColumn>& columns, const QString& name,
                        QWidget* parent) {
    auto* grid = new DatasetGrid(rows, gridColumnsOf(columns), parent);
    grid->setObjectName(name);
    styleReportGrid(*grid);
    // The columns are as wide as their widths, their titles and their values need.
    const QFontMetrics metrics(grid->horizontalHeader()->font());
    auto fit = [grid, columns, metrics] {
        grid->resizeColumnsToContents();
        for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
            const int title = metrics.horizontalAdvance(columns[c].column.label) + 16;
            grid->setColumnWidth(c, std::max({grid->columnWidth(c), columns[c].width, title}));
        }
    };
    QObject::connect(&grid->tableModel(), &QAbstractItemModel::modelReset, grid, fit);
    fit();
    for (int c = 0; c < static_cast<int>(columns.size()); ++c)
        if (columns[c].centred)
            grid->setItemDelegateForColumn(c, new CentredDelegate(grid));
    return grid;
}

QPushButton* button(FormModel& form, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(form.label(name), parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QComboBox* filterCombo(const QString& name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(20);
    combo->setMinimumWidth(140);
    return combo;
}

// A control of a subsystem still to come: named as it will be, shown, not usable.
template <typename W> W* pending(W* widget, const QString& name) {
    widget->setObjectName(name);
    widget->setEnabled(false);
    widget->setToolTip(kNotAvailableYet);
    return widget;
}

} // namespace

void styleReportGrid(DatasetGrid& grid) {
    QFont font = grid.font();
    font.setPixelSize(13);
    grid.setFont(font);
    QFont title = font;
    title.setBold(true);
    grid.horizontalHeader()->setFont(title);
    // The columns are made as wide as their titles, so the titles stand on one line.
    grid.horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid.horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid.verticalHeader()->setDefaultSectionSize(20);
    grid.verticalHeader()->setMinimumSectionSize(20);
    grid.setWordWrap(false);
}

QWidget* buildReportPage(Workspace& workspace, QWidget* parent) {
    FormModel& form = workspace.state();
    auto* page = new QWidget(parent);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("Hesap Grubu"), page));
    bar->addWidget(filterCombo(ctl::report::RaporListeCombo, page));
    bar->addWidget(button(form, ctl::report::RaporListeButton, page));
    bar->addStretch();
    for (const QString& name :
         {ctl::report::ExcelDuzRapBut, ctl::report::DuzRapYazBut, ctl::report::GenelAmortluBut})
        bar->addWidget(button(form, name, page));
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(bar);
    layout->addWidget(
        reportGrid(workspace.reports().SBKRaporQuery(), reportGridColumns(), ctl::report::SBKGrid, page), 1);
    return page;
}

QWidget* buildTotalsPage(Workspace& workspace, QWidget* parent) {
    FormModel& form = workspace.state();
    auto* page = new QWidget(parent);
    auto* bar = new QHBoxLayout;
    bar->addWidget(button(form, ctl::report::AnaHesapRaporButton, page));
    bar->addStretch();
    for (const QString& name : {ctl::report::AnaHesapExcelBut, ctl::report::AnaHesapYazBut})
        bar->addWidget(button(form, name, page));
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(bar);
    layout->addWidget(reportGrid(workspace.ToplamQuery(), totalsGridColumns(), ctl::report::ToplamGrid, page),
                      1);
    return page;
}

QWidget* buildJournalPage(Workspace& workspace, QWidget* parent) {
    FormModel& form = workspace.state();
    auto* page = new QWidget(parent);
    SheetWidgets w(form, page);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("Hesap Grubu"), page));
    bar->addWidget(filterCombo(ctl::journal::YevmiyeCombo, page));
    bar->addWidget(button(form, ctl::journal::YevmiyeBut, page));
    bar->addStretch();
    bar->addWidget(button(form, ctl::journal::YevmiyeYazBut, page));
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(bar);
    layout->addWidget(w.rich(ctl::journal::YevmiyeRich, QColor(240, 250, 255)), 1);
    return page;
}

QWidget* buildVoucherPage(TransferSheet& sheet, Prompt& prompt, QWidget* parent) {
    namespace c = ctl::transfer;
    auto* page = new QWidget(parent);
    auto* layout = new QHBoxLayout(page);

    auto* options = new QGroupBox(QStringLiteral("Fiş Seçenekleri"), page);
    SheetWidgets w(sheet, options);
    auto* grid = new QGridLayout(options);
    int row = 0;
    w.addPair(grid, row++, 0, c::FisTransferCombo);
    w.addPair(grid, row, 0, c::EvrakNoOnEdit);
    w.addPair(grid, row++, 2, c::EvrakilkSayiEdit);
    w.addPair(grid, row, 0, c::AyiracEdit);
    w.addPair(grid, row++, 2, c::Hesap698Edit);
    w.addPair(grid, row, 0, c::AmortLucaHesapEdit);
    grid->addWidget(w.check(c::SKAmortHesabiCheck), row++, 2, 1, 2);
    w.addPair(grid, row, 0, c::AmortMODVLucaHesapEdit);
    grid->addWidget(w.check(c::MODVAmortHesabiCheck), row++, 2, 1, 2);
    grid->addWidget(w.check(c::SKKendiAmortHesCheck), row++, 0, 1, 4);
    grid->addWidget(w.check(c::SabitAmortAyniFisCheck), row++, 0, 1, 4);
    w.addPair(grid, row, 0, c::NetsisYilKoduEdit);
    w.addPair(grid, row++, 2, c::NetsisAyKoduEdit);
    w.addPair(grid, row, 0, c::LogoFisNoEdit);
    grid->addWidget(w.check(c::NoktaVirgulCheck), row++, 2, 1, 2);
    grid->addWidget(w.radioGroup(c::FisSecenekleriRadio, sheet.label(c::FisSecenekleriRadio)), row, 0, 1, 2);
    grid->addWidget(w.radioGroup(c::CSVSutunAyirRadio, sheet.label(c::CSVSutunAyirRadio)), row++, 2, 1, 2);
    grid->addWidget(w.check(c::KapanisKaydiCheck), row++, 0, 1, 4);
    auto* closingNote = new QLabel(options);
    closingNote->setObjectName(c::KapanisNotuLabel);
    closingNote->setWordWrap(true);
    grid->addWidget(closingNote, row++, 0, 1, 4);
    grid->setRowStretch(row, 1);
    layout->addWidget(options, 3);

    SheetWidgets pageWidgets(sheet, page);
    auto* buttons = new QVBoxLayout;
    for (const QString& name : {c::LucaTransferFisiBut, c::MikroTransferFisiBut, c::NetsisTransferFisiBut,
                                c::LogoXMLBut, c::SentezExcelButton}) {
        QPushButton* b = pageWidgets.button(name);
        b->setMinimumHeight(34);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    layout->addLayout(buttons, 2);
    new FormBinder(sheet, *page, prompt);
    return page;
}

QWidget* buildDeletionPage(Workspace& workspace, Prompt& prompt, QWidget* parent) {
    RecordDeletion& deletion = workspace.deletion();
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    auto* box = new QGroupBox(QStringLiteral("Toplu Kayıt Silme"), page);
    auto* boxLayout = new QVBoxLayout(box);
    for (const QString& name : {ctl::deletion::SabitSilCheck, ctl::deletion::StokSilCheck,
                                ctl::deletion::OzkaynakSilCheck, ctl::deletion::TumunuSilCheck}) {
        auto* check = new QCheckBox(deletion.label(name), box);
        check->setObjectName(name);
        boxLayout->addWidget(check);
    }
    auto* run = new QPushButton(deletion.label(ctl::deletion::KayitSilBut), box);
    run->setObjectName(ctl::deletion::KayitSilBut);
    boxLayout->addWidget(run, 0, Qt::AlignLeft);
    layout->addWidget(box, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addStretch();
    new FormBinder(deletion, *page, prompt);
    return page;
}

} // namespace velkor
