#include "base/ui/FormBinder.h"

#include "base/AmountKeyRules.h"
#include "base/ErrorReport.h"
#include "base/ui/RadioGroupBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

namespace velkor {

namespace {

const QString kDateFormat = QStringLiteral("dd.MM.yyyy");

// The key as the input rules see it; a null character for keys the rules leave alone
// (moving, deleting forward, shortcuts).
QChar ruleKey(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    switch (key.key()) {
    case Qt::Key_Backspace:
        return kBackspaceKey;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kEnterKey;
    default:
        break;
    }
    const QString text = key.text();
    return text.size() == 1 && text.at(0).isPrint() ? text.at(0) : QChar();
}

// An edit whose Enter presses a button rather than moving on.
const char* const kPressesOnEnter = "velkorPressesOnEnter";
// A date edit that got the focus by a click still to be released.
const char* const kFocusedByClick = "velkorFocusedByClick";

bool isEnter(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           !(key.modifiers() &
             (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier));
}

// The next field in the window's Tab order, as Tab finds it; buttons and tab bars are
// passed over, since Enter is for moving between the values typed.
QWidget* nextField(QWidget& from) {
    QWidget* top = from.window();
    for (QWidget* w = from.nextInFocusChain(); w && w != &from; w = w->nextInFocusChain()) {
        if (w->window() != top || from.isAncestorOf(w) || w->focusProxy())
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || !w->isEnabled() || !w->isVisibleTo(top))
            continue;
        if (qobject_cast<QPushButton*>(w) || qobject_cast<QTabBar*>(w))
            continue;
        return w;
    }
    return nullptr;
}

// Typed digits replace the selected section and move on to the next one by themselves;
// without a selection they would have no room in a full section and be dropped.
void selectSection(QDateEdit& date, QDateTimeEdit::Section section) {
    if (date.hasFocus() && !date.isReadOnly())
        date.setSelectedSection(section);
}

// Enter in an edit, a combo or a date moves on to the next field, as Tab does, unless
// the edit presses a button; true when the key was taken.
bool enterMovesOn(QObject* watched, const QKeyEvent& key) {
    auto* w = qobject_cast<QWidget*>(watched);
    const bool field = qobject_cast<QLineEdit*>(watched) || qobject_cast<QComboBox*>(watched) ||
                       qobject_cast<QDateEdit*>(watched);
    if (!w || !field || !isEnter(key) || w->property(kPressesOnEnter).toBool())
        return false;
    if (QWidget* next = nextField(*w))
        next->setFocus(Qt::TabFocusReason);
    return true;
}

// A click places the caret after the focus arrives; the day is selected once the click
// is released (or at once when the focus came otherwise).
void dateFocused(QDateEdit& date, Qt::FocusReason reason) {
    date.setProperty(kFocusedByClick, reason == Qt::MouseFocusReason);
    if (reason == Qt::MouseFocusReason || reason == Qt::BacktabFocusReason)
        return;
    QPointer<QDateEdit> d(&date);
    QTimer::singleShot(0, &date, [d] {
        if (d)
            selectSection(*d, QDateTimeEdit::DaySection);
    });
}

// A click in a date that has the focus selects the section under it, the click that
// gave the focus the day: typing then replaces what is selected.
void dateClicked(QDateEdit& date, const QLineEdit* text) {
    if (date.property(kFocusedByClick).toBool()) {
        date.setProperty(kFocusedByClick, false);
        selectSection(date, QDateTimeEdit::DaySection);
    } else if (text && !text->hasSelectedText()) {
        selectSection(date, date.currentSection());
    }
}

} // namespace

void FormBinder::pressOnEnter(QLineEdit& edit, QAbstractButton& button) {
    edit.setProperty(kPressesOnEnter, true);
    QObject::connect(&edit, &QLineEdit::returnPressed, &button, &QAbstractButton::click);
}

