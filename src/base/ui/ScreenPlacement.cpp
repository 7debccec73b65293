#include "base/ui/ScreenPlacement.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace velkor {

namespace {

// Window managers draw title bars of about this height and borders of this width; the
// real margins are known only once a window has been framed.
constexpr int kTitleBarEstimate = 32;
constexpr int kBorderEstimate = 4;
// The title bar's icon and its minimise, maximise and close buttons.
constexpr int kTitleBarButtons = 140;

QRect availableArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

QRect fitFrameInto(const QRect& frame, const QRect& available) {
    if (!available.isValid())
        return frame;
    QRect fitted(frame.topLeft(), QSize(std::min(frame.width(), available.width()),
                                        std::min(frame.height(), available.height())));
    fitted.moveLeft(std::clamp(fitted.left(), available.left(), available.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), available.top(), available.bottom() - fitted.height() + 1));
    return fitted;
}

QMargins windowFrameMargins(const QWidget& window) {
    if (window.windowFlags().testFlag(Qt::FramelessWindowHint))
        return {};
    if (const QWindow* handle = window.windowHandle(); handle && window.isVisible()) {
        const QMargins real = handle->frameMargins();
        if (!real.isNull())
            return real;
    }
    return {kBorderEstimate, kTitleBarEstimate, kBorderEstimate, kBorderEstimate};
}

int captionWidth(const QWidget& window) {
    if (window.windowTitle().isEmpty() || window.windowFlags().testFlag(Qt::FramelessWindowHint))
        return 0;
    // Title bars draw the caption in bold, usually in the program's own font size.
    QFont bold = QApplication::font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(window.windowTitle()) + kTitleBarButtons;
}

void placeOnScreen(QWidget& window, bool centre) {
    const QRect available = availableArea(window);
    if (!available.isValid())
        return;
    const QMargins margins = windowFrameMargins(window);
    const int roomWidth = available.width() - margins.left() - margins.right();
    const int roomHeight = available.height() - margins.top() - margins.bottom();

    QSize size = window.size();
    if (window.minimumWidth() != window.maximumWidth())
        size.setWidth(std::max(size.width(), std::min(captionWidth(window), roomWidth)));
    size = size.boundedTo(QSize(roomWidth, roomHeight)).expandedTo(window.minimumSize());
    if (size != window.size())
        window.resize(size);

    // The frame's top left corner as far as Qt knows the frame: before the window manager
    // has framed a window, Qt takes the frame to be the window itself.
    const QPoint knownOffset = window.geometry().topLeft() - window.frameGeometry().topLeft();
    QRect frame(window.geometry().topLeft() - QPoint(margins.left(), margins.top()), size.grownBy(margins));
    if (centre)
        frame.moveCenter(available.center());
    const QRect fitted = fitFrameInto(frame, available);
    // move() places the frame Qt knows of; the window itself goes inside the margins.
    const QPoint target = fitted.topLeft() + QPoint(margins.left(), margins.top()) - knownOffset;
    if (target != window.pos() || centre)
        window.move(target);
}

} // namespace velkor
