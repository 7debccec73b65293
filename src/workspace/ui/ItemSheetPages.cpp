#include "workspace/ui/ItemSheetPages.h"

#include "base/ui/FormBinder.h"
#include "base/ui/RadioGroupBox.h"
#include "engine/EquitySheet.h"
#include "engine/FinancingCost.h"
#include "engine/FixedAssetSheet.h"
#include "engine/StockSheet.h"
#include "workspace/ui/SheetWidgets.h"

#include "engine/EquitySheetControls.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheetControls.h"
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace velkor {

namespace {

const QColor kExplanationBackground(240, 251, 255);

QGridLayout* pairGrid() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return grid;
}

// The financing section of the fixed-asset and stock sheets.
QGroupBox* financingGroup(SheetWidgets& w, const FinancingFields& f, const QString& computeButton,
                          bool unamortised) {
    FormModel& model = w.model();
    auto* box = new QGroupBox(model.label(f.method));
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(4);
    auto* methods = new QHBoxLayout;
    RadioGroupBox* radio = w.radioGroup(f.method);
    radio->setFlat(true);
    methods->addWidget(radio);
    auto* side = new QVBoxLayout;
    side->addWidget(w.check(f.january));
    side->addWidget(w.button(computeButton));
    side->addStretch();
    methods->addLayout(side);
    layout->addLayout(methods);
    QGridLayout* grid = pairGrid();
    int row = 0;
    w.addPair(grid, row, 0, f.start);
    w.addPair(grid, row++, 2, f.end);
    w.addPair(grid, row, 0, f.principal);
    w.addPair(grid, row++, 2, f.interest);
    w.addPair(grid, row, 0, f.amount);
    w.addPair(grid, row++, 2, f.netValue);
    w.addPair(grid, row, 0, f.increase);
    w.addPair(grid, row++, 2, f.rate);
    w.addPair(grid, row, 0, f.realInterest);
    w.addPair(grid, row++, 2, f.realCoefficient);
    w.addPair(grid, row, 0, f.adjustedReal);
    if (unamortised) {
        const QString name = ctl::fixedasset::ROFM_Ayrilmamis_AmortEdit;
        QWidget* edit = w.widget(name);
        QLabel* caption = w.caption(name, edit);
        caption->setText(QStringLiteral("ROFM'dan Ayrılmamış\nAmortisman"));
        grid->addWidget(caption, row, 2);
        grid->addWidget(edit, row, 3);
    }
    layout->addLayout(grid);
    layout->addStretch();
    return box;
}

// The explanation text with the sheet's buttons beside it.
QHBoxLayout* explanationRow(SheetWidgets& w, const QString& rich, const QStringList& buttons,
                            const QString& printButton) {
    auto* row = new QHBoxLayout;
    QTextEdit* text = w.rich(rich, kExplanationBackground);
    text->setMinimumHeight(150);
    row->addWidget(text, 1);
    auto* column = new QVBoxLayout;
    for (const QString& name : buttons) {
        QPushButton* b = w.button(name);
        b->setMinimumWidth(110);
        column->addWidget(b);
    }
    column->addWidget(w.button(printButton));
    column->addStretch();
    row->addLayout(column);
    return row;
}

QWidget* finish(QWidget* page, FormModel& sheet, Prompt& prompt) {
    new FormBinder(sheet, *page, prompt);
    return page;
}

} // namespace

