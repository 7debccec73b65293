#include "storage/FileLock.h"

#include "base/ShownError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace velkor {

namespace {

struct flock wholeFile(short type) {
    struct flock region {};
    region.l_type = type;
    region.l_whence = SEEK_SET;
    region.l_start = 0;
    region.l_len = 0;
    return region;
}

} // namespace

FileLock::FileLock(const QString& path) : m_path(path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (m_fd < 0) {
        const int error = errno;
        throw ShownError(
            QStringLiteral("Kilit dosyası açılamadı: %1 (%2)")
                .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(error))));
    }
}

FileLock::~FileLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool FileLock::lock(Mode mode, std::chrono::milliseconds wait) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + wait;
    struct flock region = wholeFile(mode == Mode::Shared ? F_RDLCK : F_WRLCK);
    for (;;) {
        if (::fcntl(m_fd, F_OFD_SETLK, &region) == 0)
            return true;
        if (errno != EAGAIN && errno != EACCES && errno != EINTR)
            return false;
        if (Clock::now() >= deadline)
            return false;
        // The kernel's waiting call has no time limit; a short poll keeps the wait bounded.
        QThread::msleep(10);
    }
}

void FileLock::unlock() {
    struct flock region = wholeFile(F_UNLCK);
    ::fcntl(m_fd, F_OFD_SETLK, &region);
}

bool FileLock::heldExclusivelyElsewhere() const {
    struct flock region = wholeFile(F_RDLCK);
    if (::fcntl(m_fd, F_OFD_GETLK, &region) != 0)
        return false;
    return region.l_type == F_WRLCK;
}

void FileLock::setNote(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    if (::ftruncate(m_fd, 0) != 0)
        return;
    // The note only helps the message of someone who waits; a failed write leaves it empty.
    [[maybe_unused]] const ssize_t written = ::pwrite(m_fd, bytes.constData(), bytes.size(), 0);
}

QString FileLock::note() const {
    QByteArray bytes(4096, '\0');
    const ssize_t n = ::pread(m_fd, bytes.data(), bytes.size(), 0);
    if (n <= 0)
        return {};
    bytes.truncate(n);
    return QString::fromUtf8(bytes);
}

} // namespace velkor
