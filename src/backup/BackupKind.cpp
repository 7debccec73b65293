#include "backup/BackupKind.h"

#include "backup/BackupNames.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace velkor {

namespace {

QString kindName(BackupKind kind) {
    switch (kind) {
    case BackupKind::Company:
        return QStringLiteral("tek firma yedeği");
    case BackupKind::AllCompanies:
        return QStringLiteral("tüm firmaların yedeği");
    case BackupKind::Daily:
        return QStringLiteral("otomatik günlük yedek");
    case BackupKind::Other:
        break;
    }
    return {};
}

QString restoreButton(BackupKind kind) {
    switch (kind) {
    case BackupKind::Company:
        return QStringLiteral("Tek Firma Geri Yükle");
    case BackupKind::AllCompanies:
        return QStringLiteral("Tüm Firmaları Geri Yükle");
    case BackupKind::Daily:
        return QStringLiteral("Otomatik Yedeklemeden Geri Yükle");
    case BackupKind::Other:
        break;
    }
    return {};
}

} // namespace

BackupKind backupKindOf(const QString& archivePath, const QStringList& entryNames) {
    const QString fileName = QFileInfo(archivePath).fileName();
    // The companion is what an all-companies backup has and no other kind writes.
    if (QFileInfo(companionPath(archivePath)).isFile())
        return BackupKind::AllCompanies;
    static const QRegularExpression daily(QStringLiteral("^OtoYedek[1-5]\\.zip$"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (daily.match(fileName).hasMatch())
        return BackupKind::Daily;
    if (entryNames.size() == 1 && entryNames.first().endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive)) {
        if (fileName.endsWith(QLatin1String(".ydk"), Qt::CaseInsensitive))
            return BackupKind::Company;
        // The company's own code before the time stamp, with "_2", "_3" for a second archive
        // of the same second.
        static const QRegularExpression stamped(
            QStringLiteral("^(.+)_\\d{4}_\\d{1,2}_\\d{1,2}_\\d{1,2}_\\d{1,2}_\\d{1,2}(_\\d+)?\\.zip$"),
            QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch match = stamped.match(fileName);
        if (match.hasMatch() && match.captured(1) + QStringLiteral(".mdb") == entryNames.first())
            return BackupKind::Company;
    }
    return BackupKind::Other;
}

QString wrongKindReason(BackupKind expected, const QString& archivePath, const QStringList& entryNames) {
    const BackupKind kind = backupKindOf(archivePath, entryNames);
    if (kind == expected || kind == BackupKind::Other)
        return {};
    QString what = kindName(kind);
    if (kind == BackupKind::Company)
        what += QStringLiteral(" (%1)").arg(QFileInfo(entryNames.first()).completeBaseName());
    return QStringLiteral("Yanlış yedek türü: seçilen dosya %1, burada %2 geri yüklenir.\n\rBu dosyayı "
                          "\"%3\" ile geri yükleyiniz.")
        .arg(what, kindName(expected), restoreButton(kind));
}

} // namespace velkor
