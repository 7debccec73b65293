#include "support/TestSupport.h"

#include "storage/ConnectionStrings.h"
#include "storage/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using velkor::test::runCli;

namespace {

QStringList args(std::initializer_list<const char*> list) {
    QStringList result;
    for (const char* a : list)
        result << QString::fromUtf8(a);
    return result;
}

// An installation with the companies ABC and DEF, driven through the command line.
class CliHardening : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(run(args({"init"})), 0);
        ASSERT_EQ(run(args({"company", "add", "ABC", "Birinci"})), 0);
        ASSERT_EQ(run(args({"company", "add", "DEF", "İkinci"})), 0);
    }
    int run(QStringList list) {
        list.prepend(dir.path());
        list.prepend(QStringLiteral("--home"));
        return runCli(list, &out, &err);
    }
    QString file(const char* relative) const {
        return dir.path() + QLatin1Char('/') + QString::fromUtf8(relative);
    }
    QString companies() {
        QString saved = out;
        run(args({"company", "list"}));
        std::swap(saved, out);
        return saved;
    }
    QTemporaryDir dir;
    QString out;
    QString err;
    const QString twoCompanies = QStringLiteral("1\tABC\tBirinci\n2\tDEF\tİkinci\n");
};

TEST_F(CliHardening, RegistryFieldsTheWindowShowsReadOnlyAreRefused) {
    EXPECT_EQ(run(args({"company", "add", "NEW", "Yeni", "--set", "Sira_No_Edit=1"})), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("Sira_No_Edit"))) << err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(file("Data/NEW.mdb")));
    EXPECT_EQ(run(args({"company", "update", "DEF", "--set", "Sira_No_Edit=1"})), 1);
    for (const char* code :
         {"KoduEdit=../../other/Data/X", "KoduEdit=../AnaData/Genel", "KoduEdit=RENAMED"}) {
        EXPECT_EQ(run(args({"company", "update", "ABC", "--set", code})), 1) << code;
        EXPECT_TRUE(err.startsWith(QStringLiteral("MESAJ: KoduEdit alanı salt okunur"))) << err.toStdString();
    }
    EXPECT_EQ(companies(), twoCompanies);
    // What the window does take still goes through.
    EXPECT_EQ(run(args({"company", "update", "DEF", "--set", "FirmaAdiEdit=İkinci Ltd."})), 0);
    EXPECT_TRUE(companies().contains(QStringLiteral("2\tDEF\tİkinci Ltd.\n")));
}

TEST_F(CliHardening, SheetControlsFollowTheirKindAndState) {
    for (const char* step :
         {"Kayit_No_Edit=1", "DuzeltilmisTutarEdit=5", "EnflasyonFarkEdit=1", "MDVDVarRadio=2",
          "MDVDVarRadio=0", "FaizOcakAlCheck=5", "FaizOcakAlCheck=abc", "ROFMRadio=abc", "ROFMRadio=3",
          "itfaTarihiDate=01.01.2010", "HesapTarihiDate=31.12.2022", "DuzeltBut=1"}) {
        EXPECT_EQ(run(args({"sheet", "fixed", "--company", "ABC", "--set", step})), 1) << step;
        EXPECT_TRUE(err.startsWith(QStringLiteral("MESAJ: "))) << step << err.toStdString();
        EXPECT_TRUE(out.isEmpty()) << step;
    }
    EXPECT_EQ(run(args({"sheet", "stock", "--company", "ABC", "--set", "Kayit_No_EditS=1"})), 1);
    EXPECT_EQ(run(args({"sheet", "fixed", "--company", "ABC", "--load", ""})), 2);
    EXPECT_EQ(run(args({"sheet", "fixed", "--company", "ABC", "--set", "MDVDVarRadio=1", "--set",
                        "FaizOcakAlCheck=0", "--set", "ROFMRadio=2", "--set", "GirisTarihiDate=1.2.2010"})),
              0)
        << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("MDVDVarRadio=1\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("ROFMRadio=2\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("GirisTarihiDate=01.02.2010\n")));
    // Once "AÇ" enables the adjustment date, the user may pick it.
    EXPECT_EQ(run(args({"sheet", "fixed", "--company", "ABC", "--click", "HesapTarihAcBut", "--set",
                        "HesapTarihiDate=31.12.2022"})),
              0)
        << err.toStdString();
}

