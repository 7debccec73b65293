#include "import/ui/TExcelVeriAktarF.h"

#include "import/ExcelImportForm.h"
#include "import/ExcelImportFormControls.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QVBoxLayout>

namespace velkor {

using namespace ctl::excelimport;

/// The grid of the import model as a table: row 0 and column 0 are the grey header
/// cells, every other cell can be edited.
class ImportGridModel : public QAbstractTableModel {
public:
    ImportGridModel(ExcelImportForm& form, QObject* parent) : QAbstractTableModel(parent), m_form(form) {
        connect(&form, &ExcelImportForm::gridChanged, this, [this] {
            beginResetModel();
            endResetModel();
        });
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : m_form.grid().rowCount();
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : m_form.grid().columnCount();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return m_form.grid().cell(index.column(), index.row());
        if (role == Qt::BackgroundRole && (index.row() == 0 || index.column() == 0))
            return QColor(Qt::lightGray);
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (index.row() > 0 && index.column() > 0)
            flags |= Qt::ItemIsEditable;
        return flags;
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (role != Qt::EditRole)
            return false;
        m_form.setGridCell(index.column(), index.row(), value.toString());
        Q_EMIT dataChanged(index, index);
        return true;
    }

private:
    ExcelImportForm& m_form;
};

TExcelVeriAktarF::TExcelVeriAktarF(ExcelImportForm& form, WindowManager& windows, Prompt& prompt,
                                   QWidget* parent)
    : FormWindow(form, windows, prompt, parent), m_gridModel(new ImportGridModel(form, this)),
      m_grid(new QTableView(this)) {
    form.setRepaint([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    form.setBusy([](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });

    auto* layout = new QVBoxLayout(this);
    QLabel* warning = makeLabel(UyariLabel);
    QFont bold = font();
    bold.setBold(true);
    warning->setFont(bold);
    warning->setStyleSheet(QStringLiteral("color: #a00000"));
    layout->addWidget(warning);
    QLabel* sheets = makeLabel(SayfaLabel);
    sheets->setStyleSheet(QStringLiteral("color: #a05000"));
    layout->addWidget(sheets);

    m_grid->setObjectName(StringGrid1);
    m_grid->setModel(m_gridModel);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    m_grid->horizontalHeader()->setDefaultSectionSize(110);
    layout->addWidget(m_grid, 1);

    auto* settings = new QHBoxLayout;
    auto* columns = new QGroupBox(QStringLiteral("Sütunlar"), this);
    auto* columnForm = new QFormLayout(columns);
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), this);
    for (const QString& name :
         {AnaHesapE, AlHesapKodE, HesapAdiEdit, GirisTarihiE, KayitliTutarE, PasifTutarE, AmortSureE,
          AmortYontemE, BirikmisAmortismanE, AmortHesapEdit, BasSatirE, BitSatirE}) {
        QLineEdit* edit = makeEdit(name);
        edit->setParent(columns);
        edit->setValidator(digits);
        edit->setMaximumWidth(80);
        columnForm->addRow(form.label(name), edit);
    }
    settings->addWidget(columns);

    auto* choices = new QGroupBox(QStringLiteral("Seçenekler"), this);
    auto* choiceLayout = new QVBoxLayout(choices);
    for (const QString& name : {ilkUcHarfCheck, AnaHesapBurdanCheck}) {
        QCheckBox* check = makeCheck(name);
        check->setParent(choices);
        choiceLayout->addWidget(check);
    }
    auto* comboRow = new QHBoxLayout;
    auto* account = new QComboBox(choices);
    account->setObjectName(SBK_Ana_Combo);
    account->setEditable(!form.isListOnly(SBK_Ana_Combo));
    comboRow->addWidget(new QLabel(form.label(SBK_Ana_Combo), choices));
    comboRow->addWidget(account);
    comboRow->addStretch(1);
    choiceLayout->addLayout(comboRow);
    for (const QString& name :
         {BorcAlacakBuCheck, SabitKiymetAktarmaCheck, StoklarAktarmaCheck, StoklarBasitOrtalamaCheck}) {
        QCheckBox* check = makeCheck(name);
        check->setParent(choices);
        choiceLayout->addWidget(check);
    }
    auto* mdvdRow = new QHBoxLayout;
    auto* mdvd = new QComboBox(choices);
    mdvd->setObjectName(MDVDCombo);
    mdvd->setEditable(!form.isListOnly(MDVDCombo));
    mdvdRow->addWidget(new QLabel(form.label(MDVDCombo), choices));
    mdvdRow->addWidget(mdvd);
    mdvdRow->addStretch(1);
    choiceLayout->addLayout(mdvdRow);
    choiceLayout->addStretch(1);
    settings->addWidget(choices, 1);

    auto* buttons = new QVBoxLayout;
    for (const QString& name : {ExcelVerialBut, KayitAktarBut, SiraNumaraBut, JvXPButton5}) {
        QPushButton* button = makeButton(name);
        button->setMinimumHeight(32);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    settings->addLayout(buttons);
    layout->addLayout(settings);

    bindForm();
    resize(1000, 720);
}

} // namespace velkor
