#include "backup/BackupWork.h"

#include "base/ShownError.h"

#include <chrono>

namespace velkor {

namespace {

// A restore or a backup of a large office takes a while; longer than this, the user is
// better told than kept waiting.
constexpr std::chrono::milliseconds kWait{10000};

} // namespace

QString BackupWork::lockPath(const QString& home) {
    QString folder = home;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + QStringLiteral(".kilitler/yedekleme.kilit");
}

BackupWork::BackupWork(const QString& home, FileLock::Mode mode)
    : m_lock(std::make_unique<FileLock>(lockPath(home))) {
    if (!m_lock->lock(mode, kWait))
        throw ShownError(QStringLiteral("Şu anda başka bir yedekleme ya da geri yükleme işlemi sürüyor; "
                                        "işlem bitince tekrar deneyiniz."));
}

BackupWork::~BackupWork() = default;

std::unique_ptr<FileLock> BackupWork::tryAlone(const QString& home) {
    auto lock = std::make_unique<FileLock>(lockPath(home));
    if (!lock->lock(FileLock::Mode::Exclusive, std::chrono::milliseconds(0)))
        return nullptr;
    return lock;
}

} // namespace velkor
