#include "storage/EngineFailure.h"

#include <QFileInfo>
#include <QStorageInfo>
#include <sqlcipher/sqlite3.h>

namespace velkor {

namespace {

// Below this the disk counts as full: the engine needs room for its journal as well.
constexpr qint64 kFullDiskMargin = qint64(4) * 1024 * 1024;

QString fileName(const QString& path) {
    return path.isEmpty() ? QStringLiteral("veritabanı") : path;
}

// The disk as the user finds it: the mount point of the file's folder.
QString diskOf(const QString& path) {
    const QStorageInfo storage(QFileInfo(path).absolutePath());
    return storage.isValid() ? storage.rootPath() : QFileInfo(path).absolutePath();
}

bool diskNearlyFull(const QString& path) {
    if (path.isEmpty())
        return false;
    const QStorageInfo storage(QFileInfo(path).absolutePath());
    return storage.isValid() && storage.bytesAvailable() >= 0 && storage.bytesAvailable() < kFullDiskMargin;
}

QString fullDisk(const QString& path) {
    return QStringLiteral("Disk dolu: %1 dosyasının bulunduğu diskte (%2) yer kalmadı; işlem yapılamadı, "
                          "değişiklikler kaydedilmedi. Diskte yer açıp yeniden deneyin.")
        .arg(fileName(path), diskOf(path));
}

QString cause(int code, const QString& path) {
    switch (code & 0xff) {
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral(
                   "%1 dosyasına yazılamıyor: dosya salt okunur ya da bulunduğu klasöre yazma izni "
                   "yok. Klasörün ve dosyanın izinlerini denetleyin.")
            .arg(fileName(path));
    case SQLITE_FULL:
        return fullDisk(path);
    case SQLITE_IOERR:
        if (diskNearlyFull(path))
            return fullDisk(path);
        return QStringLiteral(
                   "%1 dosyası okunurken ya da yazılırken disk hatası oluştu (disk dolu, çıkarılmış "
                   "ya da arızalı olabilir).")
            .arg(fileName(path));
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral(
                   "%1 başka bir program tarafından kullanılıyor: firma başka bir programda açık; o "
                   "program işini bitirince yeniden deneyin.")
            .arg(fileName(path));
    case SQLITE_CANTOPEN:
        return QStringLiteral("%1 açılamadı: dosya ya da klasörü yok, ya da klasöre erişim izni yok.")
            .arg(fileName(path));
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return QStringLiteral("%1 bozuk ya da bu programın veritabanı değil (şifresi uymuyor).")
            .arg(fileName(path));
    case SQLITE_NOMEM:
        return QStringLiteral("Bellek yetersiz: %1 üzerindeki işlem yapılamadı.").arg(fileName(path));
    case SQLITE_TOOBIG:
        return QStringLiteral("%1 dosyasına yazılacak değer çok büyük.").arg(fileName(path));
    case SQLITE_CONSTRAINT:
        return QStringLiteral("Kayıt, %1 veritabanının kurallarına uymadığı için yazılamadı.")
            .arg(fileName(path));
    case SQLITE_INTERRUPT:
        return QStringLiteral("%1 üzerindeki işlem yarıda kesildi; değişiklikler kaydedilmedi.")
            .arg(fileName(path));
    default:
        // A full disk also shows as the failures that follow it ("cannot rollback - no
        // transaction is active" once the engine has rolled back by itself).
        if (diskNearlyFull(path))
            return fullDisk(path);
        return QStringLiteral("%1 üzerindeki veritabanı işlemi yapılamadı.").arg(fileName(path));
    }
}

} // namespace

QString engineFailureMessage(int code, const QString& path, const QString& engineText) {
    const QString message = cause(code, path);
    return engineText.isEmpty() ? message : message + QStringLiteral(" (Ayrıntı: %1)").arg(engineText);
}

} // namespace velkor
