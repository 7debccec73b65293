#include "backup/DatabaseSnapshot.h"

#include "storage/ConnectionStrings.h"
#include "storage/Database.h"
#include "storage/DatabaseFileCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace velkor {

namespace {

// Clean-up after a failure: its own failure must not hide the one being thrown.
void runQuietly(Database& db, const QString& sql) {
    try {
        db.exec(sql);
    } catch (const DatabaseError&) {
    }
}

} // namespace

void snapshotDatabase(const QString& source, const QString& target) {
    if (QFileInfo::exists(target))
        throw DatabaseError(QStringLiteral("Dosya zaten var: %1").arg(target));
    Database db(source, kDatabasePassword);
    db.snapshotInto(target, kDatabasePassword);
}

void copyDatabase(const QString& source, const QString& target) {
    if (QFileInfo::exists(target))
        throw DatabaseError(QStringLiteral("Dosya zaten var: %1").arg(target));
    Database db(source, kDatabasePassword);
    db.exec(QStringLiteral("BEGIN"));
    try {
        // The first read takes the shared lock that holds the file still until COMMIT; a
        // journal left by a writer that died is rolled back before it.
        db.scalar(QStringLiteral("SELECT count(*) FROM main.sqlite_master"));
        copyDatabaseFile(db, target);
    } catch (...) {
        runQuietly(db, QStringLiteral("ROLLBACK"));
        throw;
    }
    db.exec(QStringLiteral("COMMIT"));
}

void verifyDatabase(const QString& path, SchemaKind kind) {
    const QString name = QFileInfo(path).fileName();
    try {
        Database db(path, kDatabasePassword);
        if (!db.isIntact())
            throw ShownError(QStringLiteral("%1 bozuk bir veritabanı.").arg(name));
        if (const QString problem = schemaProblem(db, kind); !problem.isEmpty())
            throw ShownError(problem);
    } catch (const DatabaseError&) {
        throw ShownError(
            QStringLiteral("%1 bu programın şifresiyle açılamadı: dosya bozuk ya da başka bir programa ait.")
                .arg(name));
    }
}

void replaceFile(const QString& source, const QString& target) {
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        QFile::remove(target + QLatin1String(suffix));
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) != 0) {
        const int error = errno;
        throw ShownError(
            QStringLiteral("%1 yerine konulamadı: %2")
                .arg(QDir::toNativeSeparators(target), QString::fromLocal8Bit(std::strerror(error))));
    }
}

void syncFileSystem(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::syncfs(fd);
        ::close(fd);
    }
}

void syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace velkor
