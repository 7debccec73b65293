// The command line on the desktops the program meets: Turkish, German, American English and
// no language at all. The same typed amounts (each in that desktop's own separators) give the
// same figures everywhere: on the sheets, in the journal, the report, the totals, the five
// vouchers, the exported workbook and an imported workbook. Shown amounts carry the desktop's
// separators; workbooks carry plain numbers and so are identical.
#include "engine/EquitySheetControls.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheetControls.h"
#include "import/ExcelImportFormControls.h"
#include "support/CLibraryLocale.h"
#include "support/ControlArgs.h"
#include "support/TestSupport.h"
#include "support/XlsxReadBack.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace velkor;
using velkor::test::stepArg;

namespace {

/// A desktop's locale with the separators the program takes from it.
struct Desktop {
    QString locale;
    QChar group;
    QChar decimal;
};

const Desktop kDesktops[] = {
    {QStringLiteral("tr_TR.UTF-8"), QLatin1Char('.'), QLatin1Char(',')},
    {QStringLiteral("de_DE.UTF-8"), QLatin1Char('.'), QLatin1Char(',')},
    {QStringLiteral("en_US.UTF-8"), QLatin1Char(','), QLatin1Char('.')},
    {QStringLiteral("C"), QLatin1Char('.'), QLatin1Char(',')},
};

/// An amount written the Turkish way ("900.000,50") as a user of the desktop types it.
QString typed(const Desktop& desktop, const QString& turkish) {
    QString text = turkish;
    for (QChar& c : text) {
        if (c == QLatin1Char('.'))
            c = desktop.group;
        else if (c == QLatin1Char(','))
            c = desktop.decimal;
    }
    return text;
}

/// Every amount of a text in the desktop's separators, written plainly ("900000.50"): the
/// figures of two desktops' texts compare equal when these do. Dates ("15.03.2020") and
/// account codes ("253.001") are left as they are.
QString plainAmounts(const Desktop& desktop, const QString& text) {
    const QString g = QRegularExpression::escape(desktop.group);
    const QString d = QRegularExpression::escape(desktop.decimal);
    const QRegularExpression amount(
        QStringLiteral("(?<![\\d.,])-?\\d+(?:%1\\d{3})*%2\\d+(?![\\d.,])").arg(g, d));
    QString result;
    qsizetype last = 0;
    for (auto it = amount.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        result += text.mid(last, m.capturedStart() - last);
        result += m.captured().remove(desktop.group).replace(desktop.decimal, QLatin1Char('.'));
        last = m.capturedEnd();
    }
    return result + text.mid(last);
}

/// What one desktop's run produced: printed texts, written files and workbooks (a line a cell).
using Outputs = std::map<QString, QString>;

class LocaleCliTest : public ::testing::Test {
protected:
    /// Runs the command as on the desktop; a failing command fails the test.
    QString run(const Desktop& desktop, QStringList args) {
        args.prepend(m_home.path() + QLatin1Char('/') + desktop.locale);
        args.prepend(QStringLiteral("--home"));
        QString out, err;
        const int status = test::runCliIn(desktop.locale, args, &out, &err);
        EXPECT_EQ(status, 0) << desktop.locale.toStdString() << ": "
                             << args.join(QLatin1Char(' ')).toStdString() << "\n"
                             << err.toStdString();
        return out;
    }
    QString file(const Desktop& desktop, const QString& name) const {
        return m_home.path() + QLatin1Char('/') + desktop.locale + QLatin1Char('/') + name;
    }
    static QString read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }
    static QString cells(const QString& path) {
        QString lines;
        const test::XlsxReadBack book(path);
        for (const auto& [address, cell] : book.cells())
            lines +=
                address + QLatin1Char('=') + cell.type + QLatin1Char(':') + cell.value + QLatin1Char('\n');
        return lines;
    }

