#include "periods/PeriodReport.h"
#include "periods/PeriodSheetControls.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace velkor {
namespace {

namespace c = ctl::period;
using test::runCli;

// A company file of the release before the later periods, with its 31.12.2023 work, taken
// through a period on the command line as a user would.
class PeriodCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(run({"init"}), 0);
        ASSERT_TRUE(QFile::copy(QStringLiteral(VELKOR_TEST_SOURCE_DIR "/periods/data/ESK.mdb"),
                                dir.path() + QStringLiteral("/Data/ESK.mdb")));
        QFile::setPermissions(dir.path() + QStringLiteral("/Data/ESK.mdb"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        ASSERT_EQ(run({"company", "adopt", "ESK", "Eski Dosya A.Ş."}), 0);
    }

    int run(std::initializer_list<const char*> words, QString* out = nullptr, QString* err = nullptr) {
        QStringList args{QStringLiteral("--home"), dir.path()};
        for (const char* word : words)
            args << QString::fromUtf8(word);
        return runCli(args, out, err);
    }
    int run(const QStringList& words, QString* out = nullptr, QString* err = nullptr) {
        return runCli(QStringList{QStringLiteral("--home"), dir.path()} + words, out, err);
    }

    QStringList periodArgs(const char* word, const char* end = "31.12.2024") {
        return {QStringLiteral("period"), QString::fromUtf8(word), QStringLiteral("--company"),
                QStringLiteral("ESK"),    QStringLiteral("--end"), QString::fromUtf8(end)};
    }

    /// The line of the report that starts with the account and sub-account.
    static QString lineOf(const QString& report, const QString& start) {
        for (const QString& line : report.split(QLatin1Char('\n')))
            if (line.startsWith(start))
                return line;
        return {};
    }

    QTemporaryDir dir;
};

TEST_F(PeriodCliTest, YearEndFromTheBaseReportJournalVouchersCloseAndReopen) {
    QString out, err, baseJournal, baseReport;
    ASSERT_EQ(run({"journal", "--company", "ESK"}, &baseJournal), 0);
    ASSERT_EQ(run({"report", "--company", "ESK"}, &baseReport), 0);

    ASSERT_EQ(run(periodArgs("add"), &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("31.12.2024\tYasal\tAçık\n"));

    ASSERT_EQ(run(periodArgs("report"), &out), 0);
    EXPECT_EQ(out.section(QLatin1Char('\n'), 0, 0), periodLineHeaders().join(QLatin1Char('\t')));
    // 474.041,00 carried with TK 1,28525 (no quarter adjusted in 2024).
    EXPECT_TRUE(
        lineOf(out, QStringLiteral("253\t01\tTORNA TEZGAHI\t"))
            .startsWith(QStringLiteral("253\t01\tTORNA TEZGAHI\tDevreden\t474.041,00\t1,28525\t609.261,20\t"
                                       "135.220,20\t")));
    EXPECT_FALSE(
        lineOf(out, QStringLiteral("570\t698\tENFLASYON DÜZELTME KARI\tDevreden\t577.301,28")).isEmpty());
    EXPECT_FALSE(lineOf(out, QStringLiteral("G698\t")).isEmpty());
    EXPECT_FALSE(lineOf(out, QStringLiteral("Kapanış\t698 / 690\t")).isEmpty());
    EXPECT_FALSE(lineOf(out, QStringLiteral("Beyana esas fark\t")).isEmpty());

    // The period's inputs of a carried line: a typed DP enters the AD before the adjustment.
    ASSERT_EQ(
        run(periodArgs("item") + QStringList{"--id", "1", "--set", c::KalemDonemAmortEdit + "=80.000,00"},
            &out, &err),
        0)
        << err.toStdString();
    EXPECT_TRUE(out.contains(c::KalemDonemAmortEdit + QStringLiteral("=80.000,00\n")));
    ASSERT_EQ(run(periodArgs("report"), &out), 0);
    const QStringList machine = lineOf(out, QStringLiteral("253\t01\t")).split(QLatin1Char('\t'));
    EXPECT_EQ(machine.value(8), QStringLiteral("80.000,00"));
    EXPECT_EQ(machine.value(9), QStringLiteral("364.424,60"));

    // A new item: its entry date must lie after the previous adjusted period.
    const QStringList newItem{"--new",
                              "--set",
                              c::KalemHesapEdit + "=253",
                              "--set",
                              c::KalemAltHesapEdit + "=02",
                              "--set",
                              c::KalemAdiEdit + "=FORKLİFT",
                              "--set",
                              c::KalemDefterDegeriEdit + "=100.000,00",
                              "--set",
                              c::KalemOmurEdit + "=5",
                              "--set"};
    EXPECT_EQ(
        run(periodArgs("item") + newItem + QStringList{c::KalemGirisTarihiEdit + "=15.12.2023"}, &out, &err),
        1);
    EXPECT_TRUE(err.contains(QStringLiteral("Bu tarihte aktife girmiş bir kalem önceki düzeltme döneminde "
                                            "düzeltilmelidir.")));
    ASSERT_EQ(
        run(periodArgs("item") + newItem + QStringList{c::KalemGirisTarihiEdit + "=15.01.2024"}, &out, &err),
        0)
        << err.toStdString();
    EXPECT_TRUE(
        out.contains(QStringLiteral("253\t02\tFORKLİFT\tYeni\t100.000,00\t1,23420\t123.420,00\t23.420,00")));

    // The journal is dated at the period's end.
    ASSERT_EQ(run(periodArgs("journal"), &out), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("31/12/2024 ENFLASYON DÜZELTMESİ YEVMİYE KAYITLARI - Hepsi")));
    EXPECT_FALSE(out.contains(QStringLiteral("31/12/2023")));

    // The vouchers: one debit and one credit per entry, dated at the period's end.
    const QString luca = dir.path() + QStringLiteral("/donem.csv");
    ASSERT_EQ(run({"voucher", "luca", "--company", "ESK", "--period", "31.12.2024", "--out",
                   luca.toUtf8().constData()},
                  &out, &err),
              0)
        << err.toStdString();
    QFile file(luca);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList rows =
        QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_GT(rows.size(), 3);
    EXPECT_EQ((rows.size() - 1) % 2, 0);
    for (const QString& row : rows.mid(1))
        EXPECT_TRUE(row.startsWith(QStringLiteral(";31.12.2024;"))) << row.toStdString();

    const QString pdf = dir.path() + QStringLiteral("/donem.pdf");
    EXPECT_EQ(run({"print", "coefficients", "--company", "ESK", "--period", "31.12.2024", "--pdf",
                   pdf.toUtf8().constData()}),
              0);
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);
    const QString xlsx = dir.path() + QStringLiteral("/donem.xlsx");
    EXPECT_EQ(run({"export", "totals", "--company", "ESK", "--period", "31.12.2024", "--xlsx",
                   xlsx.toUtf8().constData()}),
              0);
    EXPECT_TRUE(QFileInfo(xlsx).size() > 0);
    // The period words of print and export are refused for the base period's report kinds.
    EXPECT_EQ(run({"print", "text", "--company", "ESK", "--period", "31.12.2024", "--pdf", "x.pdf"}), 2);

