#include "support/ControlArgs.h"
#include "support/TestSupport.h"

#include "engine/FixedAssetSheetControls.h"
#include "registry/RegistrationFormControls.h"
#include "storage/ConnectionStrings.h"
#include "storage/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using velkor::test::runCli;
using velkor::test::runCliIn;
using velkor::test::stepArg;

namespace {

namespace fa = velkor::ctl::fixedasset;
namespace reg = velkor::ctl::registration;

QStringList args(std::initializer_list<QString> list) {
    return QStringList(list);
}

// An installation with the company ABC, driven through the command line: what the program
// refuses must exit 1 and leave the data as it was.
class CliRefusal : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(run(args({"init"})), 0);
        ASSERT_EQ(run(args({"company", "add", "ABC", "Birinci"})), 0);
    }
    int run(QStringList list) {
        list.prepend(dir.path());
        list.prepend(QStringLiteral("--home"));
        return runCli(list, &out, &err);
    }
    QString file(const QString& relative) const { return dir.path() + QLatin1Char('/') + relative; }
    QString companies() {
        QString saved = out;
        run(args({"company", "list"}));
        std::swap(saved, out);
        return saved;
    }
    QStringList sheetWith(const QString& step) const {
        return args({"sheet", "fixed", "--company", "ABC", "--set", step});
    }
    QTemporaryDir dir;
    QString out;
    QString err;
};

TEST_F(CliRefusal, CodesThatDifferOnlyInCaseNameOneCompany) {
    ASSERT_EQ(run(args({"company", "add", "IŞIK", "Işık Ltd."})), 0) << err.toStdString();
    ASSERT_EQ(run(args({"company", "add", "İZMİR", "İzmir A.Ş."})), 0) << err.toStdString();
    // Plain case, and the Turkish pairs ı/I and i/İ, which plain lower-casing tells apart.
    for (const char* twin : {"abc", "Abc", "ışık", "izmir", "İzmir"}) {
        const QString code = QString::fromUtf8(twin);
        EXPECT_EQ(run(args({"company", "add", code, "İkiz"})), 1) << twin;
        EXPECT_TRUE(err.contains(QStringLiteral("büyük/küçük harf"))) << err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(file(QStringLiteral("Data/%1.mdb").arg(code)))) << twin;
    }
    EXPECT_EQ(companies(), QStringLiteral("1\tABC\tBirinci\n2\tIŞIK\tIşık Ltd.\n3\tİZMİR\tİzmir A.Ş.\n"));
    // Codes that only look alike stay apart.
    EXPECT_EQ(run(args({"company", "add", "ABCD", "Dördüncü"})), 0) << err.toStdString();
    // A file in Data/ without a row counts too, and adopting it is refused alike.
    ASSERT_TRUE(QFile::copy(file("Data/ABC.mdb"), file("Data/abc.mdb")));
    EXPECT_EQ(run(args({"company", "adopt", "abc", "İkiz"})), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("büyük/küçük harf"))) << err.toStdString();
}

TEST_F(CliRefusal, TheCheckReportsCaseTwinsOfAnEarlierReleaseAndHowToRenameOne) {
    // An earlier release let both in: a second file and row under the code in lower case.
    ASSERT_TRUE(QFile::copy(file("Data/ABC.mdb"), file("Data/abc.mdb")));
    {
        velkor::Database general(file("AnaData/Genel.mdb"), velkor::kDatabasePassword);
        general.execute(QStringLiteral("INSERT INTO firmalar (kodu, firmaadi) VALUES (?, ?)"),
                        {QStringLiteral("abc"), QStringLiteral("İkiz")});
    }
    EXPECT_EQ(run(args({"company", "list", "--check"})), 1);
    EXPECT_TRUE(out.contains(QStringLiteral("AYNI KOD\tABC\tabc\n"))) << out.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("\"company adopt YENIKOD AD\""))) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("\"company delete abc --answer Evet\""))) << err.toStdString();

    // The advice, followed, leaves an installation the check passes.
    ASSERT_TRUE(QFile::rename(file("Data/abc.mdb"), file("Data/YENIKOD.mdb")));
    EXPECT_EQ(run(args({"company", "adopt", "YENIKOD", "İkiz"})), 0) << err.toStdString();
    EXPECT_EQ(run(args({"company", "delete", "abc", "--answer", "Evet"})), 0) << err.toStdString();
    EXPECT_EQ(run(args({"company", "list", "--check"})), 0) << err.toStdString();
    EXPECT_EQ(companies(), QStringLiteral("1\tABC\tBirinci\n3\tYENIKOD\tİkiz\n"));
}

