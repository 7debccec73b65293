#include "storage/ProgramLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <optional>

namespace velkor {

namespace {

std::optional<ProgramLayout>& currentLayout() {
    static std::optional<ProgramLayout> layout;
    return layout;
}

} // namespace

ProgramLayout ProgramLayout::forProgramFolder(const QString& programFolder) {
    // Decided at run time rather than by a switch of a separate package build: the package
    // carries the very programs the tests ran, and a program copied out of a build tree
    // (make run) or a test binary never sits in a bin/ beside share/velkor with the marker.
    const QDir folder(QDir::cleanPath(programFolder));
    if (programFolder.isEmpty() || folder.dirName() != QLatin1String("bin"))
        return {};
    const QString shipped = QDir::cleanPath(folder.absoluteFilePath(QStringLiteral("../share/velkor")));
    const QString marker = shipped + QLatin1Char('/') + kShippedMarker;
    if (!QFileInfo(marker).isFile())
        return {};
    const QSettings recorded(marker, QSettings::IniFormat);
    return {shipped + QLatin1Char('/'), recorded.value(QStringLiteral("Paket/Surum")).toString()};
}

const ProgramLayout& programLayout() {
    std::optional<ProgramLayout>& layout = currentLayout();
    if (!layout)
        layout = ProgramLayout::forProgramFolder(
            QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString());
    return *layout;
}

void setProgramLayout(const ProgramLayout& layout) {
    currentLayout() = layout;
}

QString shippedFile(const QString& relativePath) {
    const ProgramLayout& layout = programLayout();
    return layout.installed() ? layout.shippedFolder + relativePath : QString();
}

} // namespace velkor
