// The windows on the desktops the program meets: the same keys (each desktop's own decimal
// key) give the same figures under the Turkish, German, American English and C locales, each
// shown in that desktop's separators. Each desktop is a program of its own, started with
// that locale as a user's session starts it.
#include "GuiFixture.h"

#include "app/MainMenuControls.h"
#include "base/NumberFormat.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheetControls.h"
#include "engine/WorkspaceStateControls.h"
#include "reports/JournalSheetControls.h"
#include "support/DesktopLocales.h"

#include <QComboBox>
#include <QDateEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>
#include <cstdio>

using namespace velkor;
using velkor::test::GuiProgram;

namespace {

const QString& kWindow = windows::kWorkspace;

/// The child: a fixed asset and a stock item typed with kuruş, adjusted, saved, and the
/// journal; prints what the windows show.
int runChild(int argc, char* argv[]) {
    QApplication app(argc, argv);
    GuiProgram gui;
    gui.addCompany(QStringLiteral("YRL"), QStringLiteral("Yerel Deneme"));
    gui.enter(QStringLiteral("YRL"));
    gui.click(windows::kMainMenu, ctl::mainmenu::GeneIslemBarItems0);
    gui.prompt().clearShown();
    const QChar decimal = regionalSeparators().decimal;
    const auto find = [&](const QString& name) {
        return gui.windows().window(kWindow)->findChild<QWidget*>(name);
    };
    const auto typeInto = [&](const QString& name, const QString& keys) {
        auto* edit = qobject_cast<QLineEdit*>(find(name));
        edit->setFocus();
        edit->selectAll();
        GuiProgram::typeText(edit, keys);
        find(ctl::fixedasset::AdiEdit)->setFocus();
        QApplication::processEvents();
    };
    const auto choose = [&](const QString& name, const QString& text) {
        auto* combo = qobject_cast<QComboBox*>(find(name));
        combo->setCurrentIndex(combo->findText(text));
        Q_EMIT combo->textActivated(text);
    };
    const auto shown = [&](const QString& name) {
        if (auto* edit = qobject_cast<QLineEdit*>(find(name)))
            return name + QLatin1Char('=') + edit->text();
        return name + QLatin1Char('=') + qobject_cast<QTextEdit*>(find(name))->toPlainText();
    };
    namespace f = ctl::fixedasset;
    namespace s = ctl::stock;
    QStringList lines;
    choose(f::DuzeltmeAnaHesapCombo, QStringLiteral("253"));
    typeInto(f::KoduEdit, QStringLiteral("001"));
    typeInto(f::AdiEdit, QStringLiteral("Torna Tezgahı"));
    qobject_cast<QDateEdit*>(find(f::GirisTarihiDate))->setDate(QDate(2020, 3, 15));
    typeInto(f::KayitliTutariEdit, QStringLiteral("900000") + decimal + QStringLiteral("50"));
    typeInto(f::AmortSureEdit, QStringLiteral("5"));
    gui.click(kWindow, f::AmortHesaplaBut);
    gui.click(kWindow, f::DuzeltBut);
    for (const QString& name : {f::KayitliTutariEdit, f::BirikmisAmortEdit, f::DuzeltKatsayiEdit,
                                f::DuzeltilmisTutarEdit, f::DuzeltilmisAmortismanEdit, f::SBKRich})
        lines << shown(name);
    gui.click(kWindow, f::KaydetButton);

    gui.widget<QTabWidget>(kWindow, ctl::workspace::DuzeltmePage)->setCurrentIndex(1);
    choose(s::DuzeltmeAnaHesapComboS, QStringLiteral("153"));
    typeInto(s::KoduEditS, QStringLiteral("01"));
    typeInto(s::AdiEditS, QStringLiteral("Ticari Mallar"));
    typeInto(s::KayitliTutariEditS, QStringLiteral("250000") + decimal + QStringLiteral("25"));
    qobject_cast<QRadioButton*>(find(s::DevirHiziRadio))->click();
    typeInto(s::DBasiStokEdit, QStringLiteral("100000") + decimal + QStringLiteral("10"));
    typeInto(s::DSonuStokEdit, QStringLiteral("140000") + decimal + QStringLiteral("75"));
    typeInto(s::DonemiciSMMEdit, QStringLiteral("600000") + decimal + QStringLiteral("05"));
    gui.click(kWindow, s::JvXPButton1);
    gui.click(kWindow, s::DuzeltButS);
    for (const QString& name : {s::KayitliTutariEditS, s::DuzeltilmisTutarEditS, s::DigerRich})
        lines << shown(name);
    gui.click(kWindow, s::KaydetButtonS);

    gui.widget<QTabWidget>(kWindow, ctl::workspace::DuzeltmePage)->setCurrentIndex(5);
    gui.click(kWindow, ctl::journal::YevmiyeBut);
    lines << shown(ctl::journal::YevmiyeRich);
    lines << QStringLiteral("MESAJLAR=") + gui.prompt().texts().join(QLatin1Char('|'));
    std::printf("%s\n", qPrintable(lines.join(QLatin1Char('\n'))));
    return 0;
}

} // namespace

class LocalesTest : public QObject {
    Q_OBJECT

    static QString runOn(const test::Desktop& desktop) {
        QProcess child;
        QProcessEnvironment env = test::environmentOf(desktop);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
        child.waitForFinished(120000);
        const QString out = QString::fromUtf8(child.readAllStandardOutput());
        if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
            qWarning("%s: %s", qPrintable(desktop.locale), qPrintable(child.readAllStandardError()));
        return out;
    }

private Q_SLOTS:
    void theSameKeysGiveTheSameFiguresOnEveryDesktop() {
        const test::Desktop& turkish = test::kDesktops[0];
        const QString expected = runOn(turkish);
        QVERIFY2(expected.contains(ctl::fixedasset::KayitliTutariEdit + QStringLiteral("=900.000,50\n")),
                 qPrintable(expected));
        QVERIFY2(expected.contains(ctl::fixedasset::DuzeltilmisTutarEdit + QStringLiteral("=5.597.562,11\n")),
                 qPrintable(expected));
        QVERIFY2(expected.contains(QStringLiteral("Varlık Net Değeri (900.000,50) X (6,21951)")),
                 qPrintable(expected));
        QVERIFY2(expected.contains(ctl::stock::KayitliTutariEditS + QStringLiteral("=250.000,25\n")),
                 qPrintable(expected));
        QVERIFY2(expected.contains(QStringLiteral("MESAJLAR=\n")), qPrintable(expected));
        for (const test::Desktop& desktop : test::kDesktops) {
            if (&desktop == &turkish)
                continue;
            const QString got = runOn(desktop);
            QVERIFY2(got.contains(ctl::fixedasset::KayitliTutariEdit + QLatin1Char('=') +
                                  test::typed(desktop, QStringLiteral("900.000,50"))),
                     qPrintable(desktop.locale + QLatin1Char('\n') + got));
            QCOMPARE(test::plainAmounts(desktop, got), test::plainAmounts(turkish, expected));
        }
    }
};

int main(int argc, char* argv[]) {
    if (argc >= 2 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv);
    QApplication app(argc, argv);
    LocalesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_locales.moc"
