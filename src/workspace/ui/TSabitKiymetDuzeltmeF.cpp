#include "workspace/ui/TSabitKiymetDuzeltmeF.h"

#include "engine/EquitySheet.h"
#include "engine/FixedAssetSheet.h"
#include "engine/StockSheet.h"
#include "engine/WorkspaceStateControls.h"
#include "storage/ui/DatasetGrid.h"
#include "workspace/RecordDeletion.h"
#include "workspace/Workspace.h"
#include "workspace/ui/ItemSheetPages.h"
#include "workspace/ui/PeriodPage.h"
#include "workspace/ui/ReportPages.h"
#include "workspace/ui/SheetWidgets.h"

#include "engine/EquitySheetControls.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheetControls.h"
#include "engine/WorkspaceStateControls.h"
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace velkor {

namespace {

std::vector<GridColumn> itemListColumns() {
    return {{QStringLiteral("anahesapkodu"), QStringLiteral("Ana H.")},
            {QStringLiteral("sbk_kodu"), QStringLiteral("Alt Hesap")},
            {QStringLiteral("sbk_adi"), QStringLiteral("Adı")}};
}

} // namespace

TSabitKiymetDuzeltmeF::TSabitKiymetDuzeltmeF(Workspace& workspace, WindowManager& windows, Prompt& prompt,
                                             QWidget* parent)
    : FormWindow(workspace.state(), windows, prompt, parent), m_workspace(workspace) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(buildTopBar());

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("Splitter1"));
    m_splitter->addWidget(buildItemList());

    m_tabs = new QTabWidget(m_splitter);
    m_tabs->setObjectName(ctl::workspace::DuzeltmePage);
    const QStringList captions = model().items(ctl::workspace::DuzeltmePage);
    m_tabs->addTab(buildFixedAssetPage(workspace.fixedAssets(), prompt, m_tabs), captions.value(0));
    m_tabs->addTab(buildStockPage(workspace.stocks(), prompt, m_tabs), captions.value(1));
    m_tabs->addTab(buildEquityPage(workspace.equity(), prompt, m_tabs), captions.value(2));
    m_tabs->addTab(buildReportPage(workspace, m_tabs), captions.value(3));
    m_tabs->addTab(buildTotalsPage(workspace, m_tabs), captions.value(4));
    m_tabs->addTab(buildJournalPage(workspace, m_tabs), captions.value(5));
    m_tabs->addTab(buildVoucherPage(workspace.transfer(), prompt, m_tabs), captions.value(6));
    m_tabs->addTab(buildDeletionPage(workspace, prompt, m_tabs), captions.value(7));
    m_periodTab =
        m_tabs->addTab(buildPeriodPage(workspace, prompt, m_tabs), QStringLiteral("Dönem Düzeltmesi"));
    m_splitter->addWidget(m_tabs);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({270, 1080});
    m_splitter->setChildrenCollapsible(false);
    layout->addWidget(m_splitter, 1);

    followSavedItems();
    showChosenPeriod();
    connect(&model(), &FormModel::fieldChanged, this, [this](const QString& name) {
        if (name == ctl::workspace::DuzeltmeDonemiCombo)
            QTimer::singleShot(0, this, [this] { showChosenPeriod(); });
    });
    resize(1366, 740);
    bindForm();
}

QWidget* TSabitKiymetDuzeltmeF::buildTopBar() {
    auto* bar = new QWidget(this);
    auto* top = new QHBoxLayout(bar);
    top->setContentsMargins(0, 0, 0, 0);
    QLabel* company = makeLabel(ctl::workspace::Label4);
    company->setParent(bar);
    QFont bold = company->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    company->setFont(bold);
    company->setMinimumWidth(200);
    top->addWidget(company, 1);
    SheetWidgets w(model(), bar);
    QDateEdit* date = w.date(ctl::workspace::HesapTarihiDate);
    top->addWidget(w.caption(ctl::workspace::HesapTarihiDate, date));
    top->addWidget(date);
    top->addWidget(w.button(ctl::workspace::HesapTarihAcBut));
    top->addSpacing(12);
    QComboBox* period = w.combo(ctl::workspace::DuzeltmeDonemiCombo);
    period->setMinimumWidth(110);
    top->addWidget(w.caption(ctl::workspace::DuzeltmeDonemiCombo, period));
    top->addWidget(period);
    top->addSpacing(24);
    QPushButton* close = w.button(ctl::workspace::JvXPButton19);
    close->setMinimumWidth(100);
    top->addWidget(close);
    return bar;
}

