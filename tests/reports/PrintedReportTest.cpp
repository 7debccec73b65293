#include "ItemRows.h"
#include "RecordingDevice.h"

#include "base/ShownError.h"
#include "base/WindowNames.h"
#include "reports/AccountTotals.h"
#include "reports/AnaHesapReport.h"
#include "reports/DuzeltmeReport.h"
#include "reports/PdfPrintService.h"
#include "reports/PrintBand.h"
#include "reports/ReportListQuery.h"
#include "reports/ReportSheet.h"
#include "reports/ReportSheetControls.h"
#include "reports/RichReport.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

const QDateTime kPrintedAt(QDate(2024, 2, 5), QTime(14, 30, 15));

CompanyHeading turkishCompany() {
    return {QStringLiteral("F1"), QStringLiteral("ÇAĞLAYAN ŞİŞECİLİK ÜRETİM VE TİCARET A.Ş."),
            QStringLiteral("Atatürk Cad. No:12"), QStringLiteral("Kadıköy"), QStringLiteral("İstanbul")};
}

/// The rows a layout prints, selected the way the report list selects them.
class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override { ensureGuiApplication(); }

    CompanyDatabase db;
    ReportListQuery list{db.connection()};
    Query totals{db.connection()};
    Query accountTotals{db.connection()};

    void addMachines(int count) {
        for (int i = 1; i <= count; ++i) {
            FixedAssetInput machine;
            machine.sub = QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
            machine.name = QStringLiteral("MAKİNE %1").arg(i);
            machine.accumulated = 200;
            db.insert(fixedAssetRow(machine));
        }
    }
    void openAll(const AccountFilter& filter = {}) {
        list.setSql(ReportListQuery::selectionSql(filter));
        list.setParams(filter.params);
        list.open();
        prepareGrandTotals(totals, filter);
        totals.open();
        prepareAccountTotals(accountTotals);
        accountTotals.open();
    }
    /// The line numbers drawn, in drawing order.
    static QStringList lineNumbers(const RecordingDevice& device, double x = 36) {
        QStringList numbers;
        for (const DrawnText& t : device.texts())
            if (t.x > x && t.x < x + 30 && !t.text.isEmpty() && t.text.at(0).isDigit())
                numbers << t.text;
        return numbers;
    }
};

} // namespace

TEST_F(LayoutTest, LongListBreaksBetweenRowsAndRepeatsTheHeadings) {
    addMachines(70);
    openAll();
    DuzeltmeReport report(turkishCompany(), list, totals, kPrintedAt);
    RecordingDevice device;
    const int pages = report.render(device, [&] { return device.newPage(); });

    ASSERT_GE(pages, 2);
    EXPECT_EQ(pages, device.pages());
    EXPECT_EQ(report.pageCount(device), pages);
    for (int page = 1; page <= pages; ++page) {
        const QStringList texts = device.textsOf(page);
        // Headings wrap inside their cells, so they are drawn a line at a time.
        EXPECT_TRUE(texts.join(' ').contains("HESAP KODU HESAP ADI KAYIT TARİHİ")) << page;
        EXPECT_TRUE(texts.contains(QStringLiteral("Sayfa %1 / %2").arg(page).arg(pages))) << page;
        // The company heading is the report title: the first page only.
        EXPECT_EQ(texts.contains(QStringLiteral("İşveren Ünvanı")), page == 1) << page;
        EXPECT_EQ(texts.contains("TOPLAM"), page == pages) << page;
    }
    EXPECT_EQ(device.count("TOPLAM"), 1);

    // Every line once and in order, so no row was cut or repeated at a break.
    QStringList expected;
    for (int i = 1; i <= 70; ++i)
        expected << QString::number(i);
    EXPECT_EQ(lineNumbers(device), expected);
    EXPECT_EQ(device.count("253.001"), 1);
    EXPECT_EQ(device.count("253.070"), 1);
    EXPECT_EQ(device.count("15.03.2020"), 70);
    // 70 × 2.500,00 adjusted; 70 × 1.500,00 difference.
    EXPECT_EQ(device.count("175.000,00"), 1);
    EXPECT_EQ(device.count("105.000,00"), 1);
    EXPECT_EQ(device.count("70.000,00"), 1);

    // No text of a row runs into the footer.
    for (const DrawnText& t : device.texts())
        if (t.text != QStringLiteral("Sayfa %1 / %2").arg(t.page).arg(pages)) {
            EXPECT_LT(t.y, report.pageHeight() - kBottomMargin - 22 + 1) << t.text.toStdString();
        }
}

