#include "workspace/ui/SheetWidgets.h"

#include "base/AmountKeyRules.h"
#include "base/ui/FormBinder.h"
#include "base/ui/RadioGroupBox.h"
#include "engine/EquitySheetControls.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheetControls.h"
#include "engine/WorkspaceStateControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

namespace velkor {

namespace {

// Codes, names and search texts read from the left; every other edit of the sheets
// holds a number.
bool holdsText(const QString& name) {
    static const QStringList texts{
        ctl::fixedasset::KoduEdit,       ctl::stock::KoduEditS,  ctl::equity::KoduEditO,
        ctl::fixedasset::AdiEdit,        ctl::stock::AdiEditS,   ctl::equity::AdiEditO,
        ctl::fixedasset::AmortHesapEdit, ctl::workspace::AraEdit};
    return texts.contains(name);
}

} // namespace

QLineEdit* SheetWidgets::edit(const QString& name) {
    auto* e = new QLineEdit(m_page);
    e->setObjectName(name);
    if (!holdsText(name))
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (m_model.isReadOnly(name)) {
        e->setFocusPolicy(Qt::ClickFocus);
        QPalette palette = e->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window).lighter(104));
        e->setPalette(palette);
    }
    if (m_model.keyRule(name) == KeyRule::Digits || name == ctl::fixedasset::AmortSureEdit)
        e->setMaximumWidth(70);
    else
        e->setMinimumWidth(holdsText(name) ? 70 : 88);
    return e;
}

QComboBox* SheetWidgets::combo(const QString& name) {
    auto* c = new QComboBox(m_page);
    c->setObjectName(name);
    c->setEditable(!m_model.isListOnly(name));
    c->setMaxVisibleItems(20);
    c->setInsertPolicy(QComboBox::NoInsert);
    return c;
}

QDateEdit* SheetWidgets::date(const QString& name) {
    auto* d = new QDateEdit(m_page);
    d->setObjectName(name);
    d->setMinimumWidth(100);
    return d;
}

QPushButton* SheetWidgets::button(const QString& name) {
    auto* b = new QPushButton(m_model.label(name), m_page);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QWidget* SheetWidgets::check(const QString& name) {
    auto* c = new QCheckBox(m_model.label(name), m_page);
    c->setObjectName(name);
    return c;
}

QWidget* SheetWidgets::radio(const QString& name) {
    auto* r = new QRadioButton(m_model.label(name), m_page);
    r->setObjectName(name);
    return r;
}

RadioGroupBox* SheetWidgets::radioGroup(const QString& name, const QString& title) {
    auto* g = new RadioGroupBox(title, m_page);
    g->setObjectName(name);
    return g;
}

QTextEdit* SheetWidgets::rich(const QString& name, const QColor& background) {
    auto* t = new QTextEdit(m_page);
    t->setObjectName(name);
    t->setReadOnly(true);
    FormBinder::showInColumns(*t);
    QPalette palette = t->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, Qt::black);
    t->setPalette(palette);
    return t;
}

QGroupBox* SheetWidgets::group(const QString& name, const QString& title) {
    auto* g = new QGroupBox(title, m_page);
    g->setObjectName(name);
    return g;
}

QWidget* SheetWidgets::widget(const QString& name) {
    switch (m_model.kind(name)) {
    case FieldKind::Edit:
        return edit(name);
    case FieldKind::Combo:
        return combo(name);
    case FieldKind::Date:
        return date(name);
    case FieldKind::Check:
        return check(name);
    case FieldKind::Radio:
        return radio(name);
    case FieldKind::RadioGroup:
        return radioGroup(name);
    case FieldKind::Button:
        return button(name);
    case FieldKind::Rich:
        return rich(name, Qt::white);
    case FieldKind::Label: {
        auto* l = new QLabel(m_page);
        l->setObjectName(name);
        return l;
    }
    }
    return nullptr;
}

QLabel* SheetWidgets::caption(const QString& name, QWidget* buddy) {
    auto* label = new QLabel(m_model.label(name), m_page);
    label->setBuddy(buddy);
    return label;
}

QWidget* SheetWidgets::addPair(QGridLayout* grid, int row, int column, const QString& name, int span) {
    QWidget* w = widget(name);
    grid->addWidget(caption(name, w), row, column);
    grid->addWidget(w, row, column + 1, 1, span);
    return w;
}

void SheetWidgets::markPending(QWidget* w) {
    w->setToolTip(kNotAvailableYet);
    // The model keeps the state of its own controls, so the binder does not enable them again.
    if (m_model.has(w->objectName()))
        m_model.setEnabled(w->objectName(), false);
    else
        w->setEnabled(false);
}

} // namespace velkor
