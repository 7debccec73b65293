#include "update/DebianPackage.h"

#include <QProcess>
#include <QRegularExpression>

namespace velkor::update {

namespace {

constexpr int kToolTimeoutMs = 30000;

/// Runs a dpkg tool; its exit status, or -1 when it did not run to its end.
int runTool(const QString& program, const QStringList& arguments, QByteArray* output = nullptr) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(kToolTimeoutMs) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitCode();
}

bool isVersionText(const QString& text) {
    static const QRegularExpression kVersion(QStringLiteral("^[0-9][A-Za-z0-9.+~:-]*$"));
    return kVersion.match(text).hasMatch();
}

} // namespace

QString debianPackageField(const QString& path, const QString& field) {
    QByteArray output;
    if (runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), path, field}, &output) != 0)
        return {};
    return QString::fromUtf8(output).trimmed();
}

bool isLaterDebianVersion(const QString& candidate, const QString& installed) {
    if (!isVersionText(candidate) || !isVersionText(installed))
        return false;
    return runTool(QStringLiteral("dpkg"),
                   {QStringLiteral("--compare-versions"), candidate, QStringLiteral("gt"), installed}) == 0;
}

} // namespace velkor::update
