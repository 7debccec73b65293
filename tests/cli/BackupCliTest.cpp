#include "storage/ConnectionStrings.h"
#include "storage/Database.h"
#include "storage/IniFile.h"
#include "support/TestSupport.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using velkor::test::runCli;

namespace velkor {
namespace {

class BackupCliTest : public ::testing::Test {
protected:
    BackupCliTest() {
        EXPECT_EQ(run({"init"}), 0);
        EXPECT_EQ(run({"company", "add", "A1", "Bir"}), 0);
        EXPECT_EQ(run({"company", "add", "B2", "İki"}), 0);
        Database db(company(), kDatabasePassword);
        for (const char* account : {"253", "153", "159", "500"})
            db.execute(QStringLiteral(
                           "INSERT INTO sabit_kiymet (anahesapkodu, sbk_kodu, sbk_adi) VALUES (?, '1', 'x')"),
                       {QString::fromLatin1(account)});
    }

    int run(QStringList args, QString* out = nullptr, QString* err = nullptr) {
        args.prepend(dir.path());
        args.prepend(QStringLiteral("--home"));
        return runCli(args, out, err);
    }
    QString company() const { return dir.path() + QStringLiteral("/Data/A1.mdb"); }
    qint64 items() const {
        return Database(company(), kDatabasePassword)
            .scalar(QStringLiteral("SELECT count(*) FROM sabit_kiymet"))
            .toLongLong();
    }

    QTemporaryDir dir;
};

TEST_F(BackupCliTest, BackupDeleteResetRestoreAndCompact) {
    QString out, err;
    const QString all = dir.path() + QStringLiteral("/Yedek/t.zip");
    ASSERT_EQ(run({"backup", "all", "--out", all}), 0);
    EXPECT_TRUE(QFileInfo::exists(all) && QFileInfo::exists(all + "Gen"));
    ASSERT_EQ(run({"backup", "company", "A1"}, &out), 0);
    const QString one = out.trimmed();
    EXPECT_TRUE(QFileInfo::exists(one)) << one.toStdString();
    EXPECT_EQ(run({"backup", "company", "ZZ"}, &out, &err), 1);

    EXPECT_EQ(
        run({"items", "delete", "--company", "A1", "--id", "1", "--answer", "Evet", "--answer", "Hayir"},
            &out),
        0);
    EXPECT_EQ(items(), 3);
    EXPECT_EQ(
        run({"items", "delete", "--company", "A1", "--id", "1", "--answer", "Evet", "--answer", "Hayir"},
            &out, &err),
        1);
    EXPECT_TRUE(err.contains(QStringLiteral("Kayıt bulunamadı: 1")));
    EXPECT_EQ(run({"items", "delete", "--company", "A1", "--group", "stok", "--answer", "Evet", "--answer",
                   "Hayir"},
                  &out),
              0);
    EXPECT_TRUE(out.startsWith("2\n"));
    EXPECT_EQ(items(), 1);
    EXPECT_EQ(run({"items", "delete", "--company", "A1", "--group", "hepsi"}), 2);
    EXPECT_EQ(run({"reset", "--company", "A1", "--answer", "Evet", "--answer", "Evet"}), 1);
    EXPECT_EQ(items(), 1);
    EXPECT_EQ(run({"reset", "--company", "A1", "--answer", "Evet", "--answer", "Hayir"}, &out), 0);
    EXPECT_EQ(items(), 0);

    ASSERT_EQ(run({"restore", "company", "--from", one}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(items(), 4);
    EXPECT_TRUE(err.contains(QStringLiteral("GeriYuklemeOncesi_")));
    EXPECT_EQ(run({"reset", "--company", "A1", "--answer", "Evet", "--answer", "Hayir"}), 0);
    EXPECT_EQ(run({"restore", "all", "--from", all}), 1); // the question answered No
    EXPECT_EQ(items(), 0);
    ASSERT_EQ(run({"restore", "all", "--from", all, "--answer", "Evet"}), 0);
    EXPECT_EQ(items(), 4);

    EXPECT_EQ(run({"compact", "--company", "A1"}, &out, &err), 0);
    EXPECT_TRUE(err.contains(QStringLiteral("Firma veritabanı bakım işlemi yapıldı!")));
    EXPECT_EQ(items(), 4);

    QFile hostile(dir.path() + QStringLiteral("/Yedek/bad.zip"));
    ASSERT_TRUE(hostile.open(QIODevice::WriteOnly));
    hostile.write("PK no archive");
    hostile.close();
    EXPECT_EQ(run({"restore", "daily", "--from", hostile.fileName(), "--answer", "Evet"}, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("Hiçbir dosya geri yüklenmedi"))) << err.toStdString();
    EXPECT_EQ(items(), 4);
}

TEST_F(BackupCliTest, AutoAndDailyFollowTheSettings) {
    QString out;
    EXPECT_EQ(run({"backup", "auto"}, &out), 0);
    EXPECT_EQ(out, QStringLiteral("Otomatik yedek kapalı.\n"));
    EXPECT_EQ(run({"backup", "daily"}, &out), 0);
    EXPECT_EQ(out, QStringLiteral("Otomatik günlük yedek kapalı.\n"));

    IniFile settings(dir.path() + QStringLiteral("/Yedekler.dan"));
    const QString folder = dir.path() + QStringLiteral("/oto/");
    QDir().mkpath(folder);
    settings.setValue("OtoYedekler", "YedekAl", "1");
    settings.setValue("OtoYedekler", "OtoGunluk", "1");
    settings.setValue("OtoYedekler", "SonOtoYedek", folder);
    settings.setValue("OtoYedekler", "YedekGun", "3");
    ASSERT_EQ(run({"backup", "auto"}, &out), 0);
    const QDate today = QDate::currentDate();
    EXPECT_TRUE(
        QFileInfo::exists(folder + QStringLiteral("VelkorENF_%1.zip").arg(today.toString("yyyy_MM_dd"))));
    EXPECT_EQ(run({"backup", "auto"}, &out), 0);
    EXPECT_EQ(out, QStringLiteral("Otomatik yedeğin zamanı gelmedi.\n"));
    EXPECT_EQ(run({"backup", "daily"}, &out), 0);
    EXPECT_EQ(out, QStringLiteral("Günlük yedek alındı.\n"));
    EXPECT_TRUE(QFileInfo::exists(dir.path() + QStringLiteral("/Yedek/OtoYedek2.zip")));
    EXPECT_EQ(run({"backup", "daily"}, &out), 0);
    EXPECT_EQ(out, QStringLiteral("Bugünün günlük yedeği alınmış.\n"));
}

} // namespace
} // namespace velkor