QWidget* buildFixedAssetPage(FixedAssetSheet& sheet, Prompt& prompt, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("SabitKiymetlerPage"));
    SheetWidgets w(sheet, page);
    auto* top = new QHBoxLayout;
    auto* left = new QGroupBox(QStringLiteral("Sabit Kıymet"), page);
    QGridLayout* grid = pairGrid();
    int row = 0;
    w.addPair(grid, row, 0, ctl::fixedasset::Kayit_No_Edit);
    w.addPair(grid, row++, 2, ctl::fixedasset::DuzeltmeAnaHesapCombo);
    w.addPair(grid, row, 0, ctl::fixedasset::KoduEdit);
    w.addPair(grid, row++, 2, ctl::fixedasset::GirisTarihiDate);
    w.addPair(grid, row++, 0, ctl::fixedasset::AdiEdit, 3);
    w.addPair(grid, row, 0, ctl::fixedasset::KayitliTutariEdit);
    w.addPair(grid, row++, 2, ctl::fixedasset::itfaTarihiDate);
    {
        QWidget* life = w.widget(ctl::fixedasset::AmortSureEdit);
        grid->addWidget(w.caption(ctl::fixedasset::AmortSureEdit, life), row, 0);
        auto* lifeRow = new QHBoxLayout;
        lifeRow->addWidget(life);
        lifeRow->addWidget(new QLabel(QStringLiteral("Yıl"), page));
        lifeRow->addStretch();
        grid->addLayout(lifeRow, row, 1);
        w.addPair(grid, row++, 2, ctl::fixedasset::AmortOranEdit);
    }
    w.addPair(grid, row, 0, ctl::fixedasset::AmortYontemCombo);
    grid->addWidget(w.button(ctl::fixedasset::AmortHesaplaBut), row++, 2, 1, 2);
    w.addPair(grid, row, 0, ctl::fixedasset::BirikmisAmortEdit);
    w.addPair(grid, row++, 2, ctl::fixedasset::AmortHesapEdit);
    {
        auto* mdvd = new QHBoxLayout;
        mdvd->addWidget(w.radio(ctl::fixedasset::MDVDYokRadio));
        mdvd->addWidget(w.radio(ctl::fixedasset::MDVDVarRadio));
        mdvd->addStretch();
        grid->addLayout(mdvd, row, 0, 1, 2);
        QWidget* combo = w.combo(ctl::fixedasset::MDVDCombo);
        grid->addWidget(w.caption(ctl::fixedasset::MDVDCombo, combo), row, 2);
        grid->addWidget(combo, row++, 3);
    }
    w.addPair(grid, row, 0, ctl::fixedasset::YiUfeGirisDate);
    w.addPair(grid, row++, 2, ctl::fixedasset::GirisYi_UfeEdit);
    w.addPair(grid, row, 0, ctl::fixedasset::HesapYi_UfeEdit);
    w.addPair(grid, row++, 2, ctl::fixedasset::DuzeltKatsayiEdit);
    w.addPair(grid, row, 0, ctl::fixedasset::DuzeltilmisTutarEdit);
    w.addPair(grid, row++, 2, ctl::fixedasset::EnflasyonFarkEdit);
    w.addPair(grid, row, 0, ctl::fixedasset::DuzeltilmisAmortismanEdit);
    w.addPair(grid, row++, 2, ctl::fixedasset::AmortismanFarkEdit);
    left->setLayout(grid);
    top->addWidget(left, 11);
    top->addWidget(financingGroup(w, kFixedAssetFinancing, ctl::fixedasset::ROFMHesapla, true), 10);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addLayout(
        explanationRow(w, ctl::fixedasset::SBKRich,
                       {ctl::fixedasset::DuzeltBut, ctl::fixedasset::KaydetButton, ctl::fixedasset::YeniBut},
                       ctl::fixedasset::YazSBKBut),
        1);
    return finish(page, sheet, prompt);
}

QWidget* buildStockPage(StockSheet& sheet, Prompt& prompt, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("StokPage"));
    SheetWidgets w(sheet, page);
    auto* top = new QHBoxLayout;
    auto* leftColumn = new QVBoxLayout;
    auto* left = new QGroupBox(QStringLiteral("Stok ve Diğer Kalemler"), page);
    QGridLayout* grid = pairGrid();
    int row = 0;
    w.addPair(grid, row, 0, ctl::stock::Kayit_No_EditS);
    w.addPair(grid, row++, 2, ctl::stock::DuzeltmeAnaHesapComboS);
    w.addPair(grid, row, 0, ctl::stock::KoduEditS);
    w.addPair(grid, row++, 2, ctl::stock::GirisTarihiDateS);
    w.addPair(grid, row++, 0, ctl::stock::AdiEditS, 3);
    w.addPair(grid, row, 0, ctl::stock::KayitliTutariEditS);
    w.addPair(grid, row++, 2, ctl::stock::YiUfeGirisDateS);
    w.addPair(grid, row, 0, ctl::stock::GirisYi_UfeEditS);
    w.addPair(grid, row++, 2, ctl::stock::HesapYi_UfeEditS);
    w.addPair(grid, row++, 0, ctl::stock::DuzeltKatsayiEditS);
    w.addPair(grid, row, 0, ctl::stock::DuzeltilmisTutarEditS);
    w.addPair(grid, row++, 2, ctl::stock::EnflasyonFarkEditS);
    left->setLayout(grid);
    leftColumn->addWidget(left);

    auto* methods = new QHBoxLayout;
    auto* methodBox = new QGroupBox(QStringLiteral("Hesaplama Yöntemi"), page);
    auto* methodLayout = new QVBoxLayout(methodBox);
    for (const QString& name : {ctl::stock::GercekRadio, ctl::stock::BasitRadio, ctl::stock::DevirHiziRadio})
        methodLayout->addWidget(w.radio(name));
    methodLayout->addStretch();
    methods->addWidget(methodBox);
    QGroupBox* turnover = w.group(ctl::stock::DevirHiziGroup, QStringLiteral("Devir Hızı"));
    QGridLayout* turnoverGrid = pairGrid();
    w.addPair(turnoverGrid, 0, 0, ctl::stock::DBasiStokEdit);
    w.addPair(turnoverGrid, 0, 2, ctl::stock::DevirHiziEdit);
    w.addPair(turnoverGrid, 1, 0, ctl::stock::DSonuStokEdit);
    w.addPair(turnoverGrid, 1, 2, ctl::stock::StoktaKalmaSureEdit);
    w.addPair(turnoverGrid, 2, 0, ctl::stock::DonemiciSMMEdit);
    turnoverGrid->addWidget(w.button(ctl::stock::JvXPButton1), 2, 3);
    turnover->setLayout(turnoverGrid);
    methods->addWidget(turnover, 1);
    leftColumn->addLayout(methods);
    top->addLayout(leftColumn, 11);
    top->addWidget(financingGroup(w, kStockFinancing, ctl::stock::ROFMHesaplaS, false), 10);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addLayout(
        explanationRow(w, ctl::stock::DigerRich,
                       {ctl::stock::DuzeltButS, ctl::stock::KaydetButtonS, ctl::stock::YeniButS},
                       ctl::stock::DigerYazBut),
        1);
    return finish(page, sheet, prompt);
}

