#include "import/ExcelImportFormControls.h"
#include "registry/RegistrationFormControls.h"
#include "support/ControlArgs.h"
#include "support/TestSupport.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using velkor::test::runCli;
using velkor::test::stepArg;

namespace {

class CliTest : public ::testing::Test {
protected:
    int run(QStringList args, QString* out = nullptr, QString* err = nullptr) {
        args.prepend(dir.path());
        args.prepend(QStringLiteral("--home"));
        return runCli(args, out, err);
    }
    QTemporaryDir dir;
};

TEST_F(CliTest, InitIndexAndUsage) {
    QString out, err;
    ASSERT_EQ(run({QStringLiteral("init")}), 0);
    EXPECT_TRUE(QFileInfo::exists(dir.path() + QStringLiteral("/AnaData/Oranlar.mdb")));
    EXPECT_EQ(run({QStringLiteral("index"), QStringLiteral("202312")}, &out), 0);
    EXPECT_EQ(out, QStringLiteral("2.915,02\n"));
    EXPECT_EQ(run({QStringLiteral("index"), QStringLiteral("15.03.2020")}, &out), 0);
    EXPECT_EQ(out, QStringLiteral("468,69\n"));
    EXPECT_EQ(run({QStringLiteral("index"), QStringLiteral("20303")}, &out, &err), 1);
    EXPECT_EQ(err, QStringLiteral("MESAJ: Yİ-ÜFE endeksi bulunamadı: 03.2030\n"));
    EXPECT_EQ(run({QStringLiteral("yok")}), 2);
    EXPECT_EQ(run({QStringLiteral("index")}), 2);
    EXPECT_EQ(run({QStringLiteral("rates"), QStringLiteral("rebuild")}), 0);
}

TEST_F(CliTest, CompanyLifeCycle) {
    QString out, err;
    ASSERT_EQ(run({QStringLiteral("init")}), 0);
    ASSERT_EQ(run({QStringLiteral("company"), QStringLiteral("add"), QStringLiteral("B1"),
                   QStringLiteral("Birinci"), QStringLiteral("--set"),
                   velkor::ctl::registration::AdresiEdit + QStringLiteral("=Cumhuriyet Mh.")},
                  &out),
              0);
    ASSERT_EQ(run({QStringLiteral("company"), QStringLiteral("add"), QStringLiteral("A2"),
                   QStringLiteral("İkinci")}),
              0);
    EXPECT_EQ(run({QStringLiteral("company"), QStringLiteral("add"), QStringLiteral("A2"),
                   QStringLiteral("Tekrar")},
                  &out, &err),
              1);
    EXPECT_EQ(err,
              QStringLiteral("MESAJ: Bu isimde kayıtlı firma mevcut! Bu isimde firma oluşturmak için önce "
                             "kayıtlı Firmayı silin\n"));
    EXPECT_EQ(
        run({QStringLiteral("company"), QStringLiteral("add"), QStringLiteral("C3"), QString()}, &out, &err),
        1);
    EXPECT_EQ(err, QStringLiteral("MESAJ: Firma adını boş geçemezsiniz.\n"));

    EXPECT_EQ(run({QStringLiteral("company"), QStringLiteral("update"), QStringLiteral("A2"),
                   QStringLiteral("--set"),
                   velkor::ctl::registration::FirmaAdiEdit + QStringLiteral("=İkinci Ltd.")}),
              0);
    EXPECT_EQ(run({QStringLiteral("company"), QStringLiteral("list")}, &out), 0);
    EXPECT_EQ(out, QStringLiteral("1\tB1\tBirinci\n2\tA2\tİkinci Ltd.\n"));

    EXPECT_EQ(run({QStringLiteral("company"), QStringLiteral("delete"), QStringLiteral("A2"),
                   QStringLiteral("--answer"), QStringLiteral("Evet"), QStringLiteral("--answer"),
                   QStringLiteral("Evet")},
                  &out, &err),
              1);
    EXPECT_TRUE(QFileInfo::exists(dir.path() + QStringLiteral("/Data/A2.mdb")));
    EXPECT_EQ(run({QStringLiteral("company"), QStringLiteral("delete"), QStringLiteral("A2"),
                   QStringLiteral("--answer"), QStringLiteral("Evet"), QStringLiteral("--answer"),
                   QStringLiteral("Hayir"), QStringLiteral("--answer"), QStringLiteral("Evet")},
                  &out, &err),
              0);
    EXPECT_EQ(err,
              QStringLiteral("MESAJ: Firma silinecektir. Eminmisiniz?\n"
                             "MESAJ: Bu firmayı silmeniz halinde girmiş olduğunuz bilgiler de silinecektir. "
                             "İşlemi kesmek istermisiniz?\n"
                             "MESAJ: Bu işlem sonunda bu firma dosyalarına bir daha ulaşmanız mümkün "
                             "olmayacaktır. İşleme devam etmek istiyormusunuz?\n"));
    EXPECT_FALSE(QFileInfo::exists(dir.path() + QStringLiteral("/Data/A2.mdb")));
    EXPECT_EQ(run({QStringLiteral("company"), QStringLiteral("list")}, &out), 0);
    EXPECT_EQ(out, QStringLiteral("1\tB1\tBirinci\n"));
}

} // namespace

TEST_F(CliTest, ImportCreatesAdjustedItemsFromAWorkbook) {
    QString out, err;
    ASSERT_EQ(run({QStringLiteral("init")}), 0);
    ASSERT_EQ(run({QStringLiteral("company"), QStringLiteral("add"), QStringLiteral("K1"),
                   QStringLiteral("Kitap")}),
              0);
    const QString book = QStringLiteral(VELKOR_TEST_SOURCE_DIR "/spreadsheet/data/book.ods");
    namespace ie = velkor::ctl::excelimport;
    const QStringList mapping{QStringLiteral("--set"), stepArg(ie::AnaHesapE, QStringLiteral("1")),
                              QStringLiteral("--set"), stepArg(ie::AlHesapKodE, QStringLiteral("1")),
                              QStringLiteral("--set"), stepArg(ie::HesapAdiEdit, QStringLiteral("2")),
                              QStringLiteral("--set"), stepArg(ie::GirisTarihiE, QStringLiteral("3")),
                              QStringLiteral("--set"), stepArg(ie::KayitliTutarE, QStringLiteral("4")),
                              QStringLiteral("--set"), stepArg(ie::PasifTutarE, QStringLiteral("5")),
                              QStringLiteral("--set"), stepArg(ie::ilkUcHarfCheck, QStringLiteral("1"))};
    EXPECT_EQ(run(QStringList{QStringLiteral("import"), QStringLiteral("--company"), QStringLiteral("K1"),
                              QStringLiteral("--file"), book} +
                      mapping,
                  &out, &err),
              0)
        << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("2 kayıt aktarıldı.\n"));
    // The mapping was kept: a second run without --set imports the same rows again.
    EXPECT_EQ(run({QStringLiteral("import"), QStringLiteral("--company"), QStringLiteral("K1"),
                   QStringLiteral("--file"), book},
                  &out),
              0);
    EXPECT_EQ(out, QStringLiteral("2 kayıt aktarıldı.\n"));
    EXPECT_EQ(run({QStringLiteral("import"), QStringLiteral("--company"), QStringLiteral("K1"),
                   QStringLiteral("--file"), dir.filePath(QStringLiteral("yok.xlsx"))},
                  &out, &err),
              1);
    EXPECT_TRUE(err.startsWith(QStringLiteral("MESAJ: Dosya açılamadı"))) << err.toStdString();
}