QWidget* TSabitKiymetDuzeltmeF::buildItemList() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 4, 0);
    auto* title = new QLabel(QStringLiteral("DÜZELTME HESAPLARI"), panel);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    SheetWidgets w(model(), panel);
    layout->addWidget(w.combo(ctl::workspace::SBK_Ana_Combo));
    auto* search = new QHBoxLayout;
    QLineEdit* text = w.edit(ctl::workspace::AraEdit);
    text->setPlaceholderText(QStringLiteral("Aranacak ad"));
    QPushButton* find = w.button(ctl::workspace::AramaYap);
    FormBinder::pressOnEnter(*text, *find);
    search->addWidget(text, 1);
    search->addWidget(find);
    layout->addLayout(search);

    m_list = new DatasetGrid(m_workspace.SBKQuery(), itemListColumns(), panel);
    m_list->setObjectName(ctl::workspace::SBKListeGrid);
    styleReportGrid(*m_list);
    // Every column takes the width of its title and its longest text whenever the rows are
    // read, so that names show whole; the list scrolls sideways for a long one. (A stretched
    // last column would keep the list's width and cut the names.)
    m_list->fitColumnsToContents();
    // A title centred over a long name would sit out of sight.
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_list->verticalHeader()->hide();
    m_list->setMinimumWidth(240);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &DatasetGrid::rowActivated, this, [this] { act([this] { m_workspace.Dzelt1Click(); }); });
    connect(m_list, &QWidget::customContextMenuRequested, this, &TSabitKiymetDuzeltmeF::showListMenu);
    layout->addWidget(m_list, 1);
    return panel;
}

void TSabitKiymetDuzeltmeF::showListMenu(const QPoint& at) {
    QMenu menu(m_list);
    menu.setObjectName(QStringLiteral("PopupMenu1"));
    QAction* open = menu.addAction(QStringLiteral("Düzelt"));
    open->setObjectName(QStringLiteral("Dzelt1"));
    connect(open, &QAction::triggered, this, [this] { act([this] { m_workspace.Dzelt1Click(); }); });
    QAction* remove = menu.addAction(QStringLiteral("Kayıt Sil"));
    remove->setObjectName(QStringLiteral("KaytSil1"));
    connect(remove, &QAction::triggered, this,
            [this] { act([this] { m_workspace.deletion().KaytSil1Click(); }); });
    menu.setToolTipsVisible(true);
    menu.exec(m_list->viewport()->mapToGlobal(at));
}

void TSabitKiymetDuzeltmeF::showChosenPeriod() {
    // The base period shows the sheets of 31.12.2023 as they always were; a later period
    // shows its own tab in their place.
    const bool later = m_workspace.chosenPeriod().isValid();
    for (int tab = 0; tab < m_tabs->count(); ++tab)
        m_tabs->setTabVisible(tab, (tab == m_periodTab) == later);
    if (later)
        m_tabs->setCurrentIndex(m_periodTab);
    else if (m_tabs->currentIndex() == m_periodTab)
        m_tabs->setCurrentIndex(0);
}

void TSabitKiymetDuzeltmeF::followSavedItems() {
    // A save shows the row's id in the record-number field and then reads the list
    // again; the list then moves to that row, when its filter shows it.
    auto follow = [this](FormModel& sheet, const QString& record) {
        connect(&sheet, &FormModel::fieldChanged, this, [this, &sheet, record](const QString& name) {
            if (name != record)
                return;
            m_savedId = sheet.text(record).toLongLong();
            QTimer::singleShot(0, this, [this] { m_savedId = 0; });
        });
    };
    follow(m_workspace.fixedAssets(), ctl::fixedasset::Kayit_No_Edit);
    follow(m_workspace.stocks(), ctl::stock::Kayit_No_EditS);
    follow(m_workspace.equity(), ctl::equity::Kayit_No_EditO);
    Dataset& list = m_workspace.SBKQuery();
    connect(&list, &Dataset::rowsReset, this, [this, &list] {
        if (m_savedId <= 0)
            return;
        // Reading the list again puts the cursor back where it stood; the move to the
        // saved row follows once that is done.
        const qint64 id = m_savedId;
        QTimer::singleShot(0, this, [&list, id] {
            if (list.isOpen() && !list.isEmpty())
                list.locate(QStringLiteral("id"), id);
        });
    });
}

} // namespace velkor
