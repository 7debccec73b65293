#include "import/ExcelImportFormControls.h"
#include "storage/DatabaseError.h"
#include "storage/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace velkor;

namespace {

class SettingsFileLimits : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.path() + QLatin1Char('/') + QString::fromUtf8(name); }
    QTemporaryDir dir;
};

TEST_F(SettingsFileLimits, AFifoOrADeviceReadsAsTheDefaultsAndIsNotWritten) {
    ASSERT_EQ(mkfifo(path("Ayarlar.ini").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path("Yedekler.dan")));
    for (const char* name : {"Ayarlar.ini", "Yedekler.dan"}) {
        IniFile ini(path(name));
        EXPECT_EQ(ini.value(QStringLiteral("Giris"), QStringLiteral("Kodu"), QStringLiteral("d")),
                  QStringLiteral("d"));
        EXPECT_TRUE(ini.readProblem().contains(path(name))) << name;
        EXPECT_THROW(ini.setValue(QStringLiteral("Giris"), QStringLiteral("Kodu"), QStringLiteral("X")),
                     DatabaseError);
    }
}

TEST_F(SettingsFileLimits, AFileBeyondTheLimitReadsAsTheDefaults) {
    QFile big(path("ExcelAktarAyar.ini"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    // A key the import window stores, so that the file is one the program would read.
    big.write(QStringLiteral("[ExcelAyar]\r\n%1=3\r\n").arg(ctl::excelimport::AnaHesapE).toUtf8());
    big.write(QByteArray(IniFile::kSizeLimit, ' '));
    big.close();
    IniFile ini(big.fileName());
    EXPECT_EQ(ini.value(QStringLiteral("ExcelAyar"), ctl::excelimport::AnaHesapE), QString());
    EXPECT_TRUE(ini.readProblem().contains(QStringLiteral("1 MB")));
    // Writing puts a sound file in its place.
    ini.setValue(QStringLiteral("ExcelAyar"), ctl::excelimport::AnaHesapE, QStringLiteral("4"));
    EXPECT_EQ(ini.readProblem(), QString());
    EXPECT_EQ(ini.value(QStringLiteral("ExcelAyar"), ctl::excelimport::AnaHesapE), QStringLiteral("4"));
}

} // namespace
