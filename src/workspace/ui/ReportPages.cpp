#include "workspace/ui/ReportPages.h"

#include "reports/ReportColumns.h"
#include "reports/ReportSheet.h"
#include "storage/ui/DatasetGrid.h"
#include "workspace/Workspace.h"
#include "workspace/ui/SheetWidgets.h"

#include "reports/JournalSheetControls.h"
#include "reports/ReportSheetControls.h"
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
        reportGrid(workspace.reports().SBKRaporQuery(), reportGridColumns(), QStringLiteral("SBKGrid"), page),
        1);
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
    layout->addWidget(
        reportGrid(workspace.ToplamQuery(), totalsGridColumns(), QStringLiteral("ToplamGrid"), page), 1);
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

QWidget* buildVoucherPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QHBoxLayout(page);

    auto* options = new QGroupBox(QStringLiteral("Fiş Seçenekleri"), page);
    auto* grid = new QGridLayout(options);
    int row = 0;
    auto addEdit = [&](const char* name, const QString& caption, const QString& text, int column) {
        grid->addWidget(new QLabel(caption, options), row, column);
        grid->addWidget(pending(new QLineEdit(text, options), QString::fromLatin1(name)), row, column + 1);
    };
    auto accounts = pending(new QComboBox(options), QStringLiteral("FisTransferCombo"));
    accounts->addItem(QStringLiteral("Hepsi"));
    grid->addWidget(new QLabel(QStringLiteral("Hesap No"), options), row, 0);
    grid->addWidget(accounts, row++, 1);
    addEdit("EvrakNoOnEdit", QStringLiteral("Evrak No Ön Eki"), QStringLiteral("ED"), 0);
    addEdit("EvrakilkSayiEdit", QStringLiteral("E.N. Artan İlk Sayı"), QStringLiteral("1"), 2);
    ++row;
    addEdit("AyiracEdit", QStringLiteral("Ana Hesap Ayıracı"), QStringLiteral("."), 0);
    addEdit("Hesap698Edit", QStringLiteral("698 Hesap Kodu"), QStringLiteral("698"), 2);
    ++row;
    addEdit("AmortLucaHesapEdit", QStringLiteral("Amort. Hes. Kodu"), QStringLiteral("257.99"), 0);
    grid->addWidget(
        pending(new QCheckBox(QStringLiteral("Sabit Kıymetler İçin Amortisman Hesabı Bu"), options),
                QStringLiteral("SKAmortHesabiCheck")),
        row++, 2, 1, 2);
    addEdit("AmortMODVLucaHesapEdit", QStringLiteral("Amort. Hes. Kodu"), QStringLiteral("268.99"), 0);
    grid->addWidget(
        pending(
            new QCheckBox(QStringLiteral("Maddi Olmayan Duran Varlıklar İçin Amortisman Hesabı Bu"), options),
            QStringLiteral("MODVAmortHesabiCheck")),
        row++, 2, 1, 2);
    grid->addWidget(
        pending(new QCheckBox(QStringLiteral("Sabit Kıymetin Kayıtlı Amortisman Hesabını Kullan"), options),
                QStringLiteral("SKKendiAmortHesCheck")),
        row++, 0, 1, 4);
    auto* together =
        pending(new QCheckBox(QStringLiteral("Sabit Kıymetlerle Amortisman Düzeltmesi Aynı Fişte"), options),
                QStringLiteral("SabitAmortAyniFisCheck"));
    together->setChecked(true);
    grid->addWidget(together, row++, 0, 1, 4);
    addEdit("NetsisYilKoduEdit", QStringLiteral("Netsis-Logo Yıl"), QStringLiteral("2023"), 0);
    addEdit("NetsisAyKoduEdit", QStringLiteral("Netsis-Logo Ay"), QStringLiteral("12"), 2);
    ++row;
    addEdit("LogoFisNoEdit", QStringLiteral("Logo XML Fiş No"), QString(), 0);
    auto* point = pending(new QCheckBox(QStringLiteral("Logo XML Virgül Yerine Nokta Kullan"), options),
                          QStringLiteral("NoktaVirgulCheck"));
    point->setChecked(true);
    grid->addWidget(point, row++, 2, 1, 2);
    auto radioBox = [&](const char* name, const QString& title, const QStringList& items) {
        auto* box = pending(new QGroupBox(title, options), QString::fromLatin1(name));
        auto* boxLayout = new QVBoxLayout(box);
        for (const QString& item : items) {
            auto* radio = new QRadioButton(item, box);
            radio->setChecked(item == items.first());
            boxLayout->addWidget(radio);
        }
        return box;
    };
    grid->addWidget(
        radioBox("FisSecenekleriRadio", QStringLiteral("Fiş Seçenekleri (LUCA için)"),
                 {QStringLiteral("Herbir Kayıt İçin Ayrı Fiş"),
                  QStringLiteral("Herbir Ana Hesap İçin Ayrı Fiş"), QStringLiteral("Hepsi Tek Fiş")}),
        row, 0, 1, 2);
    grid->addWidget(radioBox("CSVSutunAyirRadio", QStringLiteral("CSV Dosya Sütun Ayıracı"),
                             {QStringLiteral("; (Noktalı Virgül)"), QStringLiteral(", (Virgül)")}),
                    row++, 2, 1, 2);
    grid->setRowStretch(row, 1);
    layout->addWidget(options, 3);

    auto* buttons = new QVBoxLayout;
    const std::pair<const char*, const char*> kButtons[] = {
        {"LucaTransferFisiBut", "LUCA Programı İçin Transfer CSV Fişi Oluştur"},
        {"MikroTransferFisiBut", "MİKRO Programı İçin Transfer CSV Fişi Oluştur"},
        {"NetsisTransferFisiBut", "NETSİS Programı İçin Transfer Excel Fişi Oluştur"},
        {"LogoXMLBut", "LOGO Programı İçin Transfer XML Fişi Oluştur"},
        {"SentezExcelButton", "SENTEZ, ZİRVE ve LOGO Programları İçin Transfer Excel Fişi Oluştur"}};
    for (const auto& [name, caption] : kButtons) {
        auto* b = pending(new QPushButton(QString::fromUtf8(caption), page), QString::fromLatin1(name));
        b->setMinimumHeight(34);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    layout->addLayout(buttons, 2);
    return page;
}

QWidget* buildDeletionPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    auto* box = new QGroupBox(QStringLiteral("Toplu Kayıt Silme"), page);
    auto* boxLayout = new QVBoxLayout(box);
    const std::pair<const char*, const char*> kChecks[] = {{"SabitSilCheck", "Sabit Kıymetleri Sil"},
                                                           {"StokSilCheck", "Stokları Sil"},
                                                           {"OzkaynakSilCheck", "Özkaynakları Sil"},
                                                           {"TumunuSilCheck", "Tümünü Sil"}};
    for (const auto& [name, caption] : kChecks)
        boxLayout->addWidget(
            pending(new QCheckBox(QString::fromUtf8(caption), box), QString::fromLatin1(name)));
    boxLayout->addWidget(pending(new QPushButton(QStringLiteral("Toplu Grup Kayıtları Sil"), box),
                                 QStringLiteral("KayitSilBut")),
                         0, Qt::AlignLeft);
    layout->addWidget(box, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addStretch();
    return page;
}

} // namespace velkor
