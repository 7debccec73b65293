#include "support/ControlArgs.h"
#include "support/TestSupport.h"

#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheetControls.h"
#include "engine/WorkspaceStateControls.h"
#include "registry/RegistrationFormControls.h"
#include "reports/JournalSheetControls.h"
#include "reports/ReportSheetControls.h"
#include "storage/ConnectionStrings.h"
#include "storage/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using velkor::test::runCli;
using velkor::test::stepArg;

namespace {

namespace fa = velkor::ctl::fixedasset;
namespace reg = velkor::ctl::registration;

QStringList args(std::initializer_list<QString> list) {
    return QStringList(list);
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
    EXPECT_EQ(run(args({"company", "add", "NEW", "Yeni", "--set", stepArg(reg::Sira_No_Edit, "1")})), 1);
    EXPECT_TRUE(err.contains(reg::Sira_No_Edit)) << err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(file("Data/NEW.mdb")));
    EXPECT_EQ(run(args({"company", "update", "DEF", "--set", stepArg(reg::Sira_No_Edit, "1")})), 1);
    for (const QString& code :
         {stepArg(reg::KoduEdit, "../../other/Data/X"), stepArg(reg::KoduEdit, "../AnaData/Genel"),
          stepArg(reg::KoduEdit, "RENAMED")}) {
        EXPECT_EQ(run(args({"company", "update", "ABC", "--set", code})), 1) << code.toStdString();
        EXPECT_TRUE(err.startsWith(QStringLiteral("MESAJ: %1 alanı salt okunur").arg(reg::KoduEdit)))
            << err.toStdString();
    }
    EXPECT_EQ(companies(), twoCompanies);
    // What the window does take still goes through.
    EXPECT_EQ(run(args({"company", "update", "DEF", "--set", stepArg(reg::FirmaAdiEdit, "İkinci Ltd.")})), 0);
    EXPECT_TRUE(companies().contains(QStringLiteral("2\tDEF\tİkinci Ltd.\n")));
}

TEST_F(CliHardening, SheetControlsFollowTheirKindAndState) {
    for (const QString& step :
         {stepArg(fa::Kayit_No_Edit, "1"), stepArg(fa::DuzeltilmisTutarEdit, "5"),
          stepArg(fa::EnflasyonFarkEdit, "1"), stepArg(fa::MDVDVarRadio, "2"), stepArg(fa::MDVDVarRadio, "0"),
          stepArg(fa::FaizOcakAlCheck, "5"), stepArg(fa::FaizOcakAlCheck, "abc"),
          stepArg(fa::ROFMRadio, "abc"), stepArg(fa::ROFMRadio, "3"),
          stepArg(fa::itfaTarihiDate, "01.01.2010"),
          stepArg(velkor::ctl::workspace::HesapTarihiDate, "31.12.2022"), stepArg(fa::DuzeltBut, "1"),
          stepArg(fa::MDVDCombo, "01.01.2020"), stepArg(velkor::ctl::workspace::SBK_Ana_Combo, "999"),
          stepArg(fa::AmortYontemCombo, "NormalN"), stepArg(fa::GirisTarihiDate, "15.01.2024")}) {
        EXPECT_EQ(run(args({"sheet", "fixed", "--company", "ABC", "--set", step})), 1) << step.toStdString();
        EXPECT_TRUE(err.startsWith(QStringLiteral("MESAJ: "))) << step.toStdString() << err.toStdString();
        EXPECT_TRUE(out.isEmpty()) << step.toStdString();
    }
    EXPECT_EQ(
        run(args({"sheet", "fixed", "--company", "ABC", "--set", stepArg(fa::MDVDCombo, "01.01.2020")})), 1);
    EXPECT_TRUE(err.contains(
        QStringLiteral("MESAJ: %1 listesi yalnızca şu değerleri alır: 31.12.2004, ").arg(fa::MDVDCombo)))
        << err.toStdString();
    // The window refuses the same date with the same words.
    EXPECT_EQ(run(args({"sheet", "fixed", "--company", "ABC", "--set",
                        stepArg(fa::GirisTarihiDate, "15.01.2024")})),
              1);
    EXPECT_EQ(err, QStringLiteral("MESAJ: Tarih 01.01.1900 ile 31.12.2023 arasında olmalıdır.\n"));
    EXPECT_EQ(run(args({"sheet", "stock", "--company", "ABC", "--set",
                        stepArg(velkor::ctl::stock::Kayit_No_EditS, "1")})),
              1);
    EXPECT_EQ(run(args({"sheet", "fixed", "--company", "ABC", "--load", ""})), 2);
    EXPECT_EQ(
        run(args({"sheet", "fixed", "--company", "ABC", "--set", stepArg(fa::MDVDVarRadio, "1"), "--set",
                  stepArg(fa::FaizOcakAlCheck, "0"), "--set", stepArg(fa::ROFMRadio, "2"), "--set",
                  stepArg(fa::GirisTarihiDate, "1.2.2010"), "--set", stepArg(fa::MDVDCombo, "31.12.2022"),
                  "--set", stepArg(fa::DuzeltmeAnaHesapCombo, "253")})),
        0)
        << err.toStdString();
    EXPECT_TRUE(out.contains(stepArg(fa::MDVDVarRadio, "1") + QLatin1Char('\n')));
    EXPECT_TRUE(out.contains(stepArg(fa::ROFMRadio, "2") + QLatin1Char('\n')));
    EXPECT_TRUE(out.contains(stepArg(fa::GirisTarihiDate, "01.02.2010") + QLatin1Char('\n')));
    EXPECT_TRUE(err.isEmpty());
    // A drop-down list takes a value of its own list.
    EXPECT_TRUE(out.contains(stepArg(fa::MDVDCombo, "31.12.2022") + QLatin1Char('\n')));
    // Once "AÇ" enables the adjustment date, the user may pick it.
    EXPECT_EQ(
        run(args({"sheet", "fixed", "--company", "ABC", "--click", velkor::ctl::workspace::HesapTarihAcBut,
                  "--set", stepArg(velkor::ctl::workspace::HesapTarihiDate, "31.12.2022")})),
        0)
        << err.toStdString();
}

