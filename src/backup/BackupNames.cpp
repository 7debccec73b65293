#include "backup/BackupNames.h"

namespace velkor {

namespace {

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString plainStamp(const QDateTime& at) {
    const QDate d = at.date();
    const QTime t = at.time();
    return QStringLiteral("%1_%2_%3_%4_%5_%6")
        .arg(d.year())
        .arg(d.month())
        .arg(d.day())
        .arg(t.hour())
        .arg(t.minute())
        .arg(t.second());
}

} // namespace

QString manualArchiveName(const QDate& day) {
    return QStringLiteral("VelkorTumu_%1_%2_%3")
        .arg(day.year())
        .arg(twoDigits(day.month()), twoDigits(day.day()));
}

QString automaticArchivePath(const QString& folder, const QDate& day) {
    return folder + QStringLiteral("VelkorENF_%1_%2_%3.zip")
                        .arg(day.year())
                        .arg(twoDigits(day.month()), twoDigits(day.day()));
}

QString companionPath(const QString& archivePath) {
    return archivePath + QStringLiteral("Gen");
}

QString pendingArchivePath(const QString& archivePath) {
    return archivePath + QStringLiteral(".yeni");
}

bool isPendingArchiveName(const QString& fileName) {
    return fileName.endsWith(QLatin1String(".zip.yeni")) || fileName.endsWith(QLatin1String(".zipGen.yeni"));
}

QString archiveOfPending(const QString& pendingPath) {
    return pendingPath.chopped(5);
}

QString dailyArchivePath(const QString& home, int n) {
    return home + QStringLiteral("Yedek/OtoYedek%1.zip").arg(n);
}

QString companyArchivePath(const QString& home, const QString& code, const QDateTime& at) {
    return home + QStringLiteral("Yedek/") + code + QLatin1Char('_') + plainStamp(at) +
           QStringLiteral(".zip");
}

QString safetyArchivePath(const QString& home, const QDateTime& at) {
    return home + QStringLiteral("Yedek/GeriYuklemeOncesi_") + plainStamp(at) + QStringLiteral(".zip");
}

} // namespace velkor
