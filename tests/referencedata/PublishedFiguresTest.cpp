#include "referencedata/PublishedFigures.h"
#include "referencedata/PublishedFiguresForm.h"
#include "referencedata/PublishedFiguresFormControls.h"
#include "referencedata/ReferenceCoverage.h"
#include "storage/ReferenceHistory.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace velkor;

namespace {

const QString kDepreciationHeader = QStringLiteral(
    "ana_kodu,alt1_kodu,alt2_kodu,alt3_kodu,tum_kodu,aciklama,omur_yil,ilave_bilgi_notu,oran,teblig\n");

class PublishedFiguresTest : public ::testing::Test {
protected:
    Database& rates() { return home.context().rates().database(); }
    ScriptedPrompt& prompt() { return home.prompt(); }
    int add(FigureKind kind, const QString& csv) {
        return addPublishedFigures(rates(), kind, csv, QStringLiteral("Resmî Gazete"), prompt());
    }
    /// Everything the three tables and the history hold, to tell that nothing was written.
    QString snapshot() {
        return figuresCsv(rates(), FigureKind::Index) + figuresCsv(rates(), FigureKind::Interest) +
               figuresCsv(rates(), FigureKind::Depreciation) +
               rates().scalar(QStringLiteral("SELECT count(*) FROM YI_UFE_Yeni")).toString() +
               rates().scalar(QStringLiteral("SELECT count(*) FROM Veri_Degisiklikleri")).toString();
    }

