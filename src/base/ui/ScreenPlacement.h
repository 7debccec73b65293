#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace velkor {

/// A window's frame moved (and, when larger, shrunk) so that all of it lies inside `available`.
QRect fitFrameInto(const QRect& frame, const QRect& available);

/// The frame the window manager draws round a window; an estimate for a window it has
/// not framed yet, so that a window placed before its first showing keeps its title bar.
QMargins windowFrameMargins(const QWidget& window);

/// The width a window needs for its caption to show whole in the title bar, with room
/// for the title bar's icon and buttons.
int captionWidth(const QWidget& window);

/// Shows a top-level window whole on its screen's free area (without panels): wide enough
/// for its caption where the screen allows, no larger than the area, moved inside it;
/// `centre` puts it in the middle of the area first.
void placeOnScreen(QWidget& window, bool centre);

} // namespace velkor
