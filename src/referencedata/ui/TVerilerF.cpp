#include "referencedata/ui/TVerilerF.h"

#include "referencedata/ReferenceDataForm.h"
#include "referencedata/ReferenceDataFormControls.h"
#include "storage/ui/DatasetGrid.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace velkor {

namespace {

DatasetGrid* monthGrid(Query& query, const std::vector<GridColumn>& columns, QWidget* parent) {
    auto* grid = new DatasetGrid(query, columns, parent);
    grid->setColumnWidth(0, 60);
    for (int column = 1; column < static_cast<int>(columns.size()); ++column)
        grid->setColumnWidth(column, 82);
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
    indexLayout->addWidget(monthGrid(data.yiUfeQuery(), ReferenceDataForm::yiUfeColumns(), indexPage));
    m_tabs->addTab(indexPage, tabCaptions.value(0));

    m_tabs->addTab(monthGrid(data.tefeQuery(), ReferenceDataForm::tefeColumns(), m_tabs),
                   tabCaptions.value(1));
    m_tabs->addTab(monthGrid(data.faizQuery(), ReferenceDataForm::faizColumns(), m_tabs),
                   tabCaptions.value(2));

    auto* ratePage = new QWidget(m_tabs);
    auto* rateLayout = new QVBoxLayout(ratePage);
    auto* search = new QHBoxLayout;
    QLineEdit* searchText = makeEdit(ctl::referencedata::AraEdit);
    searchText->setParent(ratePage);
    searchText->setPlaceholderText(QStringLiteral("Aranacak metin"));
    QPushButton* find = makeButton(ctl::referencedata::AramaYap);
    find->setParent(ratePage);
    connect(searchText, &QLineEdit::returnPressed, find, &QPushButton::click);
    search->addWidget(searchText, 1);
    search->addWidget(find);
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

    auto* top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(makeButton(ctl::referencedata::KapatBut));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tabs, 1);
    resize(1200, 680);
    bindForm();
}

} // namespace velkor
