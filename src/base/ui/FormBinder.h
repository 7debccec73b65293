#pragma once

#include "base/FormModel.h"
#include "base/Prompt.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>

class QAbstractButton;
class QDateEdit;
class QKeyEvent;
class QLineEdit;
class QTextEdit;

namespace velkor {

/// Binds the widgets of a window to its form model by name: every child widget whose
/// objectName is a control name of the model shows that control (text, lines, items,
/// check state, enabled, visible, read-only) and forwards the user's acts to it —
/// typing and choosing as userSet(), pressing as click(), losing focus as leave(),
/// double clicks on edits as click(). Errors of those acts are shown by the general
/// error display. Supported widgets: QLineEdit, QLabel, QAbstractButton (push, check,
/// radio), QComboBox, QDateEdit (with a calendar pop-up; a click or the focus selects a
/// section, so that typed digits fill day, month and year in turn; a date outside the
/// control's range is refused with a message when the editing ends),
/// QTextEdit, QPlainTextEdit, QTabWidget
/// and RadioGroupBox (radio groups), QGroupBox (shown and enabled as its control) and
/// QProgressBar (0 to 100). Key presses in edits pass through the control's input rules
/// (`FormModel::keyRule`): a refused key is dropped, an accepted one sets the text the rule gives.
/// Enter in an edit, a combo or a date moves the focus to the next field, as Tab does,
/// unless the edit presses a button (`pressOnEnter`).
class FormBinder : public QObject {
    Q_OBJECT

public:
    FormBinder(FormModel& model, QWidget& root, Prompt& prompt);

    /// The widget bound to a control, or nullptr.
    QWidget* widget(const QString& name) const;

    /// The font of the explanation and journal texts: Liberation Mono, else the system's
    /// fixed-pitch font.
    static QFont fixedPitchFont();
    /// A text laid out in columns of characters (explanations, journal): the fixed-pitch
    /// font, no wrapping, both scroll bars.
    static void showInColumns(QTextEdit& text);
    /// Enter in the edit presses the button (a search, an entry) instead of moving on.
    static void pressOnEnter(QLineEdit& edit, QAbstractButton& button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bind(const QString& name, QWidget* widget);
    /// Applies the input rule of the control to a key; true when the key was handled.
    bool keyPress(QLineEdit& edit, const QString& name, QKeyEvent& key);
    /// Ends the editing of a date: a date outside the control's range is refused.
    void finishDate(QDateEdit& date, const QString& name);
    /// The work of eventFilter; may throw. True when the event was handled.
    bool filterEvent(QObject* watched, QEvent& event);
    void refresh(const QString& name);
    void act(const std::function<void()>& action);

    FormModel& m_model;
    QWidget& m_root;
    Prompt& m_prompt;
    std::map<QString, QPointer<QWidget>> m_widgets;
    bool m_updating = false;
};

} // namespace velkor