TEST_F(CliHardening, AmountsBeyondTheLimitNeverReachTheTable) {
    const QString huge = stepArg(fa::KayitliTutariEdit, QStringLiteral("1") + QString(400, QLatin1Char('0')));
    QStringList list = args({"sheet", "fixed", "--company", "ABC", "--set", stepArg(fa::KoduEdit, "01"),
                             "--set", stepArg(fa::AdiEdit, "X"), "--set"});
    list << huge << QStringLiteral("--click") << fa::KaydetButton;
    EXPECT_EQ(run(list), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("10^15"))) << err.toStdString();
    list[list.size() - 3] = stepArg(fa::KayitliTutariEdit, "1.000.000.000.000.001");
    EXPECT_EQ(run(list), 1);
    EXPECT_EQ(run(args({"items", "--company", "ABC"})), 0);
    EXPECT_EQ(out.count(QLatin1Char('\n')), 1) << out.toStdString();

    EXPECT_EQ(
        run(args({"sheet", "fixed", "--company", "ABC", "--set", stepArg(fa::AmortSureEdit, "99999999999")})),
        1);
    EXPECT_TRUE(err.contains(fa::AmortSureEdit) && err.contains(QStringLiteral("32767")))
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
    EXPECT_EQ(
        run(args({"company", "adopt", "ORPHAN", "Yetim A.Ş.", "--set", stepArg(reg::SehirEdit, "Bursa")})), 0)
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
    EXPECT_TRUE(out.contains(fa::Kayit_No_Edit + QStringLiteral("\tmetin\tKayıt No\tsalt okunur\t\n")));
    EXPECT_TRUE(out.contains(fa::KayitliTutariEdit +
                             QStringLiteral("\tmetin\tKayıtlı Değeri\tdeğiştirilebilir\ttutar")));
    EXPECT_TRUE(out.contains(fa::FaizOcakAlCheck +
                             QStringLiteral("\tonay kutusu\tOcak Ort. Faizi Al\tdeğiştirilebilir\t0|1\n")));
    EXPECT_TRUE(
        out.contains(fa::itfaTarihiDate + QStringLiteral("\ttarih\tİtfa Tarihi\tdevre dışı\tgg.aa.yyyy")));
    EXPECT_TRUE(
        out.contains(fa::MDVDVarRadio + QStringLiteral("\tseçenek düğmesi\tMDVD Var\tdeğiştirilebilir\t1 ")));
    EXPECT_TRUE(out.contains(velkor::ctl::workspace::HesapTarihiDate + QStringLiteral("\ttarih\t")));
    EXPECT_TRUE(out.contains(fa::DuzeltBut + QStringLiteral("\tdüğme\t")));
    for (const char* sheet : {"stock", "equity"}) {
        EXPECT_EQ(run(args({"sheet", sheet, "--controls"})), 0) << sheet;
        EXPECT_TRUE(out.contains(QStringLiteral("\tsalt okunur\t"))) << sheet;
    }
    EXPECT_EQ(run(args({"company", "add", "--controls"})), 0);
    EXPECT_TRUE(out.startsWith(reg::Sira_No_Edit + QStringLiteral("\tmetin\tSıra No\tdevre dışı\t\n") +
                               reg::KoduEdit + QStringLiteral("\tmetin\tFirma Kodu\tdeğiştirilebilir\t\n")));
    EXPECT_EQ(run(args({"company", "update", "ABC", "--controls"})), 0);
    EXPECT_TRUE(out.contains(reg::KoduEdit + QStringLiteral("\tmetin\tFirma Kodu\tsalt okunur\t\n")));
    // The report and journal tabs list theirs without a company.
    EXPECT_EQ(run(args({"report", "--controls"})), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(velkor::ctl::report::RaporListeCombo + QStringLiteral("\tliste\t")))
        << out.toStdString();
    EXPECT_TRUE(out.contains(velkor::ctl::report::DuzRapYazBut + QStringLiteral("\tdüğme\t")));
    EXPECT_EQ(run(args({"journal", "--controls"})), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(velkor::ctl::journal::YevmiyeCombo + QStringLiteral("\tliste\t")));
    EXPECT_EQ(run(args({"journal", "--controls", "--company", "ABC"})), 2);
}

} // namespace