TEST_F(LayoutTest, VariablesAndShading) {
    addMachines(5);
    openAll();
    DuzeltmeReport report(turkishCompany(), list, totals, kPrintedAt);
    RecordingDevice device;
    EXPECT_EQ(report.render(device, [&] { return device.newPage(); }), 1);
    const QStringList texts = device.textsOf(1);
    EXPECT_TRUE(texts.contains("05.02.2024"));
    EXPECT_TRUE(texts.contains("14:30:15"));
    EXPECT_TRUE(texts.contains(kReportTitle));
    EXPECT_TRUE(texts.contains(turkishCompany().name));
    EXPECT_TRUE(texts.contains("Atatürk Cad. No:12"));
    EXPECT_TRUE(texts.contains(QStringLiteral("Kadıköy/İstanbul")));
    EXPECT_TRUE(texts.contains("Sayfa 1 / 1"));
    EXPECT_EQ(lineNumbers(device), (QStringList{"1", "2", "3", "4", "5"}));

    // Lines 1, 3 and 5 are shaded light grey across x 36 to 716.
    int shaded = 0;
    for (const FilledRect& f : device.fills()) {
        if (f.colour != QColor(240, 240, 240))
            continue;
        ++shaded;
        EXPECT_NEAR(f.rect.left(), 36, 0.01);
        EXPECT_NEAR(f.rect.right(), 716, 0.01);
    }
    EXPECT_EQ(shaded, 3);
}

TEST_F(LayoutTest, LongNameWrapsAndMakesItsRowTaller) {
    FixedAssetInput first;
    first.sub = "001";
    first.name =
        QStringLiteral("ÇOK UZUN ADLI BİR ÜRETİM HATTI: ŞEKİLLENDİRME, İŞLEME, DÖKÜM VE PAKETLEME ÜNİTELERİ");
    db.insert(fixedAssetRow(first));
    FixedAssetInput second;
    second.sub = "002";
    db.insert(fixedAssetRow(second));
    FixedAssetInput third;
    third.sub = "003";
    db.insert(fixedAssetRow(third));
    openAll();
    DuzeltmeReport report(turkishCompany(), list, totals, kPrintedAt);
    RecordingDevice device;
    report.render(device, [&] { return device.newPage(); });

    std::vector<double> rowY;
    for (const DrawnText& t : device.texts())
        if (t.text.startsWith("253.0"))
            rowY.push_back(t.y);
    ASSERT_EQ(rowY.size(), 3u);
    EXPECT_GT(rowY[1] - rowY[0], 30);        // the long name takes more than one line
    EXPECT_NEAR(rowY[2] - rowY[1], 25, 0.5); // an ordinary row is 25 high
    // The shading of line 1 grows with it.
    for (const FilledRect& f : device.fills())
        if (f.colour == QColor(240, 240, 240) && f.rect.top() < rowY[0]) {
            EXPECT_GT(f.rect.height(), 30);
        }
}

TEST_F(LayoutTest, AccountCodesStayInsideTheirColumn) {
    db.insert(stockRow("698", "ZARAR", QStringLiteral("ENFLASYON DÜZELTME ZARARI"), 400, 100, 150));
    db.insert(stockRow("697", "ZARAR", QStringLiteral("YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME ZARARI"), 400,
                       100, 150));
    db.insert(stockRow("153", "01.002.0003.00045", QStringLiteral("TİCARİ MAL"), 400, 100, 150));
    openAll();
    DuzeltmeReport report(turkishCompany(), list, totals, kPrintedAt);
    RecordingDevice device;
    report.render(device, [&] { return device.newPage(); });

    QFont font(printFace(QStringLiteral("Times New Roman")));
    font.setPointSizeF(9);
    const QFontMetricsF metrics(font, &device);
    const double unitsPerPixel = 1 / (device.logicalDpiX() / 25.4 * kMillimetresPerUnit);
    // The texts drawn in the code column (it starts at 68), and where the names start.
    double nameLeft = 1e9;
    QStringList codes;
    for (const DrawnText& t : device.texts()) {
        if (t.text == QStringLiteral("ENFLASYON DÜZELTME ZARARI") || t.text == QStringLiteral("TİCARİ MAL"))
            nameLeft = std::min(nameLeft, t.x);
        if (t.x >= 68 && t.x < 80 && !t.text.startsWith(QStringLiteral("HESAP")))
            codes << t.text;
    }
    ASSERT_LT(nameLeft, 1e9);
    EXPECT_TRUE(codes.contains("698.ZARAR")) << codes.join('|').toStdString();
    EXPECT_TRUE(codes.contains("697.ZARAR")) << codes.join('|').toStdString();
    // A code longer than the column breaks onto a second line instead of running on.
    EXPECT_FALSE(codes.contains("153.01.002.0003.00045"));
    EXPECT_TRUE(codes.join(QString()).contains("153.01.002.0003.00045")) << codes.join('|').toStdString();
    for (const DrawnText& t : device.texts()) {
        if (!codes.contains(t.text) || t.x < 68 || t.x >= 80)
            continue;
        // At least a space's width (a quarter of the 9 point em, about 3 units) before the name.
        const double right = t.x + metrics.horizontalAdvance(t.text) * unitsPerPixel;
        EXPECT_LT(right, nameLeft - 3) << t.text.toStdString();
    }
}

