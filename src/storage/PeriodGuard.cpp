#include "storage/PeriodGuard.h"

#include "storage/Statement.h"

namespace velkor {

const QString kClosedPeriodState = QStringLiteral("Kapandı");
const QString kClosedPeriodUseMessage =
    QStringLiteral("Bu kayıt kapanmış bir düzeltme döneminde kullanılıyor; önce dönemleri açınız.");
const QString kOpenPeriodDeletionQuestion =
    QStringLiteral("Bu kalem açık dönemlerde de silinecek. Devam edilsin mi?");

bool hasClosedPeriod(Database& db) {
    if (!db.hasTable(QStringLiteral("donem")))
        return false;
    return db.scalar(QStringLiteral("SELECT count(*) FROM donem WHERE durum = ?"), {kClosedPeriodState})
               .toInt() > 0;
}

bool hasOpenPeriod(Database& db) {
    if (!db.hasTable(QStringLiteral("donem")))
        return false;
    return db.scalar(QStringLiteral("SELECT count(*) FROM donem WHERE durum IS NOT ?"), {kClosedPeriodState})
               .toInt() > 0;
}

int removeOpenPeriodLines(Database& db, const std::vector<qint64>& itemIds) {
    if (itemIds.empty() || !db.hasTable(QStringLiteral("donem_kalem")))
        return 0;
    Statement remove(db, QStringLiteral("DELETE FROM donem_kalem WHERE sabit_kiymet_id = ? AND donem_id IN "
                                        "(SELECT id FROM donem WHERE durum IS NOT ?)"));
    int removed = 0;
    for (const qint64 id : itemIds) {
        remove.reset();
        remove.bindAll({id, kClosedPeriodState});
        remove.run();
        // The engine counts the rows; the file engine's SQL function is not the server's.
        removed += db.engine().changes();
    }
    return removed;
}

} // namespace velkor
