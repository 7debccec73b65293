#include "base/ui/FormBinder.h"

#include "base/ErrorReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>

namespace velkor {

namespace {
const QString kDateFormat = QStringLiteral("dd.MM.yyyy");
}

FormBinder::FormBinder(FormModel& model, QWidget& root, Prompt& prompt)
    : QObject(&root), m_model(model), m_root(root), m_prompt(prompt) {
    for (const QString& name : model.fieldNames()) {
        if (auto* w = root.findChild<QWidget*>(name))
            bind(name, w);
    }
    connect(&model, &FormModel::fieldChanged, this, &FormBinder::refresh);
    connect(&model, &FormModel::captionChanged, &root, &QWidget::setWindowTitle);
    root.setWindowTitle(model.caption());
}

QWidget* FormBinder::widget(const QString& name) const {
    auto it = m_widgets.find(name);
    return it == m_widgets.end() ? nullptr : it->second.data();
}

void FormBinder::act(const std::function<void()>& action) {
    if (m_updating)
        return;
    runGuarded(m_prompt, action);
}

void FormBinder::bind(const QString& name, QWidget* w) {
    m_widgets[name] = w;
    FormModel* model = &m_model;
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        connect(edit, &QLineEdit::textEdited, this,
                [=, this](const QString& text) { act([=] { model->userSet(name, text); }); });
        edit->installEventFilter(this);
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        connect(check, &QCheckBox::clicked, this, [=, this](bool on) {
            act([=] { model->userSet(name, on ? QStringLiteral("1") : QStringLiteral("0")); });
        });
    } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        connect(radio, &QRadioButton::clicked, this, [=, this](bool on) {
            act([=] { model->userSet(name, on ? QStringLiteral("1") : QStringLiteral("0")); });
        });
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        connect(button, &QAbstractButton::clicked, this, [=, this] { act([=] { model->click(name); }); });
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        connect(combo, &QComboBox::textActivated, this,
                [=, this](const QString& text) { act([=] { model->userSet(name, text); }); });
        if (combo->isEditable() && combo->lineEdit()) {
            connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                    [=, this](const QString& text) { act([=] { model->userSet(name, text); }); });
        }
        combo->installEventFilter(this);
    } else if (auto* date = qobject_cast<QDateEdit*>(w)) {
        date->setDisplayFormat(kDateFormat);
        connect(date, &QDateEdit::dateChanged, this,
                [=, this](const QDate& d) { act([=] { model->userSet(name, d.toString(kDateFormat)); }); });
        date->installEventFilter(this);
    } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        connect(tabs, &QTabWidget::currentChanged, this,
                [=, this](int index) { act([=] { model->userSet(name, QString::number(index)); }); });
    } else if (auto* text = qobject_cast<QTextEdit*>(w)) {
        connect(text, &QTextEdit::textChanged, this, [=, this] {
            if (!text->isReadOnly())
                act([=] { model->userSet(name, text->toPlainText()); });
        });
        text->installEventFilter(this);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        plain->installEventFilter(this);
    }
    refresh(name);
}

bool FormBinder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut || event->type() == QEvent::MouseButtonDblClick) {
        const QString name = watched->objectName();
        if (m_model.has(name)) {
            if (event->type() == QEvent::FocusOut)
                act([this, name] { m_model.leave(name); });
            else
                act([this, name] { m_model.click(name); });
        }
    }
    return QObject::eventFilter(watched, event);
}

void FormBinder::refresh(const QString& name) {
    QWidget* w = widget(name);
    if (!w)
        return;
    const bool wasUpdating = m_updating;
    m_updating = true;
    const QString text = m_model.text(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != text)
            edit->setText(text);
        edit->setReadOnly(m_model.isReadOnly(name));
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(text);
    } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        auto* button = static_cast<QAbstractButton*>(w);
        button->setChecked(m_model.isChecked(name));
        if (!m_model.label(name).isEmpty())
            button->setText(m_model.label(name));
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (!text.isEmpty())
            button->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const QStringList items = m_model.items(name);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        if (shown != items) {
            combo->clear();
            combo->addItems(items);
        }
        if (combo->isEditable()) {
            if (combo->currentText() != text)
                combo->setEditText(text);
        } else {
            combo->setCurrentIndex(items.indexOf(text));
        }
    } else if (auto* date = qobject_cast<QDateEdit*>(w)) {
        const QDate d = QDate::fromString(text, kDateFormat);
        if (d.isValid() && date->date() != d)
            date->setDate(d);
        date->setReadOnly(m_model.isReadOnly(name));
    } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        const int index = m_model.itemIndex(name);
        if (index >= 0 && index < tabs->count())
            tabs->setCurrentIndex(index);
    } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
        if (rich->toPlainText() != text)
            rich->setPlainText(text);
        if (m_model.isReadOnly(name))
            rich->setReadOnly(true);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        if (plain->toPlainText() != text)
            plain->setPlainText(text);
    } else if (auto* bar = qobject_cast<QProgressBar*>(w)) {
        bar->setValue(text.toInt());
    }
    w->setEnabled(m_model.isEnabled(name));
    if (!m_model.isVisible(name))
        w->setVisible(false);
    else if (w->parentWidget() && !w->isVisibleTo(w->parentWidget()))
        w->setVisible(true);
    m_updating = wasUpdating;
}

} // namespace velkor
