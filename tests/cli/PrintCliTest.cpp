#include "support/ControlArgs.h"
#include "support/TestSupport.h"

#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheetControls.h"
#include "registry/RegistrationFormControls.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using velkor::test::runCli;
using velkor::test::stepArg;

namespace {

/// A company with a fixed asset and a stock item, saved through the sheets as a user does.
class PrintCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(run({"init"}), 0);
        namespace reg = velkor::ctl::registration;
        ASSERT_EQ(run({"company", "add", "P1", QStringLiteral("Şişe Üretim A.Ş."), "--set",
                       stepArg(reg::AdresiEdit, QStringLiteral("Gül Sok. 3")), "--set",
                       stepArg(reg::ilceEdit, QStringLiteral("Çankaya")), "--set",
                       stepArg(reg::SehirEdit, "Ankara")}),
                  0);
        namespace fa = velkor::ctl::fixedasset;
        ASSERT_EQ(run({"sheet",     "fixed",
                       "--company", "P1",
                       "--set",     stepArg(fa::DuzeltmeAnaHesapCombo, "253"),
                       "--set",     stepArg(fa::KoduEdit, "01"),
                       "--set",     stepArg(fa::AdiEdit, "TORNA TEZGAHI"),
                       "--set",     stepArg(fa::GirisTarihiDate, "15.03.2020"),
                       "--set",     stepArg(fa::KayitliTutariEdit, "100.000,00"),
                       "--set",     stepArg(fa::BirikmisAmortEdit, "40.000,00"),
                       "--click",   fa::DuzeltBut,
                       "--click",   fa::KaydetButton}),
                  0);
        namespace st = velkor::ctl::stock;
        ASSERT_EQ(run({"sheet", "stock", "--company", "P1", "--set",
                       stepArg(st::DuzeltmeAnaHesapComboS, "153"), "--set", stepArg(st::KoduEditS, "01"),
                       "--set", stepArg(st::AdiEditS, QStringLiteral("TİCARİ MAL")), "--set",
                       stepArg(st::GirisTarihiDateS, "30.06.2022"), "--set",
                       stepArg(st::KayitliTutariEditS, "5.000,00"), "--click", st::DuzeltButS, "--click",
                       st::KaydetButtonS}),
                  0);
    }
    int run(QStringList args, QString* out = nullptr, QString* err = nullptr) {
        args.prepend(dir.path());
        args.prepend("--home");
        return runCli(args, out, err);
    }
    QString file(const QString& name) const { return dir.filePath(name); }
    static QString pdfText(const QString& path) {
        QProcess process;
        process.start(QStandardPaths::findExecutable("pdftotext"), {"-layout", path, "-"});
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(PrintCliTest, EveryLayoutToPdf) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QString out;
    for (const char* kind : {"report", "report-depreciation", "totals", "journal"}) {
        const QString pdf = file(QString::fromLatin1(kind) + ".pdf");
        ASSERT_EQ(run({"print", kind, "--company", "P1", "--pdf", pdf}, &out), 0) << kind;
        EXPECT_EQ(out, QStringLiteral("PDF yazıldı: %1 (1 sayfa)\n").arg(pdf)) << kind;
        const QString text = pdfText(pdf);
        EXPECT_TRUE(text.contains(QStringLiteral("Şişe Üretim A.Ş."))) << kind;
        EXPECT_TRUE(text.contains(QStringLiteral("Çankaya/Ankara"))) << kind;
        EXPECT_TRUE(text.contains(QStringLiteral("31/12/2023 ENFLASYON DÜZELTME RAPORU"))) << kind;
    }
    const QString report = pdfText(file("report.pdf"));
    EXPECT_TRUE(report.contains(QStringLiteral("TORNA TEZGAHI")));
    EXPECT_TRUE(report.contains(QStringLiteral("TİCARİ MAL")));
    EXPECT_TRUE(report.contains("Sayfa 1 / 1"));
    EXPECT_TRUE(pdfText(file("journal.pdf")).contains("Sayfa 1/1"));
    EXPECT_TRUE(pdfText(file("journal.pdf")).contains(QStringLiteral("ENFLASYON DÜZELTME HESABI")));

    ASSERT_EQ(
        run({"print", "text", "--company", "P1", "--sheet", "fixed", "--load", "1", "--pdf", file("t.pdf")}),
        0);
    EXPECT_TRUE(pdfText(file("t.pdf")).contains(QStringLiteral("TORNA TEZGAHI")));
}

TEST_F(PrintCliTest, NothingSelectedOrNowhereToWrite) {
    QString out, err;
    EXPECT_EQ(
        run({"print", "report", "--company", "P1", "--filter", "500", "--pdf", file("bos.pdf")}, &out, &err),
        1);
    EXPECT_TRUE(err.contains(QStringLiteral("rapora alınacak kayıt yok"))) << err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(file("bos.pdf")));

    EXPECT_EQ(run({"print", "totals", "--company", "P1", "--pdf", file("yok/t.pdf")}, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("PDF dosyası yazılamadı"))) << err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(file("yok/t.pdf")));

    EXPECT_EQ(
        run({"print", "text", "--company", "P1", "--sheet", "fixed", "--load", "99", "--pdf", file("x.pdf")},
            &out, &err),
        1);
    EXPECT_EQ(run({"print", "totals", "--company", "P1", "--filter", "SBK", "--pdf", file("x.pdf")}), 2);
    EXPECT_EQ(run({"print", "nothing", "--company", "P1", "--pdf", file("x.pdf")}), 2);
}

TEST_F(PrintCliTest, WorkbooksOfBothSheets) {
    QString out;
    ASSERT_EQ(
        run({"export", "report", "--company", "P1", "--filter", "Stoklar", "--xlsx", file("r.xlsx")}, &out),
        0);
    EXPECT_EQ(out, QStringLiteral("Çalışma kitabı yazıldı: %1\n").arg(file("r.xlsx")));
    ASSERT_EQ(run({"export", "totals", "--company", "P1", "--xlsx", file("t")}, &out), 0);
    EXPECT_TRUE(QFileInfo::exists(file("t.xlsx")));
    EXPECT_GT(QFileInfo(file("r.xlsx")).size(), 1000);
}
