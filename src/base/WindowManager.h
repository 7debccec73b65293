#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <map>

namespace velkor {

/// How a window sits on the screen when it is visible.
enum class WindowSize { Normal, Minimized, Maximized };

/// Which windows are visible and how, by window class name. The windows exist for the
/// whole run and are only shown and hidden; the hide handler of a window (its FormHide)
/// runs every time it goes from visible to hidden, whoever hides it. The widgets follow
/// this state and report the user's own closing, minimising and switching.
class WindowManager : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<void()>;

    explicit WindowManager(QObject* parent = nullptr);

    /// Declares a window; the order of declaration is the order of windows().
    void addWindow(const QString& name);
    const QStringList& windows() const { return m_order; }

    bool isVisible(const QString& name) const;
    WindowSize size(const QString& name) const;
    bool isMinimized(const QString& name) const { return size(name) == WindowSize::Minimized; }
    /// Records a change of size (the user minimising or maximising).
    void setSize(const QString& name, WindowSize size);

    /// Shows the window (a no-op when visible).
    void show(const QString& name);
    /// Hides the window and runs its hide handler (a no-op when hidden).
    void hide(const QString& name);
    /// Shows the window restored to normal size if it was minimised.
    void showRestored(const QString& name);
    /// Shows the window maximised if it was minimised.
    void showMaximizedIfMinimized(const QString& name);

    /// Keeps the window above the others, or returns it to the normal style.
    void setStayOnTop(const QString& name, bool onTop);
    bool isStayOnTop(const QString& name) const;

    /// The user activated another window while this one was active.
    void deactivate(const QString& name);

    void onHide(const QString& name, Handler handler);
    void onDeactivate(const QString& name, Handler handler);

    /// The visible windows in declaration order.
    QStringList visibleWindows() const;

Q_SIGNALS:
    void visibilityChanged(const QString& name, bool visible);
    void sizeChanged(const QString& name, WindowSize size);
    void stayOnTopChanged(const QString& name, bool onTop);

private:
    struct Window {
        bool visible = false;
        bool stayOnTop = false;
        WindowSize size = WindowSize::Normal;
        Handler hideHandler;
        Handler deactivateHandler;
    };
    Window& window(const QString& name);
    const Window& window(const QString& name) const;

    std::map<QString, Window> m_windows;
    QStringList m_order;
};

} // namespace velkor
