#include "referencedata/ui/TVerilerF.h"

#include "base/ui/FormBinder.h"
#include "referencedata/PublishedFiguresFormControls.h"
#include "referencedata/ReferenceDataForm.h"
#include "referencedata/ReferenceDataFormControls.h"
#include "storage/ui/DatasetGrid.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace velkor {

namespace {

QLabel* coverageLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

// A tab page with the table's coverage above its grid.
QWidget* coveredPage(const QString& coverage, QWidget* grid, QTabWidget* tabs) {
    auto* page = new QWidget(tabs);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(coverageLabel(coverage, page));
    grid->setParent(page);
    layout->addWidget(grid, 1);
    return page;
}

DatasetGrid* monthGrid(Query& query, const std::vector<GridColumn>& columns, QWidget* parent) {
    // Index values of the older tables run to seven digits and more: the columns follow
    // their values rather than a fixed width that cuts them.
    auto* grid = new DatasetGrid(query, columns, parent);
    grid->fitColumnsToContents(60);
    return grid;
}

} // namespace

TVerilerF::TVerilerF(ReferenceDataForm& data, WindowManager& windows, Prompt& prompt, QWidget* parent)
    : FormWindow(data.form(), windows, prompt, parent), m_tabs(new QTabWidget(this)) {
    m_tabs->setObjectName(ctl::referencedata::PageControl1);
    const QStringList tabCaptions = model().items(ctl::referencedata::PageControl1);

    auto* indexPage = new QWidget(m_tabs);
    auto* indexLayout = new QVBoxLayout(indexPage);
    QPushButton* rebuild = makeButton(ctl::referencedata::DuzeltmeVeritabanAktarBut);
    rebuild->setParent(indexPage);
    indexLayout->addWidget(rebuild, 0, Qt::AlignLeft);
    indexLayout->addWidget(coverageLabel(ctl::figures::YiUfeKapsamText, indexPage));
    indexLayout->addWidget(monthGrid(data.yiUfeQuery(), ReferenceDataForm::yiUfeColumns(), indexPage));
    m_tabs->addTab(indexPage, tabCaptions.value(0));

    m_tabs->addTab(coveredPage(ctl::figures::TefeKapsamText,
                               monthGrid(data.tefeQuery(), ReferenceDataForm::tefeColumns(), m_tabs), m_tabs),
                   tabCaptions.value(1));
    m_tabs->addTab(coveredPage(ctl::figures::FaizKapsamText,
                               monthGrid(data.faizQuery(), ReferenceDataForm::faizColumns(), m_tabs), m_tabs),
                   tabCaptions.value(2));

    auto* ratePage = new QWidget(m_tabs);
    auto* rateLayout = new QVBoxLayout(ratePage);
    auto* search = new QHBoxLayout;
    QLineEdit* searchText = makeEdit(ctl::referencedata::AraEdit);
    searchText->setParent(ratePage);
    searchText->setPlaceholderText(QStringLiteral("Aranacak metin"));
    QPushButton* find = makeButton(ctl::referencedata::AramaYap);
    find->setParent(ratePage);
    FormBinder::pressOnEnter(*searchText, *find);
    search->addWidget(searchText, 1);
    search->addWidget(find);
    rateLayout->addWidget(coverageLabel(ctl::figures::AmortismanKapsamText, ratePage));
    rateLayout->addLayout(search);

    auto* panel = new QGridLayout;
    QFont bold = font();
    bold.setBold(true);
    auto addValue = [&](const QString& caption, const QString& name, int column) {
        panel->addWidget(makeCaption(caption, ratePage), 0, column);
        QLabel* value = makeLabel(name);
        value->setParent(ratePage);
        value->setFont(bold);
        value->setMinimumWidth(60);
        panel->addWidget(value, 0, column + 1);
    };
    addValue(QStringLiteral("Tam Kodu"), ctl::referencedata::TumKoduText, 0);
    addValue(QStringLiteral("Tebliğ"), ctl::referencedata::TebligText, 2);
    addValue(QStringLiteral("Yıl"), ctl::referencedata::OmurYilText, 4);
    addValue(QStringLiteral("Oran"), ctl::referencedata::Oran2Text, 6);
    panel->setColumnStretch(8, 1);
    rateLayout->addLayout(panel);
    auto* memo = new QTextEdit(ratePage);
    memo->setObjectName(ctl::referencedata::AciklamaMemo);
    memo->setReadOnly(true);
    memo->setFixedHeight(72);
    rateLayout->addWidget(memo);
    m_rateGrid = new DatasetGrid(data.amortismanQuery(), ReferenceDataForm::amortismanColumns(), ratePage);
    m_rateGrid->setObjectName(ctl::referencedata::AmortismanGrid);
    for (int column = 0; column < 5; ++column)
        m_rateGrid->setColumnWidth(column, 80);
    m_rateGrid->setColumnWidth(5, 480);
    m_rateGrid->setColumnWidth(6, 70);
    m_rateGrid->setColumnWidth(7, 80);
    m_rateGrid->setWordWrap(false);
    rateLayout->addWidget(m_rateGrid, 1);
    m_tabs->addTab(ratePage, tabCaptions.value(3));

    m_tabs->addTab(new DatasetGrid(data.yiUfeYeniQuery(), ReferenceDataForm::yiUfeYeniColumns(), m_tabs),
                   tabCaptions.value(4));
    m_tabs->setTabVisible(ReferenceDataForm::YiUfeYeniTab, false);
    m_tabs->addTab(figuresPage(data.figures().form()), tabCaptions.value(ReferenceDataForm::FiguresTab));
    m_tabs->addTab(
        new DatasetGrid(data.figures().historyQuery(), PublishedFiguresForm::historyColumns(), m_tabs),
        tabCaptions.value(ReferenceDataForm::HistoryTab));

    auto* top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(makeButton(ctl::referencedata::KapatBut));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tabs, 1);
    resize(1200, 680);
    bindForm();
    // Bound on the tabs, not the window: a binder gives its root the model's caption.
    new FormBinder(data.figures().form(), *m_tabs, prompt);
}