    // Closing freezes the values; a closed period takes no input; reopening opens it again.
    ASSERT_EQ(run(periodArgs("close"), &out, &err), 0) << err.toStdString();
    EXPECT_TRUE(out.endsWith(QStringLiteral("31.12.2024\tKapandı\n")));
    ASSERT_EQ(run({"period", "list", "--company", "ESK"}, &out), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("31.12.2024\tYasal\tKapandı\t31.12.2023\t1,28525\n")));
    EXPECT_EQ(run(periodArgs("item") + QStringList{"--id", "1", "--set", c::KalemDonemAmortEdit + "=1,00"}),
              1);
    ASSERT_EQ(run(periodArgs("show"), &out), 0);
    EXPECT_TRUE(out.contains(c::DonemDurumLabel + QStringLiteral("=Kapandı · Yasal")));
    ASSERT_EQ(run(periodArgs("reopen"), &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("31.12.2024\tAçık\n"));

    // The 31.12.2023 work is as it was.
    ASSERT_EQ(run({"journal", "--company", "ESK"}, &out), 0);
    EXPECT_EQ(out, baseJournal);
    ASSERT_EQ(run({"report", "--company", "ESK"}, &out), 0);
    EXPECT_EQ(out, baseReport);
}

TEST_F(PeriodCliTest, InformationalPeriodIsAskedComputedAndNeverClosed) {
    QString out, err;
    EXPECT_EQ(run(periodArgs("add", "31.03.2024"), &out, &err), 1);
    EXPECT_TRUE(
        err.contains(QStringLiteral("Bu dönem için enflasyon düzeltmesi yapılmaz (560 Sıra No.lu VUK Genel "
                                    "Tebliği). Yine de devam etmek istiyor musunuz?")));
    ASSERT_EQ(run(periodArgs("add", "31.03.2024") + QStringList{"--answer", "Evet"}, &out, &err), 0)
        << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("31.03.2024\tBilgi amaçlı\tAçık\n"));
    ASSERT_EQ(run(periodArgs("report", "31.03.2024"), &out), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("\n") + kInformationalHeading + QStringLiteral("\n")));
    EXPECT_EQ(run(periodArgs("show", "31.03.2024") + QStringList{"--click", c::DonemKapatBut}, &out, &err),
              1);
}

TEST_F(PeriodCliTest, SettingsByCaptionAndUsage) {
    QString out, err;
    ASSERT_EQ(run(periodArgs("add") + QStringList{"--set", "Dönem amortismanı=Düzeltilmiş değerden yeniden",
                                                  "--set", "698 kapanışı=648/658"},
                  &out, &err),
              0)
        << err.toStdString();
    ASSERT_EQ(run(periodArgs("show"), &out), 0);
    EXPECT_TRUE(out.contains(c::DonemAmortismaniCombo + QStringLiteral("=Düzeltilmiş değerden yeniden\n")));
    EXPECT_TRUE(out.contains(c::Kapanis698Combo + QStringLiteral("=648/658\n")));
    ASSERT_EQ(run(periodArgs("report"), &out), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("Kapanış\t698 / 648\t")) ||
                out.contains(QStringLiteral("Kapanış\t658 / 698\t")));

    EXPECT_EQ(run(periodArgs("add", "31.12.2025") + QStringList{"--set", "Yok=1"}), 2);
    EXPECT_EQ(run({"period", "report", "--company", "ESK"}), 2);
    EXPECT_EQ(run({"period", "report", "--company", "ESK", "--end", "31.13.2024"}), 2);
    EXPECT_EQ(run({"period", "show", "--controls"}, &out), 0);
    EXPECT_TRUE(out.contains(c::HesaplaBut));
}

} // namespace
} // namespace velkor
