#include "GuiFixture.h"

#include "app/MainMenuControls.h"
#include "base/WindowNames.h"
#include "engine/WorkspaceStateControls.h"
#include "periods/PeriodSheetControls.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>

using namespace velkor;
using velkor::test::GuiProgram;

namespace {

const QString& kWindow = windows::kWorkspace;
namespace c = ctl::period;

} // namespace

/// The tab "Dönem Düzeltmesi" driven as a user drives it, on a company file of the release
/// before the later periods: from a period just chosen to a closed one, and back to the
/// sheets of 31.12.2023.
class PeriodTabTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void fromAnEmptyPeriodToAClosedOne();

private:
    template <typename W = QWidget> W* find(const QString& name) { return m_gui->widget<W>(kWindow, name); }
    QString cli(const QStringList& args) {
        QProcess process;
        process.setProgram(QStringLiteral(VELKOR_CLI_PATH));
        process.setArguments(QStringList{QStringLiteral("--home"), m_gui->home()} + args);
        process.start();
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    void choosePeriod(const QString& text) {
        auto* combo = find<QComboBox>(ctl::workspace::DuzeltmeDonemiCombo);
        QVERIFY(combo);
        const int index = combo->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        combo->setCurrentIndex(index);
        Q_EMIT combo->textActivated(text);
        QTest::qWait(20);
    }
    QTableView* grid() { return find<QTableView>(c::DonemGrid); }
    /// The row of the grid whose account and sub-account are these.
    int rowOf(const QString& account, const QString& sub) {
        QAbstractItemModel* model = grid()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            if (model->index(row, 0).data().toString() == account &&
                model->index(row, 1).data().toString() == sub)
                return row;
        return -1;
    }
    QString cell(int row, int column) { return grid()->model()->index(row, column).data().toString(); }
    QString label(const QString& name) { return find<QLabel>(name)->text(); }

    std::unique_ptr<GuiProgram> m_gui;
};

void PeriodTabTest::init() {
    m_gui = std::make_unique<GuiProgram>();
    const QString file = m_gui->home() + QStringLiteral("Data/ESK.mdb");
    QVERIFY(QFile::copy(QStringLiteral(VELKOR_TEST_SOURCE_DIR "/periods/data/ESK.mdb"), file));
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    cli({QStringLiteral("company"), QStringLiteral("adopt"), QStringLiteral("ESK"),
         QStringLiteral("Eski Dosya A.Ş.")});
    m_gui->enter(QStringLiteral("ESK"));
    QVERIFY(m_gui->shown(windows::kMainMenu));
    m_gui->click(windows::kMainMenu, ctl::mainmenu::GeneIslemBarItems0);
    QVERIFY(m_gui->shown(kWindow));
    m_gui->prompt().clearShown();
}

void PeriodTabTest::cleanup() {
    m_gui.reset();
}

void PeriodTabTest::fromAnEmptyPeriodToAClosedOne() {
    auto* tabs = find<QTabWidget>(ctl::workspace::DuzeltmePage);
    QVERIFY(tabs);
    const int periodTab = tabs->count() - 1;
    QCOMPARE(tabs->tabText(periodTab), QStringLiteral("Dönem Düzeltmesi"));
    // 31.12.2023 shows the sheets of today and not the period tab.
    QVERIFY(tabs->isTabVisible(0));
    QVERIFY(!tabs->isTabVisible(periodTab));

    // Choosing a period not yet added adds it (31.12.2024 asks nothing) and shows its tab alone.
    choosePeriod(QStringLiteral("31.12.2024"));
    QVERIFY2(m_gui->prompt().shown().empty(), qPrintable(m_gui->prompt().texts().join('\n')));
    QVERIFY(tabs->isTabVisible(periodTab));
    QVERIFY(!tabs->isTabVisible(0));
    QCOMPARE(tabs->currentIndex(), periodTab);
    QCOMPARE(label(c::DonemDurumLabel), QStringLiteral("Açık · Yasal"));
    QVERIFY(label(c::DonemBaslikLabel).contains(QStringLiteral("Taşıma Katsayısı: 1,28525")));
    QCOMPARE(grid()->model()->rowCount(), 6);
    const int machine = rowOf(QStringLiteral("253"), QStringLiteral("01"));
    QVERIFY(machine >= 0);
    QCOMPARE(cell(machine, 6), QStringLiteral("609.261,20"));

    // The period's DP typed into the grid's cell, then "Hesapla" and "Kaydet".
    const QModelIndex dp = grid()->model()->index(machine, 8);
    QVERIFY(grid()->model()->flags(dp) & Qt::ItemIsEditable);
    QVERIFY(!(grid()->model()->flags(grid()->model()->index(machine, 6)) & Qt::ItemIsEditable));
    QVERIFY(grid()->model()->setData(dp, QStringLiteral("80.000,00"), Qt::EditRole));
    m_gui->click(kWindow, c::HesaplaBut);
    QTest::qWait(20);
    QCOMPARE(cell(machine, 8), QStringLiteral("80.000,00"));
    QCOMPARE(cell(machine, 9), QStringLiteral("364.424,60"));
    m_gui->click(kWindow, c::KaydetBut);
    QVERIFY2(m_gui->prompt().shown().empty(), qPrintable(m_gui->prompt().texts().join('\n')));
    // What the window shows is what the command line reads from the company file.
    QVERIFY(cli({QStringLiteral("period"), QStringLiteral("report"), QStringLiteral("--company"),
                 QStringLiteral("ESK"), QStringLiteral("--end"), QStringLiteral("31.12.2024")})
                .contains(QStringLiteral("\t80.000,00\t364.424,60\t")));

    // The journal of the period in the text box.
    m_gui->click(kWindow, c::DonemYevmiyeBut);
    QVERIFY(find<QTextEdit>(c::DonemRich)
                ->toPlainText()
                .contains(QStringLiteral("31/12/2024 ENFLASYON DÜZELTMESİ YEVMİYE KAYITLARI")));

    // "Dönemi Kapat" asks; declined, nothing changes; accepted, the period is closed.
    m_gui->prompt().addAnswer(No);
    m_gui->click(kWindow, c::DonemKapatBut);
    QCOMPARE(label(c::DonemDurumLabel), QStringLiteral("Açık · Yasal"));
    m_gui->prompt().addAnswer(Yes);
    m_gui->click(kWindow, c::DonemKapatBut);
    QVERIFY(label(c::DonemDurumLabel).startsWith(QStringLiteral("Kapandı · Yasal")));
    QVERIFY(!find<QPushButton>(c::HesaplaBut)->isEnabled());
    QVERIFY(!find<QPushButton>(c::DonemKapatBut)->isEnabled());
    QVERIFY(find<QPushButton>(c::DonemAcBut)->isEnabled());
    QVERIFY(!(grid()->model()->flags(grid()->model()->index(machine, 8)) & Qt::ItemIsEditable));
    QVERIFY(cli({QStringLiteral("period"), QStringLiteral("list"), QStringLiteral("--company"),
                 QStringLiteral("ESK")})
                .contains(QStringLiteral("31.12.2024\tYasal\tKapandı\t31.12.2023\t1,28525")));

    // Back to 31.12.2023: the sheets of today.
    choosePeriod(QStringLiteral("31.12.2023"));
    QVERIFY(tabs->isTabVisible(0));
    QVERIFY(!tabs->isTabVisible(periodTab));
}

QTEST_MAIN(PeriodTabTest)
#include "test_period_tab.moc"
