#pragma once

#include "base/FormModel.h"
#include "base/Prompt.h"
#include "base/WindowManager.h"
#include "base/ui/FormBinder.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velkor {

/// A top-level window that shows a form model: its objectName is the window class name,
/// it is shown, hidden, minimised and maximised as the window manager says, and the
/// user's closing, minimising and switching away are reported back to the manager.
/// Subclasses build their widgets named after the controls and call bindForm().
class FormWindow : public QWidget {
    Q_OBJECT

public:
    FormWindow(FormModel& model, WindowManager& windows, Prompt& prompt, QWidget* parent = nullptr);

    FormModel& model() { return m_model; }
    /// Remembers where the window is and how large (a normal window, once it was placed),
    /// for the next run; see WindowMemory.
    void rememberPlace();
    FormBinder* binder() { return m_binder; }

protected:
    /// Binds the built widgets to the model; call once the widgets exist.
    void bindForm();
    /// Runs a user action through the general error display.
    void act(const std::function<void()>& action);

    /// Widgets named after a control, captioned from the model's labels.
    QLineEdit* makeEdit(const QString& name);
    QLabel* makeLabel(const QString& name);
    /// A plain caption label (no control of the model).
    static QLabel* makeCaption(const QString& text, QWidget* parent = nullptr);
    QPushButton* makeButton(const QString& name);
    QCheckBox* makeCheck(const QString& name);

    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    /// Places the window whole on its screen before it appears (centred the first time,
    /// unless it remembers where it was in an earlier run).
    void showEvent(QShowEvent* event) override;
    /// Remembers the window's size and position for the next run.
    void hideEvent(QHideEvent* event) override;

    WindowManager& m_windows;
    Prompt& m_prompt;

private:
    void follow(bool visible);
    void applySize(WindowSize size);
    void applyStayOnTop(bool onTop);

    FormModel& m_model;
    FormBinder* m_binder = nullptr;
    bool m_applying = false;
    bool m_placed = false;
};

} // namespace velkor
