#pragma once

#include <QDateTime>
#include <QString>

namespace velkor {

/// The proposed name of the manual all-companies backup: "VelkorTumu_2024_03_05".
QString manualArchiveName(const QDate& day);
/// The automatic all-companies archive in `folder` (ends with a separator):
/// folder + "VelkorENF_2024_03_05.zip".
QString automaticArchivePath(const QString& folder, const QDate& day);
/// The companion archive holding the general database: the name with "Gen" appended.
QString companionPath(const QString& archivePath);
/// The name an archive is written under until it is complete: the name + ".yeni". The
/// halves of a pair are both written so and then renamed, the companies' archive first; a
/// leftover companion thus always belongs to an archive already in place.
QString pendingArchivePath(const QString& archivePath);
/// Whether `fileName` is a pending archive's name, and the archive's name it stands for.
bool isPendingArchiveName(const QString& fileName);
QString archiveOfPending(const QString& pendingPath);
/// The daily rotating archive n (1 to 5): home + "Yedek/OtoYedek" + n + ".zip".
QString dailyArchivePath(const QString& home, int n);
/// The per-company archive written before a deletion: home + "Yedek/" + code +
/// "_2024_3_5_9_7_3.zip" (numbers without leading zeros).
QString companyArchivePath(const QString& home, const QString& code, const QDateTime& at);
/// The archive keeping the files a restore replaces: home + "Yedek/GeriYuklemeOncesi_" +
/// "2024_3_5_9_7_3.zip".
QString safetyArchivePath(const QString& home, const QDateTime& at);

} // namespace velkor