    /// A company with a fixed asset, a stock item and an equity item typed with kuruş, and
    /// every reader and writer of their figures.
    Outputs work(const Desktop& desktop) {
        namespace f = ctl::fixedasset;
        namespace s = ctl::stock;
        namespace e = ctl::equity;
        namespace x = ctl::excelimport;
        const auto set = [](const QString& name, const QString& text) {
            return QStringList{QStringLiteral("--set"), stepArg(name, text)};
        };
        const auto click = [](const QString& name) { return QStringList{QStringLiteral("--click"), name}; };
        const auto leave = [](const QString& name) { return QStringList{QStringLiteral("--leave"), name}; };
        const QString company = QStringLiteral("ABC");
        Outputs o;
        run(desktop, {QStringLiteral("init")});
        run(desktop,
            {QStringLiteral("company"), QStringLiteral("add"), company, QStringLiteral("Deneme A.Ş.")});
        const QStringList sheet{QStringLiteral("--company"), company};
        o["sabit"] =
            run(desktop, QStringList{QStringLiteral("sheet"), QStringLiteral("fixed")} + sheet +
                             set(f::DuzeltmeAnaHesapCombo, QStringLiteral("253")) +
                             set(f::KoduEdit, QStringLiteral("001")) +
                             set(f::AdiEdit, QStringLiteral("Torna Tezgahı")) +
                             set(f::GirisTarihiDate, QStringLiteral("15.03.2020")) +
                             set(f::KayitliTutariEdit, typed(desktop, QStringLiteral("900.000,50"))) +
                             leave(f::KayitliTutariEdit) + set(f::AmortSureEdit, QStringLiteral("5")) +
                             click(f::AmortHesaplaBut) + click(f::DuzeltBut) + click(f::KaydetButton));
        o["stok"] =
            run(desktop, QStringList{QStringLiteral("sheet"), QStringLiteral("stock")} + sheet +
                             set(s::DuzeltmeAnaHesapComboS, QStringLiteral("153")) +
                             set(s::KoduEditS, QStringLiteral("01")) +
                             set(s::AdiEditS, QStringLiteral("Ticari Mallar")) +
                             set(s::KayitliTutariEditS, typed(desktop, QStringLiteral("250.000,25"))) +
                             leave(s::KayitliTutariEditS) + set(s::DevirHiziRadio, QStringLiteral("1")) +
                             set(s::DBasiStokEdit, typed(desktop, QStringLiteral("100.000,10"))) +
                             leave(s::DBasiStokEdit) +
                             set(s::DSonuStokEdit, typed(desktop, QStringLiteral("140.000,75"))) +
                             leave(s::DSonuStokEdit) +
                             set(s::DonemiciSMMEdit, typed(desktop, QStringLiteral("600.000,05"))) +
                             leave(s::DonemiciSMMEdit) + click(s::JvXPButton1) + click(s::DuzeltButS) +
                             click(s::KaydetButtonS));
        o["ozkaynak"] =
            run(desktop, QStringList{QStringLiteral("sheet"), QStringLiteral("equity")} + sheet +
                             set(e::DuzeltmeAnaHesapComboO, QStringLiteral("500")) +
                             set(e::KoduEditO, QStringLiteral("01")) +
                             set(e::AdiEditO, QStringLiteral("Sermaye")) +
                             set(e::GirisTarihiDateO, QStringLiteral("30.06.2021")) +
                             set(e::KayitliTutariEditO, typed(desktop, QStringLiteral("1.000.000,99"))) +
                             leave(e::KayitliTutariEditO) + set(e::NaktiRadio, QStringLiteral("1")) +
                             click(e::DuzeltButO) + click(e::KaydetButtonO));
        o["rapor"] = run(desktop, QStringList{QStringLiteral("report")} + sheet);
        o["yevmiye"] = run(desktop, QStringList{QStringLiteral("journal")} + sheet);
        o["toplamlar"] = run(desktop, QStringList{QStringLiteral("totals")} + sheet);
        for (const char* kind : {"luca.csv", "mikro.csv", "logo.xml"}) {
            const QString out = file(desktop, QString::fromLatin1(kind));
            run(desktop, QStringList{QStringLiteral("voucher"),
                                     QString::fromLatin1(kind).section(QLatin1Char('.'), 0, 0)} +
                             sheet + QStringList{QStringLiteral("--out"), out});
            o[QString::fromLatin1(kind)] = read(out);
        }
        for (const char* kind : {"netsis", "sentez"}) {
            const QString out = file(desktop, QString::fromLatin1(kind) + QStringLiteral(".xlsx"));
            run(desktop, QStringList{QStringLiteral("voucher"), QString::fromLatin1(kind)} + sheet +
                             QStringList{QStringLiteral("--out"), out});
            o[QString::fromLatin1(kind)] = cells(out);
        }
        const QString exported = file(desktop, QStringLiteral("rapor.xlsx"));
        run(desktop, QStringList{QStringLiteral("export"), QStringLiteral("report")} + sheet +
                         QStringList{QStringLiteral("--xlsx"), exported});
        o["rapor"] = cells(exported);

        const QString book = QStringLiteral(VELKOR_TEST_SOURCE_DIR "/spreadsheet/data/book.xlsx");
        run(desktop, {QStringLiteral("company"), QStringLiteral("add"), QStringLiteral("KTP"),
                      QStringLiteral("Kitap")});
        o["aktarim"] =
            run(desktop,
                QStringList{QStringLiteral("import"), QStringLiteral("--company"), QStringLiteral("KTP"),
                            QStringLiteral("--file"), book} +
                    set(x::AnaHesapE, QStringLiteral("1")) + set(x::AlHesapKodE, QStringLiteral("1")) +
                    set(x::HesapAdiEdit, QStringLiteral("2")) + set(x::GirisTarihiE, QStringLiteral("3")) +
                    set(x::KayitliTutarE, QStringLiteral("4")) + set(x::PasifTutarE, QStringLiteral("5")) +
                    set(x::ilkUcHarfCheck, QStringLiteral("1")));
        o["aktarilanlar"] =
            run(desktop, {QStringLiteral("items"), QStringLiteral("--company"), QStringLiteral("KTP")});
        return o;
    }

