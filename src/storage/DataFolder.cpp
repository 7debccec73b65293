#include "storage/DataFolder.h"

#include "storage/DatabaseError.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace velkor {

namespace {

const QString kFolderKey = QStringLiteral("Kurulum/VeriKlasoru");

QString underStandard(QStandardPaths::StandardLocation location, const QString& name) {
    return QDir::cleanPath(QStandardPaths::writableLocation(location) + QLatin1Char('/') + name);
}

} // namespace

QString defaultDataFolder() {
    return underStandard(QStandardPaths::GenericDataLocation, QStringLiteral("velkor"));
}

QString userSettingsFile() {
    return underStandard(QStandardPaths::GenericConfigLocation, QStringLiteral("velkor/velkor.conf"));
}

QString chosenDataFolder() {
    return QSettings(userSettingsFile(), QSettings::IniFormat).value(kFolderKey).toString().trimmed();
}

void setChosenDataFolder(const QString& folder) {
    QSettings settings(userSettingsFile(), QSettings::IniFormat);
    if (folder.trimmed().isEmpty())
        settings.remove(kFolderKey);
    else
        settings.setValue(kFolderKey, QDir::cleanPath(QDir(folder).absolutePath()));
    settings.sync();
    // QSettings does not always say that its folder could not be made; the file tells.
    if (settings.status() != QSettings::NoError ||
        (!folder.trimmed().isEmpty() && !QFileInfo(userSettingsFile()).isFile()))
        throw DatabaseError(QStringLiteral("Ayar dosyası yazılamadı: %1").arg(userSettingsFile()));
}

QString userDataFolder() {
    const QString chosen = chosenDataFolder();
    return chosen.isEmpty() ? defaultDataFolder() : chosen;
}

} // namespace velkor
