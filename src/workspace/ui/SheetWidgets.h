#pragma once

#include "base/FormModel.h"

#include <QString>

class QComboBox;
class QDateEdit;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QColor;
class QWidget;

namespace velkor {

class RadioGroupBox;

/// Builds the widgets of one sheet of the workspace from its form model: each widget is
/// named after its control (so the binder finds it) and captioned with the control's
/// label; amounts are right-aligned, dates get the ranges of the workspace, read-only
/// fields are left out of the tab order.
class SheetWidgets {
public:
    SheetWidgets(FormModel& model, QWidget* page) : m_model(model), m_page(page) {}

    FormModel& model() { return m_model; }

    QLineEdit* edit(const QString& name);
    QComboBox* combo(const QString& name);
    QDateEdit* date(const QString& name);
    QPushButton* button(const QString& name);
    QWidget* check(const QString& name);
    QWidget* radio(const QString& name);
    RadioGroupBox* radioGroup(const QString& name, const QString& title = {});
    QTextEdit* rich(const QString& name, const QColor& background);
    /// A group box standing for a control that the model shows and hides.
    QGroupBox* group(const QString& name, const QString& title);
    /// The widget of a control by its kind.
    QWidget* widget(const QString& name);

    /// The control's caption in a label that gives the focus to its widget.
    QLabel* caption(const QString& name, QWidget* buddy);
    /// Puts caption and widget into a grid row at a column pair (caption, widget spanning
    /// `span` columns); returns the widget.
    QWidget* addPair(QGridLayout* grid, int row, int column, const QString& name, int span = 1);

    /// A button whose action comes later: disabled, with a tooltip saying so.
    void markPending(QWidget* widget);

private:
    FormModel& m_model;
    QWidget* m_page;
};

/// The tooltip of a control whose function is not available yet.
inline const QString kNotAvailableYet = QStringLiteral("Bu işlev henüz kullanılamıyor.");

} // namespace velkor