    QTemporaryDir m_home;
};

TEST_F(LocaleCliTest, everyDesktopGivesTheSameFiguresInItsOwnSeparators) {
    const Desktop& turkish = kDesktops[0];
    const Outputs expected = work(turkish);
    // The Turkish desktop shows the amounts as they were typed.
    EXPECT_TRUE(expected.at("sabit").contains(QStringLiteral("KayitliTutariEdit=900.000,50\n")));
    EXPECT_TRUE(expected.at("yevmiye").contains(QStringLiteral("Varlık Net Değeri (900.000,50)")));
    EXPECT_EQ(expected.at("aktarim"), QStringLiteral("2 kayıt aktarıldı.\n"));
    for (const auto& [name, text] : expected)
        EXPECT_FALSE(text.isEmpty()) << name.toStdString();

    for (const Desktop& desktop : kDesktops) {
        if (&desktop == &turkish)
            continue;
        SCOPED_TRACE(desktop.locale.toStdString());
        const Outputs got = work(desktop);
        for (const auto& [name, text] : expected) {
            EXPECT_EQ(plainAmounts(desktop, got.at(name)).toStdString(),
                      plainAmounts(turkish, text).toStdString())
                << name.toStdString();
        }
        EXPECT_TRUE(got.at("sabit").contains(QStringLiteral("KayitliTutariEdit=") +
                                             typed(desktop, QStringLiteral("900.000,50")) +
                                             QLatin1Char('\n')));
    }
}

// The whole suite runs under the Turkish locale, as the users' desktops do.
TEST(DesktopLocaleTest, theSuiteRunsUnderTheTurkishLocale) {
    EXPECT_EQ(qEnvironmentVariable("LANG"), QStringLiteral("tr_TR.UTF-8"));
    EXPECT_TRUE(qEnvironmentVariable("LC_ALL").isEmpty());
    EXPECT_TRUE(qEnvironmentVariable("LC_NUMERIC").isEmpty());
    EXPECT_EQ(test::CLibraryLocale::printedDecimal(), QStringLiteral(","));
}

} // namespace
