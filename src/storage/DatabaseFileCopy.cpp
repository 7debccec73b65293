#include "storage/DatabaseFileCopy.h"

#include "storage/EngineFailure.h"
#include "storage/SqlCipherConnection.h"

#include <QFile>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sqlcipher/sqlite3.h>
#include <unistd.h>
#include <vector>

namespace velkor {

namespace {

QString systemMessage(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

/// The new file, removed again unless the copy completes.
class NewFile {
public:
    explicit NewFile(const QString& path) : m_path(path) {
        m_fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (m_fd < 0)
            throw DatabaseError(
                QStringLiteral("Dosya oluşturulamadı: %1 (%2)").arg(path, systemMessage(errno)));
    }
    ~NewFile() {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_done)
            QFile::remove(m_path);
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    void write(const char* bytes, qint64 size) {
        while (size > 0) {
            const ssize_t n = ::write(m_fd, bytes, static_cast<size_t>(size));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                throw failure(n < 0 ? errno : ENOSPC);
            bytes += n;
            size -= n;
        }
    }
    void finish() {
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0)
            throw failure(errno);
        m_done = true;
    }

private:
    DatabaseError failure(int error) const {
        // A disk that takes no more reads as the engine's own writes do, so a backup on a full disk
        // says the same as a save there.
        if (error == ENOSPC || error == EFBIG || error == EDQUOT)
            return DatabaseError(engineFailureMessage(SQLITE_IOERR, m_path, systemMessage(error)));
        return DatabaseError(QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(m_path, systemMessage(error)));
    }

    QString m_path;
    int m_fd = -1;
    bool m_done = false;
};

} // namespace

void copyDatabaseFile(Database& db, const QString& target) {
    // Only an encrypted file has bytes to copy; a schema of the office server is copied
    // through its engine.
    auto* cipher = dynamic_cast<SqlCipherConnection*>(&db.engine());
    if (cipher == nullptr)
        throw DatabaseError(QStringLiteral("Veritabanı dosyası okunamadı: %1").arg(db.path()));
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(cipher->handle(), "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK ||
        file == nullptr || file->pMethods == nullptr)
        throw DatabaseError(QStringLiteral("Veritabanı dosyası okunamadı: %1").arg(db.path()));
    sqlite3_int64 size = 0;
    if (file->pMethods->xFileSize(file, &size) != SQLITE_OK)
        throw DatabaseError(QStringLiteral("Veritabanı dosyası okunamadı: %1").arg(db.path()));
    NewFile out(target);
    constexpr int kPiece = 1 << 20;
    std::vector<char> buffer(kPiece);
    for (sqlite3_int64 offset = 0; offset < size; offset += kPiece) {
        const int n = static_cast<int>(std::min<sqlite3_int64>(kPiece, size - offset));
        if (file->pMethods->xRead(file, buffer.data(), n, offset) != SQLITE_OK)
            throw DatabaseError(QStringLiteral("Veritabanı dosyası okunamadı: %1").arg(db.path()));
        out.write(buffer.data(), n);
    }
    out.finish();
}

} // namespace velkor
