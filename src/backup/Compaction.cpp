#include "backup/Compaction.h"

#include "backup/DatabaseSnapshot.h"
#include "storage/ConnectionStrings.h"
#include "storage/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velkor {

namespace {

qint64 itemCount(const QString& path) {
    Database db(path, kDatabasePassword);
    return db.scalar(QStringLiteral("SELECT count(*) FROM sabit_kiymet")).toLongLong();
}

} // namespace

void CompactCompanyDatabase(const QString& path, const std::function<void(const char*)>& hook) {
    const auto step = [&hook](const char* name) {
        if (hook)
            hook(name);
    };
    const QString copy = path + QStringLiteral(".bakim");
    QFile::remove(copy);
    try {
        verifyDatabase(path, SchemaKind::Company);
        const qint64 before = itemCount(path);
        snapshotDatabase(path, copy);
        step("compacted");
        verifyDatabase(copy, SchemaKind::Company);
        if (itemCount(copy) != before)
            throw ShownError(QStringLiteral("Sıkıştırılmış kopyada kayıt sayısı tutmuyor."));
        step("verified");
        replaceFile(copy, path);
        syncFolder(QFileInfo(path).absolutePath());
        step("replaced");
    } catch (const ShownError& e) {
        QFile::remove(copy);
        throw ShownError(
            QStringLiteral("Firma veritabanı bakım işlemi yapılamadı!\n\r%1\n\rVeritabanı olduğu gibi "
                           "bırakıldı.")
                .arg(e.message()));
    }
}

} // namespace velkor
