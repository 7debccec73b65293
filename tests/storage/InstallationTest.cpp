#include "storage/Installation.h"
#include "storage/ConnectionStrings.h"
#include "storage/Database.h"
#include "storage/IniFile.h"
#include "storage/ReferenceData.h"
#include "storage/Statement.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkor;

namespace {

TEST(InstallationTest, CreatesWhatIsMissingAndNeverOverwrites) {
    QTemporaryDir dir;
    const QString home = dir.path() + QStringLiteral("/kurulum/");
    ensureInstallation(home);
    for (const char* file : {"SBK.mdb", "AnaData/SBK.mdb", "AnaData/Genel.mdb", "AnaData/Oranlar.mdb"})
        EXPECT_TRUE(QFileInfo(home + QLatin1String(file)).isFile()) << file;
    EXPECT_TRUE(QFileInfo(home + QStringLiteral("Data")).isDir());
    EXPECT_TRUE(QFileInfo(home + QStringLiteral("Yedek")).isDir());

    {
        Database general(home + QStringLiteral("AnaData/Genel.mdb"), kDatabasePassword);
        EXPECT_EQ(general.scalar(QStringLiteral("SELECT mids FROM mast")).toString(),
                  QStringLiteral("mirtan"));
        EXPECT_EQ(general.scalar(QStringLiteral("SELECT count(*) FROM firmalar")).toInt(), 0);
        EXPECT_EQ(general.scalar(QStringLiteral("SELECT count(*) FROM sifreli")).toInt(), 0);
        general.exec(QStringLiteral("UPDATE mast SET mids='degisti'"));
    }
    ensureInstallation(home);
    Database general(home + QStringLiteral("AnaData/Genel.mdb"), kDatabasePassword);
    EXPECT_EQ(general.scalar(QStringLiteral("SELECT mids FROM mast")).toString(), QStringLiteral("degisti"));
    EXPECT_FALSE(QFileInfo::exists(home + QStringLiteral("AnaData/Genel.mdb.yeni")));
}

TEST(InstallationTest, UnwritableFolderFailsWithAMessageAndLeavesNothing) {
    QTemporaryDir dir;
    // A folder below a plain file cannot be made, not even by root.
    QFile blocker(dir.path() + QStringLiteral("/dosya"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    try {
        ensureInstallation(blocker.fileName() + QStringLiteral("/kurulum"));
        FAIL() << "no error";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Klasör oluşturulamadı: "))) << e.what();
    }
}

TEST(ReferenceDataTest, ShippedTablesAreFilled) {
    test::TempHome home;
    Database& rates = home.context().rates().database();
    EXPECT_DOUBLE_EQ(
        rates.scalar(QStringLiteral("SELECT Yi_UFE FROM YI_UFE_Yeni WHERE YilAy=202312")).toDouble(),
        2915.02);
    EXPECT_DOUBLE_EQ(
        rates.scalar(QStringLiteral("SELECT Yi_UFE FROM YI_UFE_Yeni WHERE YilAy=20203")).toDouble(), 468.69);
    EXPECT_TRUE(rates.scalar(QStringLiteral("SELECT Yi_UFE FROM YI_UFE_Yeni WHERE YilAy=202003")).isNull());
    EXPECT_DOUBLE_EQ(rates.scalar(QStringLiteral("SELECT Aralik FROM YI_UFE WHERE Yil=2023")).toDouble(),
                     2915.02);
    EXPECT_DOUBLE_EQ(
        rates.scalar(QStringLiteral("SELECT Agustos FROM YI_UFE WHERE Yil=2023")).toDouble(),
        rates.scalar(QStringLiteral("SELECT Yi_UFE FROM YI_UFE_Yeni WHERE YilAy=20238")).toDouble());
    // Rows in month order: the first is January 2004 (no 2003 value could be confirmed).
    EXPECT_EQ(rates.scalar(QStringLiteral("SELECT YilAy FROM YI_UFE_Yeni ORDER BY Kimlik LIMIT 1")).toInt(),
              20041);
    EXPECT_DOUBLE_EQ(
        rates.scalar(QStringLiteral("SELECT Yi_UFE FROM YI_UFE_Yeni WHERE YilAy=200412")).toDouble(), 118.00);
    EXPECT_EQ(rates.scalar(QStringLiteral("SELECT count(*) FROM Amortisman_Oranlari")).toInt(), 89);
    EXPECT_EQ(rates.scalar(QStringLiteral("SELECT tum_kodu FROM Amortisman_Oranlari ORDER BY Kimlik LIMIT 1"))
                  .toString(),
              QStringLiteral("1."));
    EXPECT_TRUE(rates.scalar(QStringLiteral("SELECT Ortalama FROM Ortalama_Faiz WHERE Yil=2025")).isNull());
    EXPECT_DOUBLE_EQ(
        rates.scalar(QStringLiteral("SELECT Ortalama FROM Ortalama_Faiz WHERE Yil=2024")).toDouble(), 62.26);
    EXPECT_TRUE(rates.scalar(QStringLiteral("SELECT Aralik FROM Ortalama_Faiz WHERE Yil=2025")).isNull());
    EXPECT_EQ(rates.scalar(QStringLiteral("SELECT count(*) FROM TEFE")).toInt(), 1);
}

TEST(ReferenceDataTest, RebuildUpdatesInPlaceAndKeepsOtherKeys) {
    test::TempHome home;
    Database& rates = home.context().rates().database();
    const int before = rates.scalar(QStringLiteral("SELECT count(*) FROM YI_UFE_Yeni")).toInt();
    rates.exec(QStringLiteral("INSERT INTO YI_UFE_Yeni (YilAy, Yi_UFE) VALUES (199912, 1)"));
    rates.exec(QStringLiteral("UPDATE YI_UFE_Yeni SET Yi_UFE=0 WHERE YilAy=202312"));
    DuzeltmeVeritabanAktar(rates);
    DuzeltmeVeritabanAktar(rates);
    // 2026 has only January and February: the other ten months come in as 0.
    EXPECT_EQ(rates.scalar(QStringLiteral("SELECT count(*) FROM YI_UFE_Yeni")).toInt(), before + 1 + 10);
    EXPECT_DOUBLE_EQ(
        rates.scalar(QStringLiteral("SELECT Yi_UFE FROM YI_UFE_Yeni WHERE YilAy=202312")).toDouble(),
        2915.02);
    EXPECT_DOUBLE_EQ(
        rates.scalar(QStringLiteral("SELECT Yi_UFE FROM YI_UFE_Yeni WHERE YilAy=202612")).toDouble(), 0);
    EXPECT_EQ(rates.scalar(QStringLiteral("SELECT count(*) FROM YI_UFE_Yeni WHERE YilAy=199912")).toInt(), 1);
}

TEST(IniFileTest, ReadsDefaultsAndWritesKeyByKeyAsPlainText) {
    QTemporaryDir dir;
    IniFile ini(dir.path() + QStringLiteral("/Yedekler.dan"));
    EXPECT_EQ(ini.value(QStringLiteral("OtoYedekler"), QStringLiteral("YedekAl")), QString());
    EXPECT_EQ(ini.intValue(QStringLiteral("Kacta"), QStringLiteral("kac"), 1), 1);
    EXPECT_FALSE(QFile::exists(ini.path()));

    ini.setValue(QStringLiteral("OtoYedekler"), QStringLiteral("SonOtoYedek"),
                 QStringLiteral("C:\\Yedek\\Şirket\\"));
    ini.setValue(QStringLiteral("TumYedekler"), QStringLiteral("SonTumYedek"), QStringLiteral("/home/x"));
    ini.setValue(QStringLiteral("OtoYedekler"), QStringLiteral("YedekAl"), QStringLiteral("1"));
    ini.setValue(QStringLiteral("OtoYedekler"), QStringLiteral("YedekAl"), QStringLiteral("2"));
    EXPECT_EQ(ini.value(QStringLiteral("otoyedekler"), QStringLiteral("SonOtoYedek")),
              QStringLiteral("C:\\Yedek\\Şirket\\"));
    EXPECT_EQ(ini.value(QStringLiteral("OtoYedekler"), QStringLiteral("YedekAl")), QStringLiteral("2"));

    QFile file(ini.path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
              QStringLiteral("[OtoYedekler]\r\nSonOtoYedek=C:\\Yedek\\Şirket\\\r\nYedekAl=2\r\n\r\n"
                             "[TumYedekler]\r\nSonTumYedek=/home/x\r\n"));
}

} // namespace