QWidget* buildEquityPage(EquitySheet& sheet, Prompt& prompt, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("OzkaynakPage"));
    SheetWidgets w(sheet, page);
    auto* top = new QHBoxLayout;
    auto* left = new QGroupBox(QStringLiteral("Özkaynak Kalemi"), page);
    QGridLayout* grid = pairGrid();
    int row = 0;
    w.addPair(grid, row, 0, ctl::equity::Kayit_No_EditO);
    w.addPair(grid, row++, 2, ctl::equity::DuzeltmeAnaHesapComboO);
    w.addPair(grid, row, 0, ctl::equity::KoduEditO);
    w.addPair(grid, row++, 2, ctl::equity::GirisTarihiDateO);
    w.addPair(grid, row++, 0, ctl::equity::AdiEditO, 3);
    w.addPair(grid, row, 0, ctl::equity::KayitliTutariEditO);
    w.addPair(grid, row++, 2, ctl::equity::YiUfeGirisDateO);
    w.addPair(grid, row, 0, ctl::equity::GirisYi_UfeEditO);
    w.addPair(grid, row++, 2, ctl::equity::HesapYi_UfeEditO);
    w.addPair(grid, row++, 0, ctl::equity::DuzeltKatsayiEditO);
    w.addPair(grid, row, 0, ctl::equity::DuzeltilmisTutarEditO);
    w.addPair(grid, row++, 2, ctl::equity::EnflasyonFarkEditO);
    grid->setRowStretch(row, 1);
    left->setLayout(grid);
    top->addWidget(left, 11);

    auto* right = new QVBoxLayout;
    const QString capitalName = ctl::equity::SermayeGroup;
    QGroupBox* capital = w.group(capitalName, sheet.text(capitalName));
    auto* capitalLayout = new QGridLayout(capital);
    capitalLayout->setVerticalSpacing(2);
    const QStringList kinds = EquitySheet::capitalKindRadios();
    for (int i = 0; i < kinds.size(); ++i)
        capitalLayout->addWidget(w.radio(kinds.at(i)), i % 4, i / 4);
    right->addWidget(capital);
    const QString guidanceName = ctl::equity::SermayeAciklaGroup;
    QGroupBox* guidance = w.group(guidanceName, QString());
    auto* guidanceLayout = new QVBoxLayout(guidance);
    auto* guidanceText = new QLabel(sheet.text(guidanceName), guidance);
    guidanceText->setWordWrap(true);
    guidanceLayout->addWidget(guidanceText);
    right->addWidget(guidance);
    right->addStretch();
    top->addLayout(right, 10);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addLayout(
        explanationRow(w, ctl::equity::OzkaynakRich,
                       {ctl::equity::DuzeltButO, ctl::equity::KaydetButtonO, ctl::equity::YeniButO},
                       ctl::equity::OzkaynakYazBut),
        1);
    return finish(page, sheet, prompt);
}

} // namespace velkor
