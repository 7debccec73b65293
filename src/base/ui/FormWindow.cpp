#include "base/ui/FormWindow.h"

#include "base/ErrorReport.h"
#include "base/ui/ScreenPlacement.h"
#include "base/ui/WindowMemory.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace velkor {

FormWindow::FormWindow(FormModel& model, WindowManager& windows, Prompt& prompt, QWidget* parent)
    : QWidget(parent, Qt::Window), m_windows(windows), m_prompt(prompt), m_model(model) {
    setObjectName(model.name());
    setWindowTitle(model.caption());
    connect(&windows, &WindowManager::visibilityChanged, this, [this](const QString& name, bool visible) {
        if (name == m_model.name())
            follow(visible);
    });
    connect(&windows, &WindowManager::sizeChanged, this, [this](const QString& name, WindowSize size) {
        if (name == m_model.name() && isVisible())
            applySize(size);
    });
    connect(&windows, &WindowManager::stayOnTopChanged, this, [this](const QString& name, bool onTop) {
        if (name == m_model.name())
            applyStayOnTop(onTop);
    });
}

void FormWindow::bindForm() {
    m_binder = new FormBinder(m_model, *this, m_prompt);
}

void FormWindow::act(const std::function<void()>& action) {
    runGuarded(m_prompt, action);
}

QLineEdit* FormWindow::makeEdit(const QString& name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    return edit;
}

QLabel* FormWindow::makeLabel(const QString& name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    return label;
}

QLabel* FormWindow::makeCaption(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

QPushButton* FormWindow::makeButton(const QString& name) {
    auto* button = new QPushButton(m_model.label(name), this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QCheckBox* FormWindow::makeCheck(const QString& name) {
    auto* check = new QCheckBox(m_model.label(name), this);
    check->setObjectName(name);
    return check;
}

void FormWindow::follow(bool visible) {
    if (m_applying)
        return;
    m_applying = true;
    if (visible) {
        applySize(m_windows.size(m_model.name()));
        raise();
        activateWindow();
    } else {
        hide();
    }
    m_applying = false;
}

void FormWindow::applySize(WindowSize size) {
    const bool was = m_applying;
    m_applying = true;
    switch (size) {
    case WindowSize::Minimized:
        showMinimized();
        break;
    case WindowSize::Maximized:
        showMaximized();
        break;
    case WindowSize::Normal:
        showNormal();
        break;
    }
    m_applying = was;
}

void FormWindow::applyStayOnTop(bool onTop) {
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (shown)
        show();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // Windows are never destroyed: closing one hides it through the manager, which runs
    // its hide handler.
    event->ignore();
    act([this] { m_windows.hide(m_model.name()); });
}

void FormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Left to itself, the window manager may put a window partly below the screen's
    // edge (its own placement does not know the sizes the program needs); every window
    // is placed by the program instead: centred when first shown, and later wherever the
    // user left it, as long as that is still on the screen.
    if (event->spontaneous() || isMaximized() || isMinimized() || isFullScreen())
        return;
    bool centre = !m_placed;
    if (!m_placed) {
        if (const QRect remembered = rememberedGeometry(m_model.name()); remembered.isValid()) {
            setGeometry(remembered);
            centre = false;
        }
    }
    placeOnScreen(*this, centre);
    m_placed = true;
}

void FormWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        rememberPlace();
}

void FormWindow::rememberPlace() {
    if (m_placed && !isMaximized() && !isMinimized() && !isFullScreen())
        rememberGeometry(m_model.name(), geometry());
}

void FormWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !m_applying && isVisible()) {
        const WindowSize size = isMinimized()   ? WindowSize::Minimized
                                : isMaximized() ? WindowSize::Maximized
                                                : WindowSize::Normal;
        m_applying = true;
        m_windows.setSize(m_model.name(), size);
        m_applying = false;
    } else if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible()) {
        act([this] { m_windows.deactivate(m_model.name()); });
    }
}

} // namespace velkor