TEST_F(CliHardening, AmountsBeyondTheLimitNeverReachTheTable) {
    const QString huge = QStringLiteral("KayitliTutariEdit=1") + QString(400, QLatin1Char('0'));
    QStringList list =
        args({"sheet", "fixed", "--company", "ABC", "--set", "KoduEdit=01", "--set", "AdiEdit=X", "--set"});
    list << huge << QStringLiteral("--click") << QStringLiteral("KaydetButton");
    EXPECT_EQ(run(list), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("10^15"))) << err.toStdString();
    list[list.size() - 3] = QStringLiteral("KayitliTutariEdit=1.000.000.000.000.001");
    EXPECT_EQ(run(list), 1);
    EXPECT_EQ(run(args({"items", "--company", "ABC"})), 0);
    EXPECT_EQ(out.count(QLatin1Char('\n')), 1) << out.toStdString();

    EXPECT_EQ(run(args({"sheet", "fixed", "--company", "ABC", "--set", "AmortSureEdit=99999999999"})), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("AmortSureEdit")) && err.contains(QStringLiteral("32767")))
        << err.toStdString();
}

TEST_F(CliHardening, AMissingSharedDatabaseStopsAndIsNotRecreated) {
    for (const char* name : {"AnaData/Genel.mdb", "AnaData/Oranlar.mdb", "AnaData/SBK.mdb"}) {
        const QString path = file(name);
        ASSERT_TRUE(QFile::rename(path, path + QStringLiteral(".kenar")));
        EXPECT_EQ(run(args({"company", "list"})), 1) << name;
        EXPECT_TRUE(err.contains(path)) << err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(path)) << name;
        ASSERT_TRUE(QFile::rename(path + QStringLiteral(".kenar"), path));
    }
    EXPECT_EQ(companies(), twoCompanies);
}

TEST_F(CliHardening, ADamagedTemplateLeavesNothingBehind) {
    QFile templ(file("SBK.mdb"));
    for (const QByteArray& content : {QByteArray(), QByteArray(4096, 'x')}) {
        ASSERT_TRUE(templ.open(QIODevice::WriteOnly | QIODevice::Truncate));
        templ.write(content);
        templ.close();
        EXPECT_EQ(run(args({"company", "add", "NEW", "Yeni"})), 1);
        EXPECT_TRUE(err.contains(QStringLiteral("bozuk"))) << err.toStdString();
        EXPECT_TRUE(err.contains(file("SBK.mdb"))) << err.toStdString();
        EXPECT_EQ(QDir(file("Data")).entryList(QDir::Files), (QStringList{"ABC.mdb", "DEF.mdb"}));
        EXPECT_EQ(companies(), twoCompanies);
    }
}

TEST_F(CliHardening, InterruptedCreationsAreFinishedOrUndoneAtStartUp) {
    // Killed after the row was stored: the file moves into place.
    ASSERT_TRUE(QFile::rename(file("Data/DEF.mdb"), file("Data/DEF.mdb.yeni")));
    // Killed before the row was stored: the file goes.
    ASSERT_TRUE(QFile::copy(file("SBK.mdb"), file("Data/NEW.mdb.yeni")));
    EXPECT_EQ(companies(), twoCompanies);
    EXPECT_EQ(QDir(file("Data")).entryList(QDir::Files), (QStringList{"ABC.mdb", "DEF.mdb"}));
    EXPECT_EQ(run(args({"sheet", "fixed", "--company", "DEF"})), 0) << err.toStdString();
    EXPECT_EQ(run(args({"company", "add", "NEW", "Yeni"})), 0) << err.toStdString();
}

