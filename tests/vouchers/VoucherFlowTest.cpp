#include "VoucherFixture.h"

#include "base/AmountKeyRules.h"
#include "storage/Table.h"
#include "support/ControlArgs.h"
#include "support/XlsxReadBack.h"
#include "vouchers/TransferSheetControls.h"

#include <QDir>
#include <QFile>

using namespace velkor;
using namespace velkor::test;
namespace c = velkor::ctl::transfer;

namespace {

void writeOld(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old");
}

} // namespace

class VoucherFlow : public VoucherFixture {
protected:
    void SetUp() override {
        VoucherFixture::SetUp();
        insert(stockRow("153", "01", "TİCARİ MALLAR", 25000, 2500, 2915.02));
    }
    ScriptedPrompt& prompt() { return m_home->prompt(); }
};

TEST_F(VoucherFlow, StartValuesOfTheOptions) {
    EXPECT_EQ(m_sheet->text(c::FisTransferCombo), "Hepsi");
    EXPECT_EQ(m_sheet->items(c::FisTransferCombo).size(), 4 + 54);
    EXPECT_EQ(m_sheet->text(c::EvrakNoOnEdit), "ED");
    EXPECT_EQ(m_sheet->text(c::EvrakilkSayiEdit), "1");
    EXPECT_EQ(m_sheet->itemIndex(c::FisSecenekleriRadio), 0);
    EXPECT_TRUE(m_sheet->isChecked(c::SabitAmortAyniFisCheck));
    EXPECT_EQ(m_sheet->text(c::AyiracEdit), ".");
    EXPECT_EQ(m_sheet->text(c::Hesap698Edit), "698");
    EXPECT_EQ(m_sheet->text(c::AmortLucaHesapEdit), "257.99");
    EXPECT_EQ(m_sheet->text(c::AmortMODVLucaHesapEdit), "268.99");
    EXPECT_FALSE(m_sheet->isChecked(c::SKAmortHesabiCheck));
    EXPECT_FALSE(m_sheet->isChecked(c::MODVAmortHesabiCheck));
    EXPECT_FALSE(m_sheet->isChecked(c::SKKendiAmortHesCheck));
    EXPECT_EQ(m_sheet->itemIndex(c::CSVSutunAyirRadio), 0);
    EXPECT_EQ(m_sheet->text(c::NetsisYilKoduEdit), "2023");
    EXPECT_EQ(m_sheet->text(c::NetsisAyKoduEdit), "12");
    EXPECT_TRUE(m_sheet->text(c::LogoFisNoEdit).isEmpty());
    EXPECT_TRUE(m_sheet->isChecked(c::NoktaVirgulCheck));
    EXPECT_EQ(m_sheet->label(c::LucaTransferFisiBut), "LUCA Programı İçin Transfer CSV Fişi Oluştur");
}

TEST_F(VoucherFlow, CsvNamesAndTheOverwriteQuestion) {
    EXPECT_EQ(press(c::LucaTransferFisiBut, path("Fis")).path, path("Fis.csv"));
    EXPECT_EQ(press(c::LucaTransferFisiBut, path("Fis.CSV")).path, path("Fis.CSV.csv"));
    EXPECT_EQ(press(c::MikroTransferFisiBut, path("fis.csv.bak")).path, path("fis.csv.bak"));
    // Each written file is named, without a question that would need an answer.
    EXPECT_EQ(prompt().texts(), (QStringList{"Fiş dosyası kaydedildi:\n" + path("Fis.csv"),
                                             "Fiş dosyası kaydedildi:\n" + path("Fis.CSV.csv"),
                                             "Fiş dosyası kaydedildi:\n" + path("fis.csv.bak")}));
    for (const ScriptedPrompt::Shown& shown : prompt().shown()) {
        EXPECT_FALSE(shown.question);
        EXPECT_EQ(shown.icon, PromptIcon::Information);
    }

    // No keeps the old file, without a message.
    prompt().clearShown();
    writeOld(path("eski.csv"));
    EXPECT_TRUE(press(c::LucaTransferFisiBut, path("eski.csv")).path.isEmpty());
    ASSERT_EQ(prompt().shown().size(), 1U);
    EXPECT_EQ(prompt().shown()[0].text, "Dosya mevcut Üzerine kayıt edilsinmi?");
    EXPECT_TRUE(prompt().shown()[0].question);
    EXPECT_EQ(bytesOf(path("eski.csv")), "old");

    prompt().addAnswer(PromptButton::Yes);
    EXPECT_EQ(press(c::MikroTransferFisiBut, path("eski.csv")).path, path("eski.csv"));
    EXPECT_TRUE(bytesOf(path("eski.csv")).startsWith("153.01;;"));

    // Cancel writes nothing and says nothing; the current folder is kept.
    prompt().clearShown();
    const QString folder = QDir::currentPath();
    EXPECT_TRUE(press(c::LucaTransferFisiBut, {}).path.isEmpty());
    EXPECT_TRUE(prompt().shown().empty());
    EXPECT_EQ(QDir::currentPath(), folder);
}

