#include "backup/BackupSettings.h"

#include "base/TextHelpers.h"
#include "storage/IniFile.h"

namespace velkor {

namespace {
const QString kAuto = QStringLiteral("OtoYedekler");
const QString kManual = QStringLiteral("TumYedekler");
} // namespace

QString backupSettingsPath(const QString& home) {
    return home + QStringLiteral("Yedekler.dan");
}

QString dailyStatePath(const QString& home) {
    return home + QStringLiteral("Yedek.ini");
}

int storedDatePart(const QString& text) {
    try {
        return static_cast<int>(ParseDigits(text));
    } catch (const ConversionError&) {
        return 0;
    }
}

BackupSettings BackupSettings::load(const QString& home) {
    const IniFile ini(backupSettingsPath(home));
    BackupSettings s;
    s.folder = ini.value(kAuto, QStringLiteral("SonOtoYedek"));
    s.intervalText = ini.value(kAuto, QStringLiteral("YedekGun"));
    s.automatic = ini.value(kAuto, QStringLiteral("YedekAl")) == QLatin1String("1");
    s.daily = ini.value(kAuto, QStringLiteral("OtoGunluk")) == QLatin1String("1");
    const int day = storedDatePart(ini.value(kAuto, QStringLiteral("TarihOtoGun")));
    const int month = storedDatePart(ini.value(kAuto, QStringLiteral("TarihOtoAy")));
    const int year = storedDatePart(ini.value(kAuto, QStringLiteral("TarihOtoYil")));
    const QDate date(year, month, day);
    if (day > 0 && day < 32 && month > 0 && month < 13 && year > 1970 && year < 2050 && date.isValid())
        s.lastAutomatic = date;
    s.lastManualFolder = ini.value(kManual, QStringLiteral("SonTumYedek"));
    return s;
}

bool automaticBackupDue(const QDate& last, const QString& intervalText, const QDateTime& now) {
    if (!last.isValid())
        return true;
    double days = 0;
    try {
        days = ParseDigits(intervalText);
    } catch (const ConversionError&) {
        days = 0;
    }
    return now >= QDateTime(last.addDays(static_cast<qint64>(days)), QTime(0, 0));
}

void storeAutomaticBackupDay(const QString& home, const QDate& day) {
    IniFile ini(backupSettingsPath(home));
    ini.setValue(kAuto, QStringLiteral("TarihOtoGun"), QString::number(day.day()));
    ini.setValue(kAuto, QStringLiteral("TarihOtoAy"), QString::number(day.month()));
    ini.setValue(kAuto, QStringLiteral("TarihOtoYil"), QString::number(day.year()));
}

void storeManualBackupFolder(const QString& home, const QString& folder) {
    IniFile(backupSettingsPath(home)).setValue(kManual, QStringLiteral("SonTumYedek"), folder);
}

} // namespace velkor