TEST_F(CliRefusal, AmountFieldsTakeOnlyAmountsOfTheRegionalFormat) {
    for (const char* text :
         {"1e309", "0x10", "5-", "=1/0", "(100)", "inf", "abc", "1,2,3", "12,", "1.00.000", "--5", "5 000"}) {
        EXPECT_EQ(run(sheetWith(stepArg(fa::KayitliTutariEdit, QString::fromUtf8(text)))), 1) << text;
        EXPECT_TRUE(
            err.startsWith(QStringLiteral("MESAJ: %1 alanı bir tutar alır").arg(fa::KayitliTutariEdit)))
            << text << err.toStdString();
        EXPECT_TRUE(out.isEmpty()) << text;
    }
    for (const char* text : {"900.000,00", "900000", "-12,5", "+7", "1.234.567,89", ""}) {
        EXPECT_EQ(run(sheetWith(stepArg(fa::KayitliTutariEdit, QString::fromUtf8(text)))), 0)
            << text << err.toStdString();
        EXPECT_TRUE(out.contains(stepArg(fa::KayitliTutariEdit, QString::fromUtf8(text)) + QLatin1Char('\n')))
            << text << out.toStdString();
    }
    // The useful life takes digits only.
    EXPECT_EQ(run(sheetWith(stepArg(fa::AmortSureEdit, "5a"))), 1);
    EXPECT_EQ(run(sheetWith(stepArg(fa::AmortSureEdit, "5"))), 0) << err.toStdString();
    // The format is the desktop's: an English desktop groups with "," and marks decimals with ".".
    const QStringList english = {"--home", dir.path(), "sheet", "fixed", "--company", "ABC", "--set"};
    EXPECT_EQ(runCliIn(QStringLiteral("en_US.UTF-8"),
                       english + QStringList{stepArg(fa::KayitliTutariEdit, "900,000.50")}, &out, &err),
              0)
        << err.toStdString();
    EXPECT_EQ(runCliIn(QStringLiteral("en_US.UTF-8"),
                       english + QStringList{stepArg(fa::KayitliTutariEdit, "900.000,50")}, &out, &err),
              1);
}

TEST_F(CliRefusal, ARefusedSaveOfTheRegistrationExitsOne) {
    EXPECT_EQ(run(args({"company", "update", "ABC", "--click", reg::yeniButton})), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("Firma kodunu boş geçemezsiniz."))) << err.toStdString();
    EXPECT_EQ(companies(), QStringLiteral("1\tABC\tBirinci\n"));
    EXPECT_EQ(run(args({"company", "update", "ABC", "--set", stepArg(reg::FirmaAdiEdit, "Birinci Ltd.")})),
              0);
    EXPECT_EQ(companies(), QStringLiteral("1\tABC\tBirinci Ltd.\n"));
}

