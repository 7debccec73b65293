#include "base/ui/WindowMemory.h"

#include <QSettings>

namespace velkor {

namespace {

QString& settingsFile() {
    static QString file;
    return file;
}

QString keyOf(const QString& windowName) {
    return QStringLiteral("Pencereler/") + windowName;
}

} // namespace

void rememberWindowsIn(const QString& file) {
    settingsFile() = file;
}

QRect rememberedGeometry(const QString& windowName) {
    if (settingsFile().isEmpty())
        return {};
    return QSettings(settingsFile(), QSettings::IniFormat).value(keyOf(windowName)).toRect();
}

void rememberGeometry(const QString& windowName, const QRect& geometry) {
    if (settingsFile().isEmpty() || !geometry.isValid())
        return;
    QSettings(settingsFile(), QSettings::IniFormat).setValue(keyOf(windowName), geometry);
}

} // namespace velkor