TEST_F(VoucherFlow, CsvFailureNamesTheFile) {
    writeOld(path("dosya"));
    EXPECT_TRUE(press(c::LucaTransferFisiBut, path("dosya/fis.csv")).path.isEmpty());
    ASSERT_EQ(prompt().texts().size(), 1);
    EXPECT_EQ(prompt().texts()[0], "Dosya Saklanamıyor:\r" + path("dosya/fis.csv"));
    EXPECT_EQ(prompt().shown()[0].icon, PromptIcon::Error);
}

TEST_F(VoucherFlow, CsvReplacedCharactersAreTold) {
    RowValues row = stockRow("153", "Ω2", "YABANCI", 1000, 2500, 2915.02);
    insert(row);
    const VoucherSave save = press(c::MikroTransferFisiBut, path("mikro.csv"));
    EXPECT_EQ(save.replaced, 1);
    EXPECT_TRUE(bytesOf(path("mikro.csv")).contains("153.?2;;"));
    ASSERT_EQ(prompt().texts().size(), 2);
    EXPECT_EQ(prompt().texts()[0], "Fiş dosyası kaydedildi:\n" + path("mikro.csv"));
    EXPECT_TRUE(prompt().texts()[1].contains("1 karakter"));
}

TEST_F(VoucherFlow, LogoDialogQuestionAndMessages) {
    m_home->prompt().addFile(path("LogoFis"));
    const VoucherSave save = m_sheet->LogoXMLButClick();
    EXPECT_EQ(save.path, path("LogoFis.xml"));
    ASSERT_EQ(prompt().texts().size(), 1);
    EXPECT_EQ(prompt().texts()[0], path("LogoFis.xml") + "\n\risimli dosya başarıyla kayıt edildi");

    prompt().clearShown();
    EXPECT_TRUE(press(c::LogoXMLBut, path("LogoFis.xml")).path.isEmpty());
    EXPECT_EQ(prompt().texts(),
              (QStringList{"Dosya mevcut üzerine kayıt edilsinmi?", "Kayıt işlemi yapılamadı."}));

    prompt().clearShown();
    prompt().addAnswer(PromptButton::Yes);
    EXPECT_EQ(press(c::LogoXMLBut, path("LogoFis.xml")).path, path("LogoFis.xml"));
    EXPECT_EQ(prompt().texts().size(), 2);

    // A selection with no row stops before the dialog, without a message.
    prompt().clearShown();
    m_sheet->userSet(c::FisTransferCombo, "110");
    EXPECT_TRUE(press(c::LogoXMLBut, path("bos.xml")).path.isEmpty());
    EXPECT_TRUE(prompt().shown().empty());
    EXPECT_FALSE(QFile::exists(path("bos.xml")));
}