TEST_F(LayoutTest, EmptyListPrintsHeadingsAndEmptyTotals) {
    openAll();
    DuzeltmeReport report(turkishCompany(), list, totals, kPrintedAt);
    RecordingDevice device;
    EXPECT_EQ(report.render(device, [&] { return device.newPage(); }), 1);
    EXPECT_TRUE(device.textsOf(1).join(' ').contains("HESAP KODU"));
    EXPECT_EQ(device.count("TOPLAM"), 1);
    EXPECT_EQ(device.count("Sayfa 1 / 1"), 1);
    for (const DrawnText& t : device.texts())
        EXPECT_FALSE(t.text.contains(',')) << t.text.toStdString();
}

TEST_F(LayoutTest, DepreciationLayoutIsLandscapeWithItsColumns) {
    addMachines(3);
    openAll(accountFilter("SBK"));
    DuzeltmeAmortReport report(turkishCompany(), list, totals, kPrintedAt);
    EXPECT_EQ(report.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_NEAR(report.pageWidth(), 1063.5, 0.1);
    RecordingDevice device;
    report.render(device, [&] { return device.newPage(); });
    EXPECT_TRUE(device.textsOf(1).join(' ').contains(
        QStringLiteral("ENFLASYON FARKI BİRİKMİŞ AMORTİSMAN DÜZELTİLMİŞ AMORTİSMAN AMORTİSMAN FARKI")));
    // The summary: 3 × 1.000 registered, 2.500 adjusted, 1.500 difference, 200
    // accumulated, 500 adjusted depreciation and 300 its difference.
    const QStringList texts = device.textsOf(device.pages());
    const QStringList summary = texts.mid(texts.indexOf("TOPLAM") + 1, 6);
    EXPECT_EQ(summary, (QStringList{"3.000,00", "7.500,00", "4.500,00", "600,00", "1.500,00", "900,00"}));
    for (const FilledRect& f : device.fills())
        if (f.colour == QColor(240, 240, 240)) {
            EXPECT_NEAR(f.rect.right(), 1040, 0.01);
        }
}

TEST_F(LayoutTest, MainAccountReportTotalsEveryAccount) {
    addMachines(2);
    db.insert(stockRow("153", "01", QStringLiteral("TİCARİ MAL"), 400, 100, 150));
    openAll();
    AnaHesapReport report(turkishCompany(), accountTotals, totals, kPrintedAt);
    RecordingDevice device;
    report.render(device, [&] { return device.newPage(); });
    const QStringList texts = device.textsOf(1);
    EXPECT_TRUE(texts.contains("ANA"));
    EXPECT_TRUE(texts.contains("153"));
    EXPECT_TRUE(texts.contains("253"));
    EXPECT_TRUE(texts.contains("600,00"));   // 153 adjusted
    EXPECT_TRUE(texts.contains("5.000,00")); // 253 adjusted
    EXPECT_TRUE(texts.contains("5.600,00")); // the grand total
    EXPECT_EQ(lineNumbers(device), (QStringList{"1", "2"}));
}

TEST_F(LayoutTest, TextReportContinuesOverPagesInItsFont) {
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines << QStringLiteral("  %1 253 MAKİNE                     1.000,00").arg(i, 4);
    RichReport report(turkishCompany(), kPrintedAt);
    report.setLines(lines);
    EXPECT_EQ(report.textFont().family, "Courier New");
    RecordingDevice device;
    const int pages = report.render(device, [&] { return device.newPage(); });
    ASSERT_GE(pages, 2);
    for (int page = 1; page <= pages; ++page) {
        EXPECT_TRUE(device.textsOf(page).contains(kReportTitle)) << page;
        EXPECT_TRUE(device.textsOf(page).contains(QStringLiteral("Sayfa %1/%2").arg(page).arg(pages)))
            << page;
    }
    QStringList drawn;
    for (const DrawnText& t : device.texts())
        if (t.text.contains(QStringLiteral("MAKİNE")))
            drawn << t.text;
    ASSERT_EQ(drawn.size(), lines.size());
    EXPECT_EQ(drawn.first().trimmed(), lines.first().trimmed());
    EXPECT_EQ(drawn.last().trimmed(), lines.last().trimmed());
}

namespace {

QString pdfText(const QString& path) {
    const QString tool = QStandardPaths::findExecutable("pdftotext");
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, {"-layout", path, "-"});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

/// The report sheet's print buttons writing PDF files.
class PrintCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureGuiApplication();
        sheet.setPrinting(&pdf, [] { return turkishCompany(); });
    }

    CompanyDatabase db;
    QTemporaryDir out;
    QString path = out.filePath("rapor.pdf");
    PdfPrintService pdf{path};
    FormModel form{velkor::windows::kWorkspace};
    ReportSheet sheet{form, db.connection()};
};

} // namespace

