#include "base/ui/RadioGroupBox.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velkor {

RadioGroupBox::RadioGroupBox(const QString& title, QWidget* parent)
    : QGroupBox(title, parent), m_group(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    layout->setContentsMargins(6, title.isEmpty() ? 4 : 6, 6, 4);
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idClicked, this, &RadioGroupBox::chosen);
}

void RadioGroupBox::setItems(const QStringList& items) {
    if (items == m_items)
        return;
    for (QAbstractButton* old : m_group->buttons()) {
        m_group->removeButton(old);
        delete old;
    }
    m_items = items;
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items.at(i), this);
        radio->setObjectName(objectName() + QString::number(i));
        m_group->addButton(radio, i);
        layout()->addWidget(radio);
    }
}

int RadioGroupBox::currentIndex() const {
    return m_group->checkedId();
}

void RadioGroupBox::setCurrentIndex(int index) {
    if (QAbstractButton* radio = m_group->button(index))
        radio->setChecked(true);
}

QRadioButton* RadioGroupBox::button(int index) const {
    return qobject_cast<QRadioButton*>(m_group->button(index));
}

} // namespace velkor
