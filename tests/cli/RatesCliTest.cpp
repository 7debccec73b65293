#include "engine/FixedAssetSheetControls.h"
#include "storage/ConnectionStrings.h"
#include "storage/Database.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using velkor::test::runCli;

namespace {

class RatesCliTest : public ::testing::Test {
protected:
    int run(QStringList args, QString* out = nullptr, QString* err = nullptr) {
        args.prepend(dir.path());
        args.prepend(QStringLiteral("--home"));
        return runCli(args, out, err);
    }
    QString writeFile(const QString& name, const QString& text) {
        const QString path = dir.path() + QLatin1Char('/') + name;
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(text.toUtf8());
        return path;
    }
    /// The output line of a sheet field.
    static QString fieldOf(const QString& out, const QString& name) {
        for (const QString& line : out.split(QLatin1Char('\n')))
            if (line.startsWith(name + QLatin1Char('=')))
                return line.mid(name.size() + 1);
        return QStringLiteral("(yok)");
    }
    QStringList fixedAsset(const QString& entry, const QStringList& more = {}) {
        QStringList args{QStringLiteral("sheet"),
                         QStringLiteral("fixed"),
                         QStringLiteral("--company"),
                         QStringLiteral("K1"),
                         QStringLiteral("--set"),
                         velkor::ctl::fixedasset::DuzeltmeAnaHesapCombo + QStringLiteral("=253"),
                         QStringLiteral("--set"),
                         velkor::ctl::fixedasset::KayitliTutariEdit + QStringLiteral("=500.000,00"),
                         QStringLiteral("--set"),
                         velkor::ctl::fixedasset::GirisTarihiDate + QStringLiteral("=") + entry};
        return args + more + QStringList{QStringLiteral("--click"), velkor::ctl::fixedasset::DuzeltBut};
    }

    QTemporaryDir dir;
};

TEST_F(RatesCliTest, AnEarlierInstallationIsUpdatedAndComputesOnTheCorrectedDecember2004) {
    ASSERT_EQ(run({QStringLiteral("init")}), 0);
    {
        velkor::Database rates(dir.path() + QStringLiteral("/AnaData/Oranlar.mdb"),
                               velkor::kDatabasePassword);
        velkor::test::makeEarlierReferenceData(rates);
    }
    QString out, err;
    ASSERT_EQ(
        run({QStringLiteral("company"), QStringLiteral("add"), QStringLiteral("K1"), QStringLiteral("Bir")},
            &out, &err),
        0);
    EXPECT_TRUE(err.contains(QStringLiteral("veri sürümü 1 → 2"))) << err.toStdString();

    ASSERT_EQ(run(fixedAsset(QStringLiteral("15.06.2003")), &out, &err), 0) << err.toStdString();
    EXPECT_EQ(fieldOf(out, velkor::ctl::fixedasset::GirisYi_UfeEdit), QStringLiteral("118,00"));
    EXPECT_EQ(fieldOf(out, velkor::ctl::fixedasset::DuzeltKatsayiEdit), QStringLiteral("24,70356"));
    EXPECT_FALSE(err.contains(QStringLiteral("veri sürümü"))) << "updated once only";

    ASSERT_EQ(run({QStringLiteral("rates"), QStringLiteral("show"), QStringLiteral("amortisman")}, &out), 0);
    EXPECT_EQ(out.count(QLatin1Char('\n')), 90);
    EXPECT_TRUE(out.contains(QStringLiteral(",,6.12.1.,,6.12.1.,Uçak ve uçak simülatörleri,25,,0.0400,506")));
}

TEST_F(RatesCliTest, AddedInterestRatesMakeTheTotalFinancingOfA2022LoanCompute) {
    ASSERT_EQ(run({QStringLiteral("init")}), 0);
    ASSERT_EQ(
        run({QStringLiteral("company"), QStringLiteral("add"), QStringLiteral("K1"), QStringLiteral("Bir")}),
        0);
    const QStringList financing{
        QStringLiteral("--set"), velkor::ctl::fixedasset::ROFMRadio + QStringLiteral("=1"),
        QStringLiteral("--set"), velkor::ctl::fixedasset::ROFMBasDate + QStringLiteral("=01.03.2022"),
        QStringLiteral("--set"), velkor::ctl::fixedasset::ROFMFaizEdit + QStringLiteral("=40.000,00")};
    QString out, err;
    EXPECT_EQ(run(fixedAsset(QStringLiteral("01.03.2022"), financing), &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("Döneme ait ortalama faiz verisi bulunamamıştır!")));
    EXPECT_EQ(fieldOf(out, velkor::ctl::fixedasset::DuzeltilmisTutarEdit), QString());

    QString rates = QStringLiteral("year,month,rate\n");
    for (int month = 1; month <= 12; ++month)
        rates += QStringLiteral("2022,%1,%2\n").arg(month).arg(QString::number(19.5 + month, 'f', 2));
    const QString bad = writeFile(QStringLiteral("hatali.csv"), rates + QStringLiteral("2022,12,31.50\n"));
    EXPECT_EQ(run({QStringLiteral("rates"), QStringLiteral("add"), QStringLiteral("faiz"),
                   QStringLiteral("--file"), bad, QStringLiteral("--answer"), QStringLiteral("Evet")},
                  nullptr, &err),
              1);
    EXPECT_TRUE(err.contains(QStringLiteral("Satır 14: 2022-12 dosyada ikinci kez geçiyor (satır 13)")))
        << err.toStdString();
    ASSERT_EQ(run({QStringLiteral("rates"), QStringLiteral("show"), QStringLiteral("faiz"),
                   QStringLiteral("--year"), QStringLiteral("2022")},
                  &out),
              0);
    EXPECT_EQ(out, QStringLiteral("year,month,rate\n"));

    const QString good = writeFile(QStringLiteral("faiz2022.csv"), rates);
    ASSERT_EQ(run({QStringLiteral("rates"), QStringLiteral("add"), QStringLiteral("faiz"),
                   QStringLiteral("--file"), good, QStringLiteral("--source"),
                   QStringLiteral("GİB sirküleri"), QStringLiteral("--answer"), QStringLiteral("Evet")},
                  nullptr, &err),
              0)
        << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("12 satır eklenecek, 0 satır düzeltilecek")));

    ASSERT_EQ(run(fixedAsset(QStringLiteral("01.03.2022"), financing), &out, &err), 0) << err.toStdString();
    EXPECT_EQ(fieldOf(out, velkor::ctl::fixedasset::ROFMFaizOranEdit), QStringLiteral("20,50"));
    EXPECT_NE(fieldOf(out, velkor::ctl::fixedasset::ROFMEdit), QString());
    EXPECT_NE(fieldOf(out, velkor::ctl::fixedasset::DuzeltilmisTutarEdit), QString());

    ASSERT_EQ(run({QStringLiteral("rates"), QStringLiteral("history")}, &out), 0);
    EXPECT_EQ(out.count(QStringLiteral("\tOrtalama_Faiz\t2022-")), 12);
    EXPECT_TRUE(out.contains(QStringLiteral("\t20,50\tGİB sirküleri\n")));
    EXPECT_EQ(run({QStringLiteral("rates"), QStringLiteral("rebuild")}, nullptr, &err), 0);
    EXPECT_TRUE(err.contains(QStringLiteral("Ortalama faiz 2022-01: 20,50")));
    EXPECT_EQ(run({QStringLiteral("rates"), QStringLiteral("show"), QStringLiteral("tefe")}), 2);
}

} // namespace