TEST_F(PrintCommandTest, GeneralReportAsPdf) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    FixedAssetInput machine;
    machine.name = QStringLiteral("ŞEKİL VERME MAKİNESİ ĞÜÇÖİ");
    db.insert(fixedAssetRow(machine));
    db.insert(stockRow("153", "01", QStringLiteral("TİCARİ MAL"), 400, 100, 150));
    form.click(ctl::report::RaporListeButton);
    form.click(ctl::report::DuzRapYazBut);
    ASSERT_EQ(pdf.written(), 1);
    const QString text = pdfText(path);
    EXPECT_TRUE(text.contains(QStringLiteral("İşveren Ünvanı"))) << text.toStdString();
    EXPECT_TRUE(text.contains(turkishCompany().name));
    EXPECT_TRUE(text.contains(kReportTitle));
    EXPECT_TRUE(text.contains(QStringLiteral("ŞEKİL VERME MAKİNESİ ĞÜÇÖİ")));
    EXPECT_TRUE(text.contains(QStringLiteral("KAYITLI DEĞERİ")));
    EXPECT_TRUE(text.contains(QStringLiteral("ENFLASYON")));
    EXPECT_TRUE(text.contains("Sayfa 1 / 1"));
    EXPECT_TRUE(text.contains("2.500,00"));
    EXPECT_TRUE(text.contains("600,00"));

    const QString fonts = QStandardPaths::findExecutable("pdffonts");
    if (!fonts.isEmpty()) {
        QProcess process;
        process.start(fonts, {path});
        process.waitForFinished(30000);
        const QString list = QString::fromUtf8(process.readAllStandardOutput());
        EXPECT_TRUE(list.contains("LiberationSerif")) << list.toStdString();
        for (const QString& line : list.split('\n').mid(2))
            if (!line.trimmed().isEmpty()) {
                EXPECT_TRUE(line.contains(" yes ")) << "not embedded: " << line.toStdString();
            }
    }
}

TEST_F(PrintCommandTest, FilterThatSelectsNothingWritesNoDocument) {
    db.insert(stockRow("153", "01", QStringLiteral("TİCARİ MAL"), 400, 100, 150));
    form.userSet(ctl::report::RaporListeCombo, "Özkaynaklar");
    try {
        form.click(ctl::report::GenelAmortluBut);
        FAIL() << "no message";
    } catch (const ShownError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("rapora alınacak kayıt yok"))) << e.what();
    }
    EXPECT_EQ(pdf.written(), 0);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(PrintCommandTest, UnwritableTargetLeavesNothingBehind) {
    PdfPrintService nowhere(out.filePath("yok/klasor/rapor.pdf"));
    sheet.setPrinting(&nowhere, [] { return turkishCompany(); });
    try {
        form.click(ctl::report::AnaHesapYazBut);
        FAIL() << "no message";
    } catch (const ShownError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("PDF dosyası yazılamadı"))) << e.what();
    }
    EXPECT_FALSE(QFile::exists(out.filePath("yok/klasor/rapor.pdf")));
}

TEST_F(PrintCommandTest, DepreciationReportTotalsTheFilteredRows) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    FixedAssetInput machine;
    machine.accumulated = 200;
    db.insert(fixedAssetRow(machine));
    db.insert(stockRow("153", "01", QStringLiteral("TİCARİ MAL"), 400, 100, 150));
    form.userSet(ctl::report::RaporListeCombo, "SBK");
    form.click(ctl::report::GenelAmortluBut);
    const QString text = pdfText(path);
    EXPECT_FALSE(text.contains(QStringLiteral("TİCARİ MAL")));
    // The summary totals the rows printed: the machine and the 257 depreciation summary row
    // the closing step wrote (200,00 / 500,00 / 300,00); the stock is left out.
    EXPECT_TRUE(text.contains(QStringLiteral("257.253")));
    QString summary;
    for (const QString& line : text.split('\n'))
        if (line.contains("TOPLAM"))
            summary = line.simplified();
    EXPECT_EQ(summary.toStdString(), "TOPLAM 1.200,00 3.000,00 1.800,00 200,00 500,00 300,00")
        << text.toStdString();
}
