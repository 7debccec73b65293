#pragma once

#include <QDateTime>
#include <QString>

namespace velkor {

/// The automatic backup settings of Yedekler.dan, section "OtoYedekler" (and the folder of
/// the last manual backup, section "TumYedekler"). Missing keys read as empty text.
struct BackupSettings {
    /// `SonOtoYedek`: folder of the automatic backup, with trailing separator.
    QString folder;
    /// `YedekGun`: the interval in days as typed.
    QString intervalText;
    /// `YedekAl` is "1".
    bool automatic = false;
    /// `OtoGunluk` is "1".
    bool daily = false;
    /// `TarihOtoGun`/`TarihOtoAy`/`TarihOtoYil` when they form a date in the accepted
    /// ranges; 01.01.2012 otherwise.
    QDate lastAutomatic{2012, 1, 1};
    /// `SonTumYedek`: folder of the last manual all-companies backup.
    QString lastManualFolder;

    /// Reads Yedekler.dan in the installation folder `home`.
    static BackupSettings load(const QString& home);
};

/// The path of Yedekler.dan and of Yedek.ini in the installation folder.
QString backupSettingsPath(const QString& home);
QString dailyStatePath(const QString& home);

/// A stored date part as a number; text that is no number reads as 0.
int storedDatePart(const QString& text);

/// Whether the automatic backup is due: `now` is on or after the last backup's day plus
/// the interval (`ParseDigits` of its text; empty text gives 0 days).
bool automaticBackupDue(const QDate& last, const QString& intervalText, const QDateTime& now);

/// Stores the day of the automatic backup as plain numbers.
void storeAutomaticBackupDay(const QString& home, const QDate& day);
/// Stores the folder of the last manual all-companies backup.
void storeManualBackupFolder(const QString& home, const QString& folder);

} // namespace velkor
