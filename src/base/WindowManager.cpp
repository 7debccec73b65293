#include "base/WindowManager.h"

#include <stdexcept>

namespace velkor {

WindowManager::WindowManager(QObject* parent) : QObject(parent) {}

void WindowManager::addWindow(const QString& name) {
    if (m_windows.count(name) != 0)
        throw std::logic_error("duplicate window " + name.toStdString());
    m_windows[name];
    m_order << name;
}

WindowManager::Window& WindowManager::window(const QString& name) {
    auto it = m_windows.find(name);
    if (it == m_windows.end())
        throw std::invalid_argument("unknown window " + name.toStdString());
    return it->second;
}

const WindowManager::Window& WindowManager::window(const QString& name) const {
    return const_cast<WindowManager*>(this)->window(name);
}

bool WindowManager::isVisible(const QString& name) const {
    return window(name).visible;
}

WindowSize WindowManager::size(const QString& name) const {
    return window(name).size;
}

void WindowManager::setSize(const QString& name, WindowSize size) {
    Window& w = window(name);
    if (w.size == size)
        return;
    w.size = size;
    Q_EMIT sizeChanged(name, size);
}

void WindowManager::show(const QString& name) {
    Window& w = window(name);
    if (w.visible)
        return;
    w.visible = true;
    Q_EMIT visibilityChanged(name, true);
}

void WindowManager::hide(const QString& name) {
    Window& w = window(name);
    if (!w.visible)
        return;
    w.visible = false;
    Q_EMIT visibilityChanged(name, false);
    if (w.hideHandler)
        w.hideHandler();
}

void WindowManager::showRestored(const QString& name) {
    if (isMinimized(name))
        setSize(name, WindowSize::Normal);
    show(name);
}

void WindowManager::showMaximizedIfMinimized(const QString& name) {
    if (isMinimized(name))
        setSize(name, WindowSize::Maximized);
    show(name);
}

void WindowManager::setStayOnTop(const QString& name, bool onTop) {
    Window& w = window(name);
    if (w.stayOnTop == onTop)
        return;
    w.stayOnTop = onTop;
    Q_EMIT stayOnTopChanged(name, onTop);
}

bool WindowManager::isStayOnTop(const QString& name) const {
    return window(name).stayOnTop;
}

void WindowManager::deactivate(const QString& name) {
    if (const Handler& h = window(name).deactivateHandler)
        h();
}

void WindowManager::onHide(const QString& name, Handler handler) {
    window(name).hideHandler = std::move(handler);
}

void WindowManager::onDeactivate(const QString& name, Handler handler) {
    window(name).deactivateHandler = std::move(handler);
}

QStringList WindowManager::visibleWindows() const {
    QStringList result;
    for (const QString& name : m_order)
        if (m_windows.at(name).visible)
            result << name;
    return result;
}

} // namespace velkor