    test::TempHome home;
};

TEST_F(PublishedFiguresTest, EachBadInputIsRefusedNamingTheRowAndNothingIsWritten) {
    struct Case {
        FigureKind kind;
        QString csv;
        QString expected;
    };
    const std::vector<Case> cases{
        {FigureKind::Index, QStringLiteral("yil,ay,deger\n2026,3,5100\n"), QStringLiteral("Satır 1: başlık")},
        {FigureKind::Index, QStringLiteral("year,month,value\n"),
         QStringLiteral("başlıktan başka satır yok")},
        {FigureKind::Index, QStringLiteral("year,month,value\n2026,3,5100\n2026,13,5200\n"),
         QStringLiteral("Satır 3: yıl ve ay")},
        {FigureKind::Index, QStringLiteral("year,month,value\n2003,12,101.78\n"),
         QStringLiteral("Satır 2: yıl ve ay")},
        {FigureKind::Index, QStringLiteral("year,month,value\n2099,1,9000\n"),
         QStringLiteral("Satır 2: yıl ve ay")},
        {FigureKind::Index, QStringLiteral("year,month,value\n2026,3,5100\n\n2026,3,5101\n"),
         QStringLiteral("Satır 4: 2026-03 dosyada ikinci kez geçiyor (satır 2)")},
        {FigureKind::Index, QStringLiteral("year,month,value\n2026,3,0\n"),
         QStringLiteral("Satır 2: değer sıfırdan")},
        {FigureKind::Index, QStringLiteral("year,month,value\n2026,3,-5\n"),
         QStringLiteral("Satır 2: değer en fazla")},
        {FigureKind::Index, QStringLiteral("year,month,value\n2026,3,5100.123\n"),
         QStringLiteral("Satır 2: değer en fazla iki ondalık")},
        {FigureKind::Index, QStringLiteral("year,month,value\n2026,3,\"5100,12\"\n"),
         QStringLiteral("Satır 2: değer en fazla")},
        {FigureKind::Index, QStringLiteral("year,month,value\n2026,3\n"),
         QStringLiteral("Satır 2: üç sütun")},
        {FigureKind::Interest, QStringLiteral("year,month,rate\n2010,1,12.5\n2010,x,13\n"),
         QStringLiteral("Satır 3: yıl ve ay")},
        {FigureKind::Depreciation, kDepreciationHeader + QStringLiteral(",6.13,,,6.13,Deneme,4,,0.25,506\n"),
         QStringLiteral("Satır 2: tum_kodu")},
        {FigureKind::Depreciation,
         kDepreciationHeader + QStringLiteral("6.13.,,,,6.13.,Deneme,4,,0.25,506\n"),
         QStringLiteral("Satır 2: 6.13. kodu derinliğine göre alt1_kodu")},
        {FigureKind::Depreciation, kDepreciationHeader + QStringLiteral(",6.13.,,,6.13.,Deneme,4,,,506\n"),
         QStringLiteral("Satır 2: omur_yil ile oran")},
        {FigureKind::Depreciation, kDepreciationHeader + QStringLiteral(",6.13.,,,6.13.,Deneme,4,,1.5,506\n"),
         QStringLiteral("Satır 2: oran 0 ile 1")},
        {FigureKind::Depreciation,
         kDepreciationHeader + QStringLiteral(",6.13.,,,6.13.,Deneme,0,,0.25,506\n"),
         QStringLiteral("Satır 2: omur_yil 1 ile 100")},
        {FigureKind::Depreciation,
         kDepreciationHeader +
             QStringLiteral(",6.13.,,,6.13.,Deneme,4,,0.25,506\n,6.13.,,,6.13.,Deneme,5,,0.2,506\n"),
         QStringLiteral("Satır 3: 6.13. dosyada ikinci kez")},
    };
    const QString before = snapshot();
    for (const Case& c : cases) {
        prompt().clearShown();
        EXPECT_EQ(add(c.kind, c.csv), 0) << c.csv.toStdString();
        ASSERT_EQ(prompt().texts().size(), 1) << c.csv.toStdString();
        EXPECT_TRUE(prompt().texts().first().contains(c.expected))
            << prompt().texts().first().toStdString() << " / " << c.expected.toStdString();
        EXPECT_TRUE(prompt().texts().first().contains(QStringLiteral("hiçbir satır yazılmadı")));
        EXPECT_EQ(snapshot(), before) << c.csv.toStdString();
    }
}

TEST_F(PublishedFiguresTest, TheUserSeesEachChangeAndARefusalWritesNothing) {
    const QString before = snapshot();
    prompt().addAnswer(PromptButton::No);
    EXPECT_EQ(add(FigureKind::Index, QStringLiteral("year,month,value\n2004,12,119.00\n2026,3,5100.00\n")),
              0);
    ASSERT_EQ(prompt().shown().size(), 1);
    const QString question = prompt().shown().front().text;
    EXPECT_TRUE(prompt().shown().front().question);
    EXPECT_TRUE(question.contains(QStringLiteral("1 satır eklenecek, 1 satır düzeltilecek")));
    EXPECT_TRUE(question.contains(QStringLiteral("2004-12 düzeltilecek: 118,00 → 119,00")));
    EXPECT_TRUE(question.contains(QStringLiteral("2026-03 eklenecek: 5.100,00")));
    EXPECT_EQ(snapshot(), before);

    prompt().clearShown();
    prompt().addAnswer(PromptButton::Yes);
    EXPECT_EQ(add(FigureKind::Index, QStringLiteral("year,month,value\n2004,12,119.00\n2026,3,5100.00\n")),
              2);
    EXPECT_DOUBLE_EQ(
        rates().scalar(QStringLiteral("SELECT Yi_UFE FROM YI_UFE_Yeni WHERE YilAy=200412")).toDouble(),
        119.00);
    EXPECT_DOUBLE_EQ(rates().scalar(QStringLiteral("SELECT Mart FROM YI_UFE WHERE Yil=2026")).toDouble(),
                     5100.00);
    EXPECT_EQ(
        rates()
            .scalar(QStringLiteral("SELECT Eski || '>' || Yeni || '>' || Kaynak FROM Veri_Degisiklikleri "
                                   "WHERE Anahtar='2004-12'"))
            .toString(),
        QStringLiteral("118,00>119,00>Resmî Gazete"));
    EXPECT_TRUE(coverageText(rates(), CoveredTable::Index).startsWith(QStringLiteral("Son ay: Mart 2026")));
    EXPECT_TRUE(
        coverageText(rates(), CoveredTable::Index).contains(QStringLiteral("Kullanıcı eklemeleri: 2 satır")));

    // The same figures again change nothing and ask nothing.
    prompt().clearShown();
    EXPECT_EQ(add(FigureKind::Index, QStringLiteral("year,month,value\n2026,3,5100\n")), 0);
    EXPECT_FALSE(prompt().shown().front().question);
}

TEST_F(PublishedFiguresTest, AMoveAboveAQuarterIsAskedAbout) {
    const QString before = snapshot();
    prompt().addAnswer(PromptButton::No);
    EXPECT_EQ(add(FigureKind::Index, QStringLiteral("year,month,value\n2026,3,6500.00\n")), 0);
    ASSERT_EQ(prompt().shown().size(), 1);
    EXPECT_TRUE(prompt().shown().front().text.contains(
        QStringLiteral("2026-03: 6.500,00 (önceki ay 5.029,76; %29,23")))
        << prompt().shown().front().text.toStdString();
    EXPECT_EQ(snapshot(), before);

    // A correction that makes the following month jump is asked about too.
    prompt().clearShown();
    prompt().addAnswer(PromptButton::Yes);
    prompt().addAnswer(PromptButton::Yes);
    EXPECT_EQ(add(FigureKind::Index, QStringLiteral("year,month,value\n2024,5,2000.00\n")), 1);
    EXPECT_TRUE(
        prompt().shown().front().text.contains(QStringLiteral("2024-06: 3.483,25 (önceki ay 2.000,00")));
}

TEST_F(PublishedFiguresTest, InterestRatesOfAFullYearGetTheirAverageAndShowAsCsv) {
    QString csv = QStringLiteral("year,month,rate\n");
    for (int month = 1; month <= 12; ++month)
        csv += QStringLiteral("2022,%1,%2\n").arg(month).arg(20 + month);
    prompt().addAnswer(PromptButton::Yes);
    EXPECT_EQ(add(FigureKind::Interest, csv), 12);
    EXPECT_DOUBLE_EQ(
        rates().scalar(QStringLiteral("SELECT Ortalama FROM Ortalama_Faiz WHERE Yil=2022")).toDouble(), 26.5);
    EXPECT_EQ(figuresCsv(rates(), FigureKind::Interest, 2022).split(QLatin1Char('\n')).value(1),
              QStringLiteral("2022,1,21.00"));
    // The shown table reads back as the same figures.
    prompt().clearShown();
    EXPECT_EQ(add(FigureKind::Depreciation, figuresCsv(rates(), FigureKind::Depreciation)), 0);
    EXPECT_TRUE(prompt().texts().first().contains(QStringLiteral("değişiklik yok")));
}

TEST_F(PublishedFiguresTest, TheFormAddsTypedRowsAndTellsTheViews) {
    PublishedFiguresForm figures(home.context().rates(), prompt());
    int changed = 0;
    figures.setChanged([&] { ++changed; });
    figures.refresh();
    FormModel& form = figures.form();
    EXPECT_TRUE(form.text(ctl::figures::FaizKapsamText).startsWith(QStringLiteral("Son ay: Haziran 2025")));
    form.userSet(ctl::figures::VeriTuruRadio, QStringLiteral("1"));
    EXPECT_EQ(form.text(ctl::figures::SatirlarMemo), QStringLiteral("year,month,rate\n"));
    form.userSet(ctl::figures::SatirlarMemo, QStringLiteral("year,month,rate\n2015,7,14.25\n"));
    prompt().addAnswer(PromptButton::Yes);
    form.click(ctl::figures::EkleBut);
    EXPECT_EQ(changed, 1);
    EXPECT_DOUBLE_EQ(
        rates().scalar(QStringLiteral("SELECT Temmuz FROM Ortalama_Faiz WHERE Yil=2015")).toDouble(), 14.25);
    EXPECT_EQ(form.text(ctl::figures::SatirlarMemo), QStringLiteral("year,month,rate\n"));
    ASSERT_EQ(figures.historyQuery().recordCount(), 1);
    EXPECT_EQ(figures.historyQuery().text(QStringLiteral("Kaynak")), QStringLiteral("Elle girildi"));
}

} // namespace
