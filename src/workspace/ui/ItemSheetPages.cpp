#include "workspace/ui/ItemSheetPages.h"

#include "base/ui/FormBinder.h"
#include "base/ui/RadioGroupBox.h"
#include "engine/EquitySheet.h"
#include "engine/FixedAssetSheet.h"
#include "engine/StockSheet.h"
#include "workspace/ui/SheetWidgets.h"

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

// The financing section of the fixed-asset and stock sheets ("S" names the stock one's).
QGroupBox* financingGroup(SheetWidgets& w, const QString& s, bool unamortised) {
    FormModel& model = w.model();
    auto* box = new QGroupBox(model.label(QStringLiteral("ROFMRadio") + s));
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(4);
    auto* methods = new QHBoxLayout;
    RadioGroupBox* radio = w.radioGroup(QStringLiteral("ROFMRadio") + s);
    radio->setFlat(true);
    methods->addWidget(radio);
    auto* side = new QVBoxLayout;
    side->addWidget(w.check(QStringLiteral("FaizOcakAlCheck") + s));
    side->addWidget(w.button(QStringLiteral("ROFMHesapla") + s));
    side->addStretch();
    methods->addLayout(side);
    layout->addLayout(methods);
    QGridLayout* grid = pairGrid();
    int row = 0;
    w.addPair(grid, row, 0, QStringLiteral("ROFMBasDate") + s);
    w.addPair(grid, row++, 2, QStringLiteral("ROFMBitDate") + s);
    w.addPair(grid, row, 0, QStringLiteral("ROFMAnaparaEdit") + s);
    w.addPair(grid, row++, 2, QStringLiteral("ROFMFaizEdit") + s);
    w.addPair(grid, row, 0, QStringLiteral("ROFMEdit") + s);
    w.addPair(grid, row++, 2, QStringLiteral("ROFMDuzeltilmisEdit") + s);
    w.addPair(grid, row, 0, QStringLiteral("ROFMArtisEdit") + s);
    w.addPair(grid, row++, 2, QStringLiteral("ROFMFaizOranEdit") + s);
    w.addPair(grid, row, 0, QStringLiteral("ReelFaizEdit") + s);
    w.addPair(grid, row++, 2, QStringLiteral("ReelFaizKatsayiEdit") + s);
    w.addPair(grid, row, 0, QStringLiteral("Duz_Reel_FaizEdit") + s);
    if (unamortised) {
        const QString name = QStringLiteral("ROFM_Ayrilmamis_AmortEdit");
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
    QPushButton* print = w.button(printButton);
    w.markPending(print);
    column->addWidget(print);
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
    w.addPair(grid, row, 0, QStringLiteral("Kayit_No_Edit"));
    w.addPair(grid, row++, 2, QStringLiteral("DuzeltmeAnaHesapCombo"));
    w.addPair(grid, row, 0, QStringLiteral("KoduEdit"));
    w.addPair(grid, row++, 2, QStringLiteral("GirisTarihiDate"));
    w.addPair(grid, row++, 0, QStringLiteral("AdiEdit"), 3);
    w.addPair(grid, row, 0, QStringLiteral("KayitliTutariEdit"));
    w.addPair(grid, row++, 2, QStringLiteral("itfaTarihiDate"));
    {
        QWidget* life = w.widget(QStringLiteral("AmortSureEdit"));
        grid->addWidget(w.caption(QStringLiteral("AmortSureEdit"), life), row, 0);
        auto* lifeRow = new QHBoxLayout;
        lifeRow->addWidget(life);
        lifeRow->addWidget(new QLabel(QStringLiteral("Yıl"), page));
        lifeRow->addStretch();
        grid->addLayout(lifeRow, row, 1);
        w.addPair(grid, row++, 2, QStringLiteral("AmortOranEdit"));
    }
    w.addPair(grid, row, 0, QStringLiteral("AmortYontemCombo"));
    grid->addWidget(w.button(QStringLiteral("AmortHesaplaBut")), row++, 2, 1, 2);
    w.addPair(grid, row, 0, QStringLiteral("BirikmisAmortEdit"));
    w.addPair(grid, row++, 2, QStringLiteral("AmortHesapEdit"));
    {
        auto* mdvd = new QHBoxLayout;
        mdvd->addWidget(w.radio(QStringLiteral("MDVDYokRadio")));
        mdvd->addWidget(w.radio(QStringLiteral("MDVDVarRadio")));
        mdvd->addStretch();
        grid->addLayout(mdvd, row, 0, 1, 2);
        QWidget* combo = w.combo(QStringLiteral("MDVDCombo"), false);
        grid->addWidget(w.caption(QStringLiteral("MDVDCombo"), combo), row, 2);
        grid->addWidget(combo, row++, 3);
    }
    w.addPair(grid, row, 0, QStringLiteral("YiUfeGirisDate"));
    w.addPair(grid, row++, 2, QStringLiteral("GirisYi_UfeEdit"));
    w.addPair(grid, row, 0, QStringLiteral("HesapYi_UfeEdit"));
    w.addPair(grid, row++, 2, QStringLiteral("DuzeltKatsayiEdit"));
    w.addPair(grid, row, 0, QStringLiteral("DuzeltilmisTutarEdit"));
    w.addPair(grid, row++, 2, QStringLiteral("EnflasyonFarkEdit"));
    w.addPair(grid, row, 0, QStringLiteral("DuzeltilmisAmortismanEdit"));
    w.addPair(grid, row++, 2, QStringLiteral("AmortismanFarkEdit"));
    left->setLayout(grid);
    top->addWidget(left, 11);
    top->addWidget(financingGroup(w, QString(), true), 10);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addLayout(explanationRow(w, QStringLiteral("SBKRich"),
                                     {QStringLiteral("DuzeltBut"), QStringLiteral("KaydetButton"),
                                      QStringLiteral("YeniBut")},
                                     QStringLiteral("YazSBKBut")),
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
    w.addPair(grid, row, 0, QStringLiteral("Kayit_No_EditS"));
    w.addPair(grid, row++, 2, QStringLiteral("DuzeltmeAnaHesapComboS"));
    w.addPair(grid, row, 0, QStringLiteral("KoduEditS"));
    w.addPair(grid, row++, 2, QStringLiteral("GirisTarihiDateS"));
    w.addPair(grid, row++, 0, QStringLiteral("AdiEditS"), 3);
    w.addPair(grid, row, 0, QStringLiteral("KayitliTutariEditS"));
    w.addPair(grid, row++, 2, QStringLiteral("YiUfeGirisDateS"));
    w.addPair(grid, row, 0, QStringLiteral("GirisYi_UfeEditS"));
    w.addPair(grid, row++, 2, QStringLiteral("HesapYi_UfeEditS"));
    w.addPair(grid, row++, 0, QStringLiteral("DuzeltKatsayiEditS"));
    w.addPair(grid, row, 0, QStringLiteral("DuzeltilmisTutarEditS"));
    w.addPair(grid, row++, 2, QStringLiteral("EnflasyonFarkEditS"));
    left->setLayout(grid);
    leftColumn->addWidget(left);

    auto* methods = new QHBoxLayout;
    auto* methodBox = new QGroupBox(QStringLiteral("Hesaplama Yöntemi"), page);
    auto* methodLayout = new QVBoxLayout(methodBox);
    for (const char* name : {"GercekRadio", "BasitRadio", "DevirHiziRadio"})
        methodLayout->addWidget(w.radio(QString::fromLatin1(name)));
    methodLayout->addStretch();
    methods->addWidget(methodBox);
    QGroupBox* turnover = w.group(QStringLiteral("DevirHiziGroup"), QStringLiteral("Devir Hızı"));
    QGridLayout* turnoverGrid = pairGrid();
    w.addPair(turnoverGrid, 0, 0, QStringLiteral("DBasiStokEdit"));
    w.addPair(turnoverGrid, 0, 2, QStringLiteral("DevirHiziEdit"));
    w.addPair(turnoverGrid, 1, 0, QStringLiteral("DSonuStokEdit"));
    w.addPair(turnoverGrid, 1, 2, QStringLiteral("StoktaKalmaSureEdit"));
    w.addPair(turnoverGrid, 2, 0, QStringLiteral("DonemiciSMMEdit"));
    turnoverGrid->addWidget(w.button(QStringLiteral("JvXPButton1")), 2, 3);
    turnover->setLayout(turnoverGrid);
    methods->addWidget(turnover, 1);
    leftColumn->addLayout(methods);
    top->addLayout(leftColumn, 11);
    top->addWidget(financingGroup(w, QStringLiteral("S"), false), 10);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addLayout(explanationRow(w, QStringLiteral("DigerRich"),
                                     {QStringLiteral("DuzeltButS"), QStringLiteral("KaydetButtonS"),
                                      QStringLiteral("YeniButS")},
                                     QStringLiteral("DigerYazBut")),
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
    w.addPair(grid, row, 0, QStringLiteral("Kayit_No_EditO"));
    w.addPair(grid, row++, 2, QStringLiteral("DuzeltmeAnaHesapComboO"));
    w.addPair(grid, row, 0, QStringLiteral("KoduEditO"));
    w.addPair(grid, row++, 2, QStringLiteral("GirisTarihiDateO"));
    w.addPair(grid, row++, 0, QStringLiteral("AdiEditO"), 3);
    w.addPair(grid, row, 0, QStringLiteral("KayitliTutariEditO"));
    w.addPair(grid, row++, 2, QStringLiteral("YiUfeGirisDateO"));
    w.addPair(grid, row, 0, QStringLiteral("GirisYi_UfeEditO"));
    w.addPair(grid, row++, 2, QStringLiteral("HesapYi_UfeEditO"));
    w.addPair(grid, row++, 0, QStringLiteral("DuzeltKatsayiEditO"));
    w.addPair(grid, row, 0, QStringLiteral("DuzeltilmisTutarEditO"));
    w.addPair(grid, row++, 2, QStringLiteral("EnflasyonFarkEditO"));
    grid->setRowStretch(row, 1);
    left->setLayout(grid);
    top->addWidget(left, 11);

    auto* right = new QVBoxLayout;
    const QString capitalName = QStringLiteral("SermayeGroup");
    QGroupBox* capital = w.group(capitalName, sheet.text(capitalName));
    auto* capitalLayout = new QGridLayout(capital);
    capitalLayout->setVerticalSpacing(2);
    const QStringList kinds = EquitySheet::capitalKindRadios();
    for (int i = 0; i < kinds.size(); ++i)
        capitalLayout->addWidget(w.radio(kinds.at(i)), i % 4, i / 4);
    right->addWidget(capital);
    const QString guidanceName = QStringLiteral("SermayeAciklaGroup");
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
    layout->addLayout(explanationRow(w, QStringLiteral("OzkaynakRich"),
                                     {QStringLiteral("DuzeltButO"), QStringLiteral("KaydetButtonO"),
                                      QStringLiteral("YeniButO")},
                                     QStringLiteral("OzkaynakYazBut")),
                      1);
    return finish(page, sheet, prompt);
}

} // namespace velkor