void FormBinder::showInColumns(QTextEdit& text) {
    text.setFont(fixedPitchFont());
    text.setLineWrapMode(QTextEdit::NoWrap);
    text.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

QFont FormBinder::fixedPitchFont() {
    // The explanation and journal texts are laid out in columns of characters.
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSize(9);
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return font;
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
    } else if (auto* group = qobject_cast<RadioGroupBox*>(w)) {
        connect(group, &RadioGroupBox::chosen, this,
                [=, this](int index) { act([=] { model->userSet(name, QString::number(index)); }); });
    } else if (auto* date = qobject_cast<QDateEdit*>(w)) {
        date->setDisplayFormat(kDateFormat);
        date->setCalendarPopup(true);
        // Half-typed dates (15.01.2 on the way to 15.01.2024) never reach the model.
        date->setKeyboardTracking(false);
        connect(date, &QDateEdit::dateChanged, this, [=, this](const QDate& d) {
            // A date outside the range waits for the end of the editing, which refuses it;
            // the model never holds it.
            if (model->dateRangeRefusal(name, d).isEmpty())
                act([=] { model->userSet(name, d.toString(kDateFormat)); });
        });
        connect(date, &QDateEdit::editingFinished, this,
                [=, this] { act([=, this] { finishDate(*date, name); }); });
        date->installEventFilter(this);
        if (auto* text = date->findChild<QLineEdit*>())
            text->installEventFilter(this);
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

bool FormBinder::keyPress(QLineEdit& edit, const QString& name, QKeyEvent& key) {
    const KeyRule rule = m_model.keyRule(name);
    const QChar c = ruleKey(key);
    if (rule == KeyRule::Free || c.isNull() || edit.isReadOnly())
        return false;
    QString text = edit.text();
    int caret = edit.cursorPosition();
    const bool overSelection = edit.hasSelectedText();
    if (overSelection) {
        // Typing over a selection first removes it, as in any edit.
        caret = edit.selectionStart();
        text.remove(caret, edit.selectedText().size());
        if (c == kBackspaceKey) {
            edit.setText(text);
            edit.setCursorPosition(caret);
            act([this, name, text] { m_model.userSet(name, text); });
            return true;
        }
    }
    const KeyOutcome outcome = applyKey(rule, text, caret, c);
    if (!outcome.accepted)
        return true;
    if (c == kEnterKey)
        return false;
    // Typing over a selection is an edit even when it gives the same text.
    if (outcome.text != edit.text() || overSelection) {
        edit.setText(outcome.text);
        act([this, name, t = outcome.text] { m_model.userSet(name, t); });
    }
    edit.setCursorPosition(std::min(outcome.caret, static_cast<int>(edit.text().size())));
    return true;
}

void FormBinder::finishDate(QDateEdit& date, const QString& name) {
    if (m_updating)
        return;
    const QString refusal = m_model.dateRangeRefusal(name, date.date());
    if (refusal.isEmpty())
        return;
    // The control's date is shown again before the message, so that the focus coming
    // back from the box does not refuse it a second time.
    refresh(name);
    m_prompt.showMessage(refusal, {}, PromptIcon::Warning);
    QPointer<QDateEdit> back(&date);
    QTimer::singleShot(0, this, [back] {
        if (back && back->isEnabled() && back->isVisible()) {
            back->setFocus(Qt::OtherFocusReason);
            selectSection(*back, QDateTimeEdit::DaySection);
        }
    });
}

bool FormBinder::eventFilter(QObject* watched, QEvent* event) {
    // A key press, focus change or double click that fails shows its error and leaves the
    // field as the user typed it; the error must not leave the event handler.
    bool handled = false;
    if (!m_updating)
        runGuarded(m_prompt, [&] { handled = filterEvent(watched, *event); });
    return handled || QObject::eventFilter(watched, event);
}

bool FormBinder::filterEvent(QObject* watched, QEvent& event) {
    if (event.type() == QEvent::MouseButtonRelease) {
        // The text part of a date edit, which has no control name of its own.
        if (auto* date = qobject_cast<QDateEdit*>(watched->parent()))
            dateClicked(*date, qobject_cast<QLineEdit*>(watched));
        return false;
    }
    if (event.type() == QEvent::KeyPress) {
        auto& key = static_cast<QKeyEvent&>(event);
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit && m_model.has(edit->objectName()) && keyPress(*edit, edit->objectName(), key))
            return true;
        return m_model.has(watched->objectName()) && enterMovesOn(watched, key);
    }
    const QString name = watched->objectName();
    if (!m_model.has(name))
        return false;
    if (event.type() == QEvent::FocusIn) {
        if (auto* date = qobject_cast<QDateEdit*>(watched))
            dateFocused(*date, static_cast<QFocusEvent&>(event).reason());
        // Entering an amount field shows its value for editing, without grouping.
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit && !edit->isReadOnly() && m_model.keyRule(name) == KeyRule::Amount &&
            !m_model.keepsTextOnEnter(name)) {
            const QString editing = amountTextOnEnter(m_model.text(name));
            if (editing != m_model.text(name))
                m_model.setText(name, editing);
        }
    } else if (event.type() == QEvent::FocusOut) {
        // A typed date reaches the model when its editing ends, before the leave.
        if (auto* date = qobject_cast<QDateEdit*>(watched))
            date->interpretText();
        m_model.leave(name);
    } else if (event.type() == QEvent::MouseButtonDblClick) {
        m_model.click(name);
    }
    return false;
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
    } else if (auto* group = qobject_cast<RadioGroupBox*>(w)) {
        group->setItems(m_model.items(name));
        group->setCurrentIndex(m_model.itemIndex(name));
    } else if (qobject_cast<QGroupBox*>(w)) {
        // A group shows the state of its control (shown, enabled); its title is its own.
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
        if (rich->toPlainText() != text) {
            rich->setPlainText(text);
            if (rich->isReadOnly())
                rich->moveCursor(QTextCursor::Start);
        }
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
