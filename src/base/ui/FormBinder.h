#pragma once

#include "base/FormModel.h"
#include "base/Prompt.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>

namespace velkor {

/// Binds the widgets of a window to its form model by name: every child widget whose
/// objectName is a control name of the model shows that control (text, lines, items,
/// check state, enabled, visible, read-only) and forwards the user's acts to it —
/// typing and choosing as userSet(), pressing as click(), losing focus as leave(),
/// double clicks on edits as click(). Errors of those acts are shown by the general
/// error display. Supported widgets: QLineEdit, QLabel, QAbstractButton (push, check,
/// radio), QComboBox, QDateEdit, QTextEdit, QPlainTextEdit, QTabWidget (radio groups)
/// and QProgressBar (0 to 100).
class FormBinder : public QObject {
    Q_OBJECT

public:
    FormBinder(FormModel& model, QWidget& root, Prompt& prompt);

    /// The widget bound to a control, or nullptr.
    QWidget* widget(const QString& name) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bind(const QString& name, QWidget* widget);
    void refresh(const QString& name);
    void act(const std::function<void()>& action);

    FormModel& m_model;
    QWidget& m_root;
    Prompt& m_prompt;
    std::map<QString, QPointer<QWidget>> m_widgets;
    bool m_updating = false;
};

} // namespace velkor
