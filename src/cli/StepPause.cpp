#include "cli/StepPause.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace velkor::cli {

std::function<void(const char*)> stepPauseFromEnvironment() {
    const QString setting = qEnvironmentVariable("VELKOR_TEST_DURAKLAT");
    const qsizetype colon = setting.indexOf(QLatin1Char(':'));
    if (colon <= 0)
        return {};
    const QString stepName = setting.left(colon);
    const QString file = setting.mid(colon + 1);
    return [stepName, file](const char* step) {
        if (stepName != QLatin1String(step))
            return;
        QFile marker(file);
        if (!marker.open(QIODevice::WriteOnly))
            return;
        marker.close();
        const QDeadlineTimer deadline(60000);
        while (QFileInfo::exists(file) && !deadline.hasExpired())
            QThread::msleep(5);
    };
}

} // namespace velkor::cli