QWidget* TVerilerF::figuresPage(FormModel& figures) {
    using namespace ctl::figures;
    auto* page = new QWidget(m_tabs);
    auto* layout = new QVBoxLayout(page);
    auto* help =
        new QLabel(QStringLiteral("Yayımlanan verileri tablonun sütunlarıyla, her satıra bir kayıt olarak "
                                  "yazın ya da yapıştırın; \"Dosyadan Oku\" aynı sütunlardaki bir CSV "
                                  "dosyasını okur. \"Kontrol Et ve Ekle\" satırları denetler, "
                                  "eklenecek ve düzeltilecek satırları gösterip onayınızı ister."),
                   page);
    help->setWordWrap(true);
    layout->addWidget(help);

    auto* kinds = new QHBoxLayout;
    kinds->addWidget(makeCaption(figures.label(VeriTuruRadio), page));
    const QStringList captions = figures.items(VeriTuruRadio);
    auto* kindTabs = new QTabWidget(page);
    kindTabs->setObjectName(VeriTuruRadio);
    kindTabs->setDocumentMode(true);
    for (const QString& caption : captions)
        kindTabs->addTab(new QWidget(kindTabs), caption);
    kindTabs->setMaximumHeight(kindTabs->tabBar()->sizeHint().height() + 4);
    kinds->addWidget(kindTabs, 1);
    layout->addLayout(kinds);

    auto* memo = new QTextEdit(page);
    memo->setObjectName(SatirlarMemo);
    memo->setAcceptRichText(false);
    memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(memo, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(makeCaption(figures.label(KaynakEdit), page));
    auto* source = new QLineEdit(page);
    source->setObjectName(KaynakEdit);
    source->setPlaceholderText(QStringLiteral("Örneğin: GİB 165 sıra no.lu sirküler eki"));
    bottom->addWidget(source, 1);
    for (const QString& name : {DosyadanOkuBut, EkleBut}) {
        auto* button = new QPushButton(figures.label(name), page);
        button->setObjectName(name);
        bottom->addWidget(button);
    }
    layout->addLayout(bottom);
    return page;
}

} // namespace velkor
