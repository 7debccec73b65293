#pragma once

#include <QRect>
#include <QString>

namespace velkor {

/// Windows remember their size and position between runs in a settings file that the
/// program names once at start. Without one (tests, the guide's pictures, a program run
/// from its build) every window is placed afresh, so that runs look alike.
void rememberWindowsIn(const QString& settingsFile);

/// The geometry a window had when it was last hidden; null when none is remembered.
QRect rememberedGeometry(const QString& windowName);
/// Remembers a window's geometry (the client area, as QWidget::geometry gives it).
void rememberGeometry(const QString& windowName, const QRect& geometry);

} // namespace velkor