TEST_F(CliHardening, FilesWithoutRowsAreReportedAdoptedOrDiscarded) {
    EXPECT_EQ(run(args({"company", "list", "--check"})), 0);
    ASSERT_TRUE(QFile::copy(file("SBK.mdb"), file("Data/ORPHAN.mdb")));
    ASSERT_TRUE(QFile::copy(file("SBK.mdb"), file("Data/STRAY.mdb")));
    ASSERT_TRUE(QFile::remove(file("Data/DEF.mdb")));
    EXPECT_EQ(run(args({"company", "list", "--check"})), 1);
    EXPECT_EQ(out,
              twoCompanies + QStringLiteral("KAYITSIZ DOSYA\tORPHAN\tData/ORPHAN.mdb\n"
                                            "KAYITSIZ DOSYA\tSTRAY\tData/STRAY.mdb\nDOSYASI YOK\tDEF\n"));
    EXPECT_TRUE(err.contains(QStringLiteral("company adopt")));

    // A file without a row blocks its code until it is adopted or discarded.
    EXPECT_EQ(run(args({"company", "add", "ORPHAN", "Yetim"})), 1);
    EXPECT_EQ(run(args({"company", "adopt", "ORPHAN", "Yetim A.Ş.", "--set", "SehirEdit=Bursa"})), 0)
        << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("3\n"));
    EXPECT_EQ(run(args({"company", "adopt", "ORPHAN", "Tekrar"})), 1);
    EXPECT_EQ(run(args({"company", "adopt", "ABC", "Tekrar"})), 1);
    EXPECT_EQ(run(args({"sheet", "fixed", "--company", "ORPHAN"})), 0) << err.toStdString();

    EXPECT_EQ(run(args({"company", "discard", "STRAY", "--answer", "Hayir"})), 1);
    EXPECT_TRUE(QFileInfo::exists(file("Data/STRAY.mdb")));
    EXPECT_EQ(run(args({"company", "discard", "ABC", "--answer", "Evet"})), 1);
    EXPECT_TRUE(QFileInfo::exists(file("Data/ABC.mdb")));
    EXPECT_EQ(run(args({"company", "discard", "STRAY", "--answer", "Evet"})), 0);
    EXPECT_FALSE(QFileInfo::exists(file("Data/STRAY.mdb")));

    // A damaged file is not adopted.
    QFile damaged(file("Data/BAD.mdb"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("no database");
    damaged.close();
    EXPECT_EQ(run(args({"company", "adopt", "BAD", "Bozuk"})), 1);
    EXPECT_TRUE(err.contains(file("Data/BAD.mdb"))) << err.toStdString();
}

TEST_F(CliHardening, StoredCodesThatAreNoPlainFileNameNeverOpenAFile) {
    {
        velkor::Database general(file("AnaData/Genel.mdb"), velkor::kDatabasePassword);
        general.execute(QStringLiteral("UPDATE firmalar SET kodu = ? WHERE kodu = 'DEF'"),
                        {QStringLiteral("../AnaData/Genel")});
    }
    for (const char* command : {"sheet", "totals"}) {
        QStringList list = args({command});
        if (list.first() == QLatin1String("sheet"))
            list << QStringLiteral("fixed");
        list << QStringLiteral("--company") << QStringLiteral("../AnaData/Genel");
        EXPECT_EQ(run(list), 1) << command;
        EXPECT_TRUE(err.contains(QStringLiteral("dosya adı olarak kullanılamaz"))) << err.toStdString();
    }
}

TEST_F(CliHardening, ControlsAreListedFromTheFormModels) {
    EXPECT_EQ(run(args({"sheet", "fixed", "--controls"})), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Kayit_No_Edit\tmetin\tKayıt No\tsalt okunur\t\n")));
    EXPECT_TRUE(
        out.contains(QStringLiteral("KayitliTutariEdit\tmetin\tKayıtlı Değeri\tdeğiştirilebilir\ttutar")));
    EXPECT_TRUE(out.contains(
        QStringLiteral("FaizOcakAlCheck\tonay kutusu\tOcak Ort. Faizi Al\tdeğiştirilebilir\t0|1\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("itfaTarihiDate\ttarih\tİtfa Tarihi\tdevre dışı\tgg.aa.yyyy")));
    EXPECT_TRUE(
        out.contains(QStringLiteral("MDVDVarRadio\tseçenek düğmesi\tMDVD Var\tdeğiştirilebilir\t1 ")));
    EXPECT_TRUE(out.contains(QStringLiteral("HesapTarihiDate\ttarih\t")));
    EXPECT_TRUE(out.contains(QStringLiteral("DuzeltBut\tdüğme\t")));
    for (const char* sheet : {"stock", "equity"}) {
        EXPECT_EQ(run(args({"sheet", sheet, "--controls"})), 0) << sheet;
        EXPECT_TRUE(out.contains(QStringLiteral("\tsalt okunur\t"))) << sheet;
    }
    EXPECT_EQ(run(args({"company", "add", "--controls"})), 0);
    EXPECT_TRUE(out.startsWith(QStringLiteral("Sira_No_Edit\tmetin\tSıra No\tdevre dışı\t\n"
                                              "KoduEdit\tmetin\tFirma Kodu\tdeğiştirilebilir\t\n")));
    EXPECT_EQ(run(args({"company", "update", "ABC", "--controls"})), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("KoduEdit\tmetin\tFirma Kodu\tsalt okunur\t\n")));
}

} // namespace