TEST_F(CliRefusal, ControlCharactersStayOutOfNamesAndRegistrationFields) {
    const QString escape = QStringLiteral("Kırmızı\x1b[31m");
    for (const QString& text : {QStringLiteral("İki\nsatır"), QStringLiteral("Sekme\tile"), escape,
                                QStringLiteral("Satır\u2028ayracı"), QStringLiteral("C1\u0085")}) {
        EXPECT_EQ(run(args({"company", "add", "NEW", text})), 1) << text.toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("kontrol karakteri"))) << err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(file("Data/NEW.mdb")));
        EXPECT_EQ(run(args({"company", "update", "ABC", "--set", stepArg(reg::AdresiEdit, text)})), 1);
        EXPECT_EQ(run(args({"company", "update", "ABC", "--set", stepArg(reg::YetkiliUnvanEdit, text)})), 1);
        EXPECT_EQ(run(sheetWith(stepArg(fa::AdiEdit, text))), 1) << text.toStdString();
        EXPECT_TRUE(err.contains(fa::AdiEdit)) << err.toStdString();
    }
    EXPECT_EQ(companies(), QStringLiteral("1\tABC\tBirinci\n"));
    EXPECT_EQ(run(args({"items", "--company", "ABC"})), 0);
    EXPECT_EQ(out.count(QLatin1Char('\n')), 1) << out.toStdString();

    // A name an earlier release let in keeps the list one line a company.
    {
        velkor::Database general(file(QStringLiteral("AnaData/Genel.mdb")), velkor::kDatabasePassword);
        general.execute(QStringLiteral("UPDATE firmalar SET firmaadi = ?"),
                        {QStringLiteral("Bir\tiki\nüç\x1b")});
    }
    EXPECT_EQ(companies(), QStringLiteral("1\tABC\tBir\\tiki\\nüç\\u001b\n"));
}

// The engine's refusals say in Turkish what happened and keep the engine's text as the detail.
TEST_F(CliRefusal, AnUnwritableCompanySaysSoInTurkish) {
    // An immutable file refuses writes even to root, who runs this suite.
    const QString company = file(QStringLiteral("Data/ABC.mdb"));
    if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), company}) != 0)
        GTEST_SKIP() << "chattr +i is not available here";
    const int saved = run(args({"sheet", "fixed", "--company", "ABC", "--set", stepArg(fa::KoduEdit, "01"),
                                "--set", stepArg(fa::AdiEdit, "Makine"), "--click", fa::KaydetButton}));
    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), company});
    EXPECT_EQ(saved, 1);
    EXPECT_TRUE(
        err.startsWith(QStringLiteral("HATA: %1 dosyasına yazılamıyor: dosya salt okunur ya da bulunduğu "
                                      "klasöre yazma izni yok.")
                           .arg(QFileInfo(company).absoluteFilePath())))
        << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("(Ayrıntı: attempt to write a readonly database)")))
        << err.toStdString();
    EXPECT_EQ(run(args({"items", "--company", "ABC"})), 0);
    EXPECT_EQ(out.count(QLatin1Char('\n')), 1) << out.toStdString();
}

// A disk that takes no more: the child may write files of at most a few kilobytes (it ignores
// the signal, so its writes fail as on a full disk). The cause must show, not the rollback
// that failed after it.
TEST_F(CliRefusal, ABackupOnADiskThatTakesNoMoreSaysWhyNotTheRollback) {
    for (int i = 1; i <= 8; ++i)
        ASSERT_EQ(run(args({"sheet", "fixed", "--company", "ABC", "--set",
                            stepArg(fa::KoduEdit, QString::number(i)), "--set",
                            stepArg(fa::AdiEdit, QStringLiteral("Makine %1").arg(i)), "--click",
                            fa::KaydetButton})),
                  0)
            << err.toStdString();
    QProcess process;
    process.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{6 * 1024, 6 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    process.start(QStringLiteral(VELKOR_CLI_PATH),
                  {QStringLiteral("--home"), dir.path(), QStringLiteral("backup"), QStringLiteral("all"),
                   QStringLiteral("--out"), file(QStringLiteral("Y.zip"))});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString error = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitCode(), 1) << error.toStdString();
    EXPECT_FALSE(error.contains(QStringLiteral("rollback"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("disk hatası oluştu (disk dolu"))) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(file(QStringLiteral("Y.zip"))));
}

} // namespace
