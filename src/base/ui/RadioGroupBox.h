#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace velkor {

/// A radio group: one radio button per item, stacked, exactly one chosen. The binder
/// shows a radio-group control of a form model in it (the chosen index as the text).
class RadioGroupBox : public QGroupBox {
    Q_OBJECT

public:
    explicit RadioGroupBox(const QString& title = {}, QWidget* parent = nullptr);

    /// Replaces the buttons by one per item (nothing chosen until setCurrentIndex()).
    void setItems(const QStringList& items);
    QStringList items() const { return m_items; }
    /// The chosen item, -1 when none.
    int currentIndex() const;
    /// Chooses an item without reporting it as the user's choice.
    void setCurrentIndex(int index);
    /// The button of an item, or nullptr.
    QRadioButton* button(int index) const;

Q_SIGNALS:
    /// The user chose an item.
    void chosen(int index);

private:
    QButtonGroup* m_group;
    QStringList m_items;
};

} // namespace velkor