TEST_F(VoucherFlow, WorkbooksAreSavedWhereChosenAndOpened) {
    QStringList opened;
    m_sheet->setOpener([&](const QString& file) {
        opened << file;
        return true;
    });
    EXPECT_EQ(press(c::NetsisTransferFisiBut, path("netsis")).path, path("netsis.xlsx"));
    EXPECT_EQ(opened, QStringList{path("netsis.xlsx")});
    EXPECT_TRUE(prompt().shown().empty());

    // An existing workbook is replaced only when the dialog's question is answered Yes.
    EXPECT_TRUE(press(c::SentezExcelButton, path("netsis.xlsx")).path.isEmpty());
    EXPECT_EQ(XlsxReadBack(path("netsis.xlsx")).cell("A1").value, "Yıl Kodu");
    prompt().addAnswer(PromptButton::Yes);
    EXPECT_EQ(press(c::SentezExcelButton, path("netsis.xlsx")).path, path("netsis.xlsx"));
    EXPECT_EQ(XlsxReadBack(path("netsis.xlsx")).cell("A1").value, "HESAP KODU");

    // An empty selection still gives the header row.
    m_sheet->userSet(c::FisTransferCombo, "110");
    press(c::SentezExcelButton, path("bos.xlsx"));
    const XlsxReadBack empty(path("bos.xlsx"));
    EXPECT_EQ(empty.lastRow(), 1);
    EXPECT_EQ(empty.cell("D1").value, "ALACAK");
}

TEST_F(VoucherFlow, FilterSelectsRowsAndATypedTextSelectsAll) {
    insert(equityRow("500", "01", "SERMAYE", 50000, 1000, 2915.02, "Nakti"));
    m_sheet->userSet(c::FisTransferCombo, "Özkaynaklar");
    EXPECT_EQ(m_sheet->voucherLines(VoucherTarget::Mikro).size(), 2U);
    m_sheet->userSet(c::FisTransferCombo, "153' OR '1'='1");
    EXPECT_EQ(m_sheet->voucherLines(VoucherTarget::Mikro).size(), 4U);
    m_sheet->userSet(c::FisTransferCombo, "153");
    EXPECT_EQ(m_sheet->voucherLines(VoucherTarget::Mikro).front().account, "153.01");
}

TEST_F(VoucherFlow, CommandLineWritesEachFormat) {
    const QString home = m_home->home();
    QString out;
    QString err;
    for (const QString format : {"luca", "mikro", "netsis", "logo", "sentez"}) {
        const QString file = path("cli-" + format);
        EXPECT_EQ(runCli({"--home", home, "voucher", format, "--company", "VKR", "--out", file, "--set",
                          stepArg(c::CSVSutunAyirRadio, "1")},
                         &out, &err),
                  0)
            << err.toStdString();
    }
    EXPECT_TRUE(bytesOf(path("cli-mikro.csv")).startsWith("153.01,,"));
    // The written file is named on the error stream, without an answer asked for; the
    // path alone goes to the output.
    EXPECT_EQ(runCli({"--home", home, "voucher", "mikro", "--company", "VKR", "--out", path("cli-yeni")},
                     &out, &err),
              0);
    EXPECT_EQ(out, path("cli-yeni.csv") + "\n");
    EXPECT_EQ(err, "MESAJ: Fiş dosyası kaydedildi: " + path("cli-yeni.csv") + "\n");
    EXPECT_TRUE(QFile::exists(path("cli-logo.xml")));
    EXPECT_EQ(XlsxReadBack(path("cli-netsis.xlsx")).cell("G2").value, "153.01");

    // An existing file is replaced only with the answer Evet.
    EXPECT_EQ(runCli({"--home", home, "voucher", "luca", "--company", "VKR", "--out", path("cli-luca.csv")},
                     &out, &err),
              1);
    EXPECT_EQ(runCli({"--home", home, "--answer", "Evet", "voucher", "luca", "--company", "VKR", "--out",
                      path("cli-luca.csv")},
                     &out, &err),
              0);
    EXPECT_EQ(
        runCli({"--home", home, "voucher", "tiger", "--company", "VKR", "--out", path("x")}, &out, &err), 2);
}

TEST_F(VoucherFlow, StartNumberTakesDigitsOnly) {
    EXPECT_EQ(m_sheet->keyRule(c::EvrakilkSayiEdit), KeyRule::Digits);
    EXPECT_FALSE(applyKey(m_sheet->keyRule(c::EvrakilkSayiEdit), "1", 1, QLatin1Char('a')).accepted);
}
