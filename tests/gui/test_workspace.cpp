#include "GuiFixture.h"

#include "app/CompaniesWindowControls.h"
#include "app/MainMenuControls.h"
#include "base/WindowNames.h"
#include "base/ui/RadioGroupBox.h"
#include "engine/EquitySheetControls.h"
#include "engine/FixedAssetSheet.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheetControls.h"
#include "engine/WorkspaceStateControls.h"
#include "reports/JournalSheetControls.h"
#include "reports/ReportSheetControls.h"
#include "storage/Database.h"
#include "storage/ui/DatasetGrid.h"
#include "support/ControlArgs.h"
#include "vouchers/TransferSheetControls.h"
#include "workspace/RecordDeletionControls.h"
#include "workspace/Workspace.h"
#include "workspace/ui/TSabitKiymetDuzeltmeF.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

using namespace velkor;
using velkor::test::GuiProgram;
using velkor::test::stepArg;

namespace {

const QString& kWindow = windows::kWorkspace;

// What a widget shows, in the form the command line prints a control; null for widgets
// that are not compared (buttons, labels, groups).
QString shownText(QWidget* w) {
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo->currentText();
    if (auto* date = qobject_cast<QDateEdit*>(w))
        return date->date().toString(QStringLiteral("dd.MM.yyyy"));
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
        return static_cast<QAbstractButton*>(w)->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (auto* group = qobject_cast<RadioGroupBox*>(w))
        return QString::number(group->currentIndex());
    return {};
}

} // namespace

class WorkspaceWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void fromAnEmptyFormToTheJournal();
    void amountFieldsFollowTheKeyRules();
    void theWindowIsLaidOutAsPlanned();
    void leavingTheEntryDateRecomputes();
    void theListMenuOpensAnItemAndEngineErrorsLeaveTheWindowUsable();
    void theDeletionTabDeletesTheTickedGroupAfterABackup();
    void reopeningAfterAnotherCompanyShowsItsListOnTheFirstTab();
    void datesAreTypedAfterAClickAndRefusedOutsideTheirRange();
    void enterMovesToTheNextField();

private:
    template <typename W = QWidget> W* find(const QString& name) {
        W* w = m_gui->widget<W>(kWindow, name);
        if (!w)
            qWarning("missing widget %s", qPrintable(name));
        return w;
    }
    void typeInto(const QString& name, const QString& keys, bool leaveAfter = true) {
        auto* edit = find<QLineEdit>(name);
        QVERIFY(edit);
        // Typing over the whole text, as a user who selects it first.
        edit->selectAll();
        GuiProgram::typeText(edit, keys);
        if (leaveAfter)
            leave(edit);
    }
    static void leave(QWidget* w) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(w, &out);
    }
    void setDate(const QString& name, const QDate& date) {
        auto* edit = find<QDateEdit>(name);
        QVERIFY(edit);
        edit->setDate(date);
        leave(edit);
    }
    void press(const QString& name) { m_gui->click(kWindow, name); }
    void choose(const QString& combo, const QString& text) {
        auto* c = find<QComboBox>(combo);
        QVERIFY(c);
        const int index = c->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        c->setCurrentIndex(index);
        Q_EMIT c->textActivated(text);
    }
    /// Runs velkor-cli on the same installation folder.
    QString cli(const QStringList& args) {
        QProcess process;
        process.setProgram(QStringLiteral(VELKOR_CLI_PATH));
        process.setArguments(QStringList{QStringLiteral("--home"), m_gui->home()} + args);
        process.start();
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    /// Compares every control the command line prints for a sheet with its widget, and
    /// the explanation text with the text box.
    void compareWithCli(const QStringList& args, const QString& rich) {
        const QStringList lines = cli(args).split(QLatin1Char('\n'));
        const int separator = static_cast<int>(lines.indexOf(QString(10, QLatin1Char('='))));
        QVERIFY2(separator > 0, qPrintable(lines.join('\n')));
        int compared = 0;
        for (int i = 0; i < separator; ++i) {
            const int eq = static_cast<int>(lines[i].indexOf(QLatin1Char('=')));
            const QString name = lines[i].left(eq);
            QWidget* w = find(name);
            QVERIFY2(w, qPrintable(name));
            const QString shown = shownText(w);
            if (shown.isNull())
                continue;
            QCOMPARE(name + QLatin1Char('=') + shown, lines[i]);
            ++compared;
        }
        QVERIFY(compared > 10);
        QStringList text = lines.mid(separator + 1);
        while (!text.isEmpty() && text.last().isEmpty())
            text.removeLast();
        QCOMPARE(find<QTextEdit>(rich)->toPlainText(), text.join(QLatin1Char('\n')));
    }
    int listRows() { return m_list->model()->rowCount(); }
    QString listName(int row) { return m_list->model()->index(row, 2).data().toString(); }
    int listRow() { return m_list->currentIndex().row(); }
    void openListRow(int row) {
        const QModelIndex index = m_list->model()->index(row, 0);
        m_list->scrollTo(index);
        const QPoint centre = m_list->visualRect(index).center();
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(m_list->viewport(), Qt::LeftButton, {}, centre);
    }
    int currentTab() { return find<QTabWidget>(ctl::workspace::DuzeltmePage)->currentIndex(); }
    static QStringList gridLinesOf(QAbstractItemModel* model) {
        QStringList lines;
        QStringList titles;
        for (int c = 0; c < model->columnCount(); ++c)
            titles << model->headerData(c, Qt::Horizontal).toString();
        lines << titles.join(QLatin1Char('\t'));
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells << model->index(r, c).data().toString();
            lines << cells.join(QLatin1Char('\t'));
        }
        return lines;
    }
    static QStringList outputLines(const QString& output) {
        QStringList lines = output.split(QLatin1Char('\n'));
        while (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    /// Makes the workspace the active window, so that clicks and keys give the focus.
    void activate() {
        QWidget* window = m_gui->windows().window(kWindow);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    std::unique_ptr<GuiProgram> m_gui;
    DatasetGrid* m_list = nullptr;
};

void WorkspaceWindowTest::init() {
    m_gui = std::make_unique<GuiProgram>();
    m_gui->addCompany("ORNEK", "Örnek Sanayi ve Ticaret A.Ş.");
    m_gui->enter("ORNEK");
    QVERIFY(m_gui->shown(windows::kMainMenu));
    m_gui->click(windows::kMainMenu, ctl::mainmenu::GeneIslemBarItems0);
    QVERIFY(m_gui->shown(kWindow));
    m_list = find<DatasetGrid>(ctl::workspace::SBKListeGrid);
    QVERIFY(m_list);
    m_gui->prompt().clearShown();
}

void WorkspaceWindowTest::cleanup() {
    m_list = nullptr;
    m_gui.reset();
}

void WorkspaceWindowTest::fromAnEmptyFormToTheJournal() {
    // A fixed asset with depreciation and a financing cost by debt amount.
    find<QTabWidget>(ctl::workspace::DuzeltmePage)->setCurrentIndex(0);
    choose(ctl::fixedasset::DuzeltmeAnaHesapCombo, QStringLiteral("253"));
    typeInto(ctl::fixedasset::KoduEdit, QStringLiteral("001"));
    typeInto(ctl::fixedasset::AdiEdit, QStringLiteral("Torna Tezgahı"));
    setDate(ctl::fixedasset::GirisTarihiDate, QDate(2020, 3, 15));
    typeInto(ctl::fixedasset::KayitliTutariEdit, QStringLiteral("100000"));
    QCOMPARE(find<QLineEdit>(ctl::fixedasset::KayitliTutariEdit)->text(), QStringLiteral("100.000,00"));
    typeInto(ctl::fixedasset::AmortSureEdit, QStringLiteral("5"));
    press(ctl::fixedasset::AmortHesaplaBut);
    QVERIFY(!find<QLineEdit>(ctl::fixedasset::BirikmisAmortEdit)->text().isEmpty());
    const QString accumulated = find<QLineEdit>(ctl::fixedasset::BirikmisAmortEdit)->text();
    setDate(ctl::fixedasset::ROFMBasDate, QDate(2020, 3, 15));
    setDate(ctl::fixedasset::ROFMBitDate, QDate(2021, 3, 15));
    typeInto(ctl::fixedasset::ROFMAnaparaEdit, QStringLiteral("50000"));
    typeInto(ctl::fixedasset::ROFMFaizEdit, QStringLiteral("8000"));
    press(ctl::fixedasset::DuzeltBut);
    QVERIFY(!find<QLineEdit>(ctl::fixedasset::ROFMEdit)->text().isEmpty());
    QVERIFY(!find<QLineEdit>(ctl::fixedasset::DuzeltilmisTutarEdit)->text().isEmpty());
    QVERIFY(find<QTextEdit>(ctl::fixedasset::SBKRich)->toPlainText().contains("698"));
    namespace fa = ctl::fixedasset;
    compareWithCli({"sheet",     "fixed",
                    "--company", "ORNEK",
                    "--set",     stepArg(fa::DuzeltmeAnaHesapCombo, "253"),
                    "--set",     stepArg(fa::KoduEdit, "001"),
                    "--set",     stepArg(fa::AdiEdit, "Torna Tezgahı"),
                    "--set",     stepArg(fa::GirisTarihiDate, "15.03.2020"),
                    "--type",    stepArg(fa::KayitliTutariEdit, "100000"),
                    "--leave",   fa::KayitliTutariEdit,
                    "--set",     stepArg(fa::AmortSureEdit, "5"),
                    "--click",   fa::AmortHesaplaBut,
                    "--set",     stepArg(fa::ROFMBasDate, "15.03.2020"),
                    "--set",     stepArg(fa::ROFMBitDate, "15.03.2021"),
                    "--type",    stepArg(fa::ROFMAnaparaEdit, "50000"),
                    "--leave",   fa::ROFMAnaparaEdit,
                    "--type",    stepArg(fa::ROFMFaizEdit, "8000"),
                    "--leave",   fa::ROFMFaizEdit,
                    "--click",   fa::DuzeltBut},
                   fa::SBKRich);
    press(ctl::fixedasset::KaydetButton);
    QTRY_VERIFY(!find<QLineEdit>(ctl::fixedasset::Kayit_No_Edit)->text().isEmpty());
    const QString fixedId = find<QLineEdit>(ctl::fixedasset::Kayit_No_Edit)->text();
    QCOMPARE(listRows(), 1);

    // A stock item by turnover: the turnover group follows the method.
    find<QTabWidget>(ctl::workspace::DuzeltmePage)->setCurrentIndex(1);
    QGroupBox* turnover = find<QGroupBox>(ctl::stock::DevirHiziGroup);
    QVERIFY(!turnover->isVisible());
    choose(ctl::stock::DuzeltmeAnaHesapComboS, QStringLiteral("153"));
    typeInto(ctl::stock::KoduEditS, QStringLiteral("01"));
    typeInto(ctl::stock::AdiEditS, QStringLiteral("Ticari Mallar"));
    typeInto(ctl::stock::KayitliTutariEditS, QStringLiteral("250000"));
    find<QRadioButton>(ctl::stock::DevirHiziRadio)->click();
    QVERIFY(turnover->isVisible());
    find<QRadioButton>(ctl::stock::GercekRadio)->click();
    QVERIFY(!turnover->isVisible());
    find<QRadioButton>(ctl::stock::DevirHiziRadio)->click();
    QVERIFY(turnover->isVisible());
    typeInto(ctl::stock::DBasiStokEdit, QStringLiteral("100000"));
    typeInto(ctl::stock::DSonuStokEdit, QStringLiteral("140000"));
    typeInto(ctl::stock::DonemiciSMMEdit, QStringLiteral("600000"));
    press(ctl::stock::JvXPButton1);
    QCOMPARE(find<QLineEdit>(ctl::stock::DevirHiziEdit)->text(), QStringLiteral("5,00"));
    QCOMPARE(find<QLineEdit>(ctl::stock::StoktaKalmaSureEdit)->text(), QStringLiteral("73"));
    QCOMPARE(find<QDateEdit>(ctl::stock::GirisTarihiDateS)->date(), QDate(2023, 10, 19));
    press(ctl::stock::DuzeltButS);
    namespace st = ctl::stock;
    compareWithCli({"sheet",     "stock",
                    "--company", "ORNEK",
                    "--set",     stepArg(st::DuzeltmeAnaHesapComboS, "153"),
                    "--set",     stepArg(st::KoduEditS, "01"),
                    "--set",     stepArg(st::AdiEditS, "Ticari Mallar"),
                    "--type",    stepArg(st::KayitliTutariEditS, "250000"),
                    "--leave",   st::KayitliTutariEditS,
                    "--set",     stepArg(st::DevirHiziRadio, "1"),
                    "--type",    stepArg(st::DBasiStokEdit, "100000"),
                    "--leave",   st::DBasiStokEdit,
                    "--type",    stepArg(st::DSonuStokEdit, "140000"),
                    "--leave",   st::DSonuStokEdit,
                    "--type",    stepArg(st::DonemiciSMMEdit, "600000"),
                    "--leave",   st::DonemiciSMMEdit,
                    "--click",   st::JvXPButton1,
                    "--click",   st::DuzeltButS},
                   st::DigerRich);
    press(ctl::stock::KaydetButtonS);
    QTRY_VERIFY(!find<QLineEdit>(ctl::stock::Kayit_No_EditS)->text().isEmpty());

    // Capital increased from the revaluation funds (the "522" kind).
    find<QTabWidget>(ctl::workspace::DuzeltmePage)->setCurrentIndex(2);
    QVERIFY(find<QGroupBox>(ctl::equity::SermayeGroup)->isVisible());
    choose(ctl::equity::DuzeltmeAnaHesapComboO, QStringLiteral("540"));
    QVERIFY(!find<QGroupBox>(ctl::equity::SermayeGroup)->isVisible());
    choose(ctl::equity::DuzeltmeAnaHesapComboO, QStringLiteral("500"));
    QVERIFY(find<QGroupBox>(ctl::equity::SermayeGroup)->isVisible());
    typeInto(ctl::equity::KoduEditO, QStringLiteral("01"));
    typeInto(ctl::equity::AdiEditO, QStringLiteral("Sermaye Artırımı"));
    setDate(ctl::equity::GirisTarihiDateO, QDate(2021, 6, 30));
    typeInto(ctl::equity::KayitliTutariEditO, QStringLiteral("1000000"));
    find<QRadioButton>(ctl::equity::Radio522)->click();
    press(ctl::equity::DuzeltButO);
    QCOMPARE(find<QLineEdit>(ctl::equity::DuzeltKatsayiEditO)->text(), QStringLiteral("1,00000"));
    QCOMPARE(find<QLineEdit>(ctl::equity::EnflasyonFarkEditO)->text(), QStringLiteral("1.000.000,00"));
    namespace eq = ctl::equity;
    compareWithCli({"sheet", "equity", "--company", "ORNEK", "--set", stepArg(eq::KoduEditO, "01"), "--set",
                    stepArg(eq::AdiEditO, "Sermaye Artırımı"), "--set",
                    stepArg(eq::GirisTarihiDateO, "30.06.2021"), "--type",
                    stepArg(eq::KayitliTutariEditO, "1000000"), "--leave", eq::KayitliTutariEditO, "--set",
                    stepArg(eq::Radio522, "1"), "--click", eq::DuzeltButO},
                   eq::OzkaynakRich);
    press(ctl::equity::KaydetButtonO);
    QTRY_VERIFY(!find<QLineEdit>(ctl::equity::Kayit_No_EditO)->text().isEmpty());
    const QString equityId = find<QLineEdit>(ctl::equity::Kayit_No_EditO)->text();

    // The list under each group filter; after the save it stands on the saved row.
    QCOMPARE(listRows(), 3);
    QTRY_COMPARE(listRow(), 2);
    QCOMPARE(listName(2), QStringLiteral("Sermaye Artırımı"));
    choose(ctl::workspace::SBK_Ana_Combo, QStringLiteral("SBK"));
    QCOMPARE(listRows(), 1);
    QCOMPARE(listName(0), QStringLiteral("Torna Tezgahı"));
    choose(ctl::workspace::SBK_Ana_Combo, QStringLiteral("Stoklar"));
    QCOMPARE(listRows(), 1);
    QCOMPARE(listName(0), QStringLiteral("Ticari Mallar"));
    choose(ctl::workspace::SBK_Ana_Combo, QStringLiteral("Özkaynaklar"));
    QCOMPARE(listRows(), 1);
    QCOMPARE(listName(0), QStringLiteral("Sermaye Artırımı"));
    choose(ctl::workspace::SBK_Ana_Combo, QStringLiteral("Hepsi"));
    QCOMPARE(listRows(), 3);

    // "Ara" steps through the matches and wraps around.
    m_list->setCurrentIndex(m_list->model()->index(0, 0));
    typeInto(ctl::workspace::AraEdit, QStringLiteral("ma"), false);
    press(ctl::workspace::AramaYap);
    const int first = listRow();
    QVERIFY(listName(first).contains("ma", Qt::CaseInsensitive));
    press(ctl::workspace::AramaYap);
    const int second = listRow();
    QVERIFY(second != first);
    QVERIFY(listName(second).contains("ma", Qt::CaseInsensitive));
    press(ctl::workspace::AramaYap);
    QCOMPARE(listRow(), first);

    // A double click opens each item in its own tab with the stored values.
    for (int row = 0; row < 3; ++row) {
        press(ctl::fixedasset::YeniBut);
        openListRow(row);
        const QString account = m_list->model()->index(row, 0).data().toString();
        if (account == QLatin1String("253")) {
            QCOMPARE(currentTab(), 0);
            QCOMPARE(find<QLineEdit>(ctl::fixedasset::Kayit_No_Edit)->text(), fixedId);
            QCOMPARE(find<QLineEdit>(ctl::fixedasset::KayitliTutariEdit)->text(),
                     QStringLiteral("100.000,00"));
            QCOMPARE(find<QLineEdit>(ctl::fixedasset::BirikmisAmortEdit)->text(), accumulated);
            QCOMPARE(find<QDateEdit>(ctl::fixedasset::GirisTarihiDate)->date(), QDate(2020, 3, 15));
        } else if (account == QLatin1String("153")) {
            QCOMPARE(currentTab(), 1);
            QVERIFY(find<QRadioButton>(ctl::stock::DevirHiziRadio)->isChecked());
            QVERIFY(find<QGroupBox>(ctl::stock::DevirHiziGroup)->isVisible());
            QCOMPARE(find<QLineEdit>(ctl::stock::StoktaKalmaSureEdit)->text(), QStringLiteral("73,00"));
        } else {
            QCOMPARE(currentTab(), 2);
            QCOMPARE(find<QLineEdit>(ctl::equity::Kayit_No_EditO)->text(), equityId);
            QVERIFY(find<QRadioButton>(ctl::equity::Radio522)->isChecked());
            QVERIFY(find<QTextEdit>(ctl::equity::OzkaynakRich)->toPlainText().contains("503.01"));
        }
    }

    // The report list (with the closing rows), the totals and the journal: the same as the CLI.
    find<QTabWidget>(ctl::workspace::DuzeltmePage)->setCurrentIndex(3);
    press(ctl::report::RaporListeButton);
    auto* report = find<DatasetGrid>(ctl::report::SBKGrid);
    QVERIFY(report->model()->rowCount() > 3);
    QCOMPARE(gridLinesOf(report->model()), outputLines(cli({"report", "--company", "ORNEK"})));
    auto* totals = find<DatasetGrid>(ctl::report::ToplamGrid);
    QVERIFY(totals->model()->rowCount() >= 3);
    QCOMPARE(totals->model()->index(0, 0).data().toString(), QStringLiteral("153"));
    press(ctl::journal::YevmiyeBut);
    const QString journal = find<QTextEdit>(ctl::journal::YevmiyeRich)->toPlainText();
    QVERIFY(journal.contains("Torna Tezgahı"));
    QVERIFY(journal.contains("Ticari Mallar"));
    QVERIFY(journal.contains("503.01"));
    QCOMPARE(journal, outputLines(cli({"journal", "--company", "ORNEK"})).join('\n'));
    QVERIFY(m_gui->prompt().shown().empty());

    // Pictures of every tab on the small screen, for looking at them.
    const QString shots = qEnvironmentVariable("VELKOR_SCREENSHOT_DIR");
    if (!shots.isEmpty()) {
        QWidget* window = m_gui->windows().window(kWindow);
        window->showNormal();
        window->setGeometry(0, 0, 1366, 738);
        auto* tabs = find<QTabWidget>(ctl::workspace::DuzeltmePage);
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QTest::qWait(100);
            window->grab().save(shots + QStringLiteral("/workspace-%1.png").arg(i));
        }
    }
}

void WorkspaceWindowTest::amountFieldsFollowTheKeyRules() {
    auto* edit = find<QLineEdit>(ctl::fixedasset::KayitliTutariEdit);
    typeInto(ctl::fixedasset::KayitliTutariEdit, QStringLiteral("1234567"), false);
    QCOMPARE(edit->text(), QStringLiteral("1.234.567"));
    GuiProgram::typeText(edit, QStringLiteral("x,5"));
    QCOMPARE(edit->text(), QStringLiteral("1.234.567,5"));
    GuiProgram::typeText(edit, QStringLiteral("67,"));
    QCOMPARE(edit->text(), QStringLiteral("1.234.567,56"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("1.234.567,5"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->text(), QStringLiteral("1.234.567,5"));
    leave(edit);
    QCOMPARE(edit->text(), QStringLiteral("1.234.567,50"));
    QCOMPARE(m_gui->program().adjustmentWorkspace().fixedAssets().text(ctl::fixedasset::KayitliTutariEdit),
             QStringLiteral("1.234.567,50"));
    // The useful life takes digits only; names take anything.
    typeInto(ctl::fixedasset::AmortSureEdit, QStringLiteral("1a0"), false);
    QCOMPARE(find<QLineEdit>(ctl::fixedasset::AmortSureEdit)->text(), QStringLiteral("10"));
    typeInto(ctl::fixedasset::AdiEdit, QStringLiteral("Bina 1,5"), false);
    QCOMPARE(find<QLineEdit>(ctl::fixedasset::AdiEdit)->text(), QStringLiteral("Bina 1,5"));
    QVERIFY(edit->alignment() & Qt::AlignRight);
    QVERIFY(!(find<QLineEdit>(ctl::fixedasset::AdiEdit)->alignment() & Qt::AlignRight));
    // Read-only results refuse typing.
    auto* result = find<QLineEdit>(ctl::fixedasset::DuzeltilmisTutarEdit);
    QVERIFY(result->isReadOnly());
}

void WorkspaceWindowTest::theWindowIsLaidOutAsPlanned() {
    auto* tabs = find<QTabWidget>(ctl::workspace::DuzeltmePage);
    // The base period 31.12.2023 shows its eight tabs; the tab of a later period waits hidden.
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->isTabVisible(i))
            captions << tabs->tabText(i);
    QCOMPARE(captions, (QStringList{"Sabit Kıymetler", "Stok ve Diğer", "Özkaynaklar", "Düzelt. Rapor",
                                    "Ana Hesap Rap.", "Yevmiye", "Muh.Fiş Aktarımı", "Kayıt Sil"}));
    QCOMPARE(tabs->tabText(tabs->count() - 1), QStringLiteral("Dönem Düzeltmesi"));
    QVERIFY(m_gui->windows().window(kWindow)->isMaximized());
    QCOMPARE(
        m_gui->windows().window(kWindow)->windowTitle(),
        QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Sabit Kıymet Düzeltmesi - Örnek Sanayi ve "
                       "Ticaret A.Ş."));
    QCOMPARE(find<QLabel>(ctl::workspace::Label4)->text(), QStringLiteral("Örnek Sanayi ve Ticaret A.Ş."));
    // The adjustment date: disabled until "AÇ", within its range, with a calendar.
    auto* date = find<QDateEdit>(ctl::workspace::HesapTarihiDate);
    QVERIFY(!date->isEnabled());
    QVERIFY(date->calendarPopup());
    // The range is the model's: the field takes any typed date and refuses one outside it.
    Workspace& workspace = m_gui->program().adjustmentWorkspace();
    QCOMPARE(workspace.state().dateRange(ctl::workspace::HesapTarihiDate)->first, QDate(2003, 1, 1));
    QCOMPARE(workspace.state().dateRange(ctl::workspace::HesapTarihiDate)->second, QDate(2023, 12, 31));
    press(ctl::workspace::HesapTarihAcBut);
    QVERIFY(date->isEnabled());
    QCOMPARE(workspace.fixedAssets().dateRange(ctl::fixedasset::ROFMBasDate)->first, QDate(2004, 12, 31));
    // The explanation texts in a fixed-pitch font.
    for (const QString& rich : {ctl::fixedasset::SBKRich, ctl::stock::DigerRich, ctl::equity::OzkaynakRich,
                                ctl::journal::YevmiyeRich}) {
        auto* text = find<QTextEdit>(rich);
        QVERIFY(text->isReadOnly());
        QVERIFY2(QFontInfo(text->font()).fixedPitch(), qPrintable(rich));
        QCOMPARE(text->lineWrapMode(), QTextEdit::NoWrap);
    }
    // The print and workbook buttons have their actions.
    for (const QString& name :
         {ctl::fixedasset::YazSBKBut, ctl::stock::DigerYazBut, ctl::equity::OzkaynakYazBut,
          ctl::report::ExcelDuzRapBut, ctl::report::DuzRapYazBut, ctl::report::GenelAmortluBut,
          ctl::report::AnaHesapExcelBut, ctl::report::AnaHesapYazBut, ctl::journal::YevmiyeYazBut}) {
        auto* b = find<QAbstractButton>(name);
        QVERIFY2(b && b->isEnabled(), qPrintable(name));
    }
    QVERIFY(find<QPushButton>(ctl::fixedasset::DuzeltBut)->isEnabled());
    // The transfer tab is bound to its sheet: the buttons work, the options show their start values.
    for (const QString& name :
         {ctl::transfer::LucaTransferFisiBut, ctl::transfer::MikroTransferFisiBut,
          ctl::transfer::NetsisTransferFisiBut, ctl::transfer::LogoXMLBut, ctl::transfer::SentezExcelButton})
        QVERIFY2(find<QAbstractButton>(name)->isEnabled(), qPrintable(name));
    QCOMPARE(find<QComboBox>(ctl::transfer::FisTransferCombo)->currentText(), QStringLiteral("Hepsi"));
    QCOMPARE(find<QLineEdit>(ctl::transfer::AmortLucaHesapEdit)->text(), QStringLiteral("257.99"));
    // The closing entry is left out unless asked for, and the sheet says who posts it then.
    auto* closing = find<QCheckBox>(ctl::transfer::KapanisKaydiCheck);
    QVERIFY(!closing->isChecked());
    QCOMPARE(closing->text(), QStringLiteral("Kapanış kaydını da aktar"));
    QVERIFY(
        find<QLabel>(ctl::transfer::KapanisNotuLabel)->text().contains(QStringLiteral("elle işlenmelidir")));
    QVERIFY(find<QPushButton>(ctl::deletion::KayitSilBut)->isEnabled());
    // The list's columns.
    QCOMPARE(m_list->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Ana H."));
    QCOMPARE(m_list->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Alt Hesap"));
    QCOMPARE(m_list->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Adı"));
    // "KAPAT" brings the main menu back.
    press(ctl::workspace::JvXPButton19);
    QVERIFY(!m_gui->shown(kWindow));
    QVERIFY(m_gui->shown(windows::kMainMenu));
}

void WorkspaceWindowTest::leavingTheEntryDateRecomputes() {
    auto* adjusted = find<QLineEdit>(ctl::fixedasset::DuzeltilmisTutarEdit);
    setDate(ctl::fixedasset::GirisTarihiDate, QDate(2021, 12, 15));
    QVERIFY(adjusted->text().isEmpty());
    typeInto(ctl::fixedasset::KayitliTutariEdit, QStringLiteral("1000"));
    setDate(ctl::fixedasset::GirisTarihiDate, QDate(2022, 12, 15));
    QVERIFY(!adjusted->text().isEmpty());
    const QString later = adjusted->text();
    setDate(ctl::fixedasset::GirisTarihiDate, QDate(2015, 6, 1));
    QVERIFY(adjusted->text() != later);
    QCOMPARE(find<QDateEdit>(ctl::fixedasset::YiUfeGirisDate)->date().month(), 6);
}

void WorkspaceWindowTest::theListMenuOpensAnItemAndEngineErrorsLeaveTheWindowUsable() {
    choose(ctl::equity::DuzeltmeAnaHesapComboO, QStringLiteral("540"));
    typeInto(ctl::equity::AdiEditO, QStringLiteral("Yasal Yedekler"));
    typeInto(ctl::equity::KayitliTutariEditO, QStringLiteral("5000"));
    press(ctl::equity::DuzeltButO);

    // The database refuses the save: the error is shown and nothing else happens.
    Database& db = m_gui->context().company().database();
    db.execute(QStringLiteral("ALTER TABLE sabit_kiymet RENAME TO sabit_kiymet_gecici"));
    press(ctl::equity::KaydetButtonO);
    QVERIFY(!m_gui->prompt().shown().empty());
    QCOMPARE(m_gui->prompt().shown().back().icon, PromptIcon::Error);
    QVERIFY(m_gui->shown(kWindow));
    db.execute(QStringLiteral("ALTER TABLE sabit_kiymet_gecici RENAME TO sabit_kiymet"));
    m_gui->prompt().clearShown();
    choose(ctl::workspace::SBK_Ana_Combo, QStringLiteral("Hepsi"));
    press(ctl::equity::KaydetButtonO);
    QTRY_COMPARE(listRows(), 1);
    QVERIFY(m_gui->prompt().shown().empty());

    // "Düzelt" of the list's menu opens the row; "Kayıt Sil" is there too.
    press(ctl::equity::YeniButO);
    QVERIFY(find<QLineEdit>(ctl::equity::AdiEditO)->text().isEmpty());
    QStringList entries;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions())
            entries << action->text() + (action->isEnabled() ? "" : " (kapalı)");
        menu->actions().front()->trigger();
        menu->close();
    });
    m_list->setCurrentIndex(m_list->model()->index(0, 0));
    Q_EMIT m_list->customContextMenuRequested(m_list->visualRect(m_list->model()->index(0, 0)).center());
    QCOMPARE(entries, (QStringList{"Düzelt", "Kayıt Sil"}));
    QCOMPARE(find<QLineEdit>(ctl::equity::AdiEditO)->text(), QStringLiteral("Yasal Yedekler"));
    QCOMPARE(currentTab(), 2);
}

void WorkspaceWindowTest::theDeletionTabDeletesTheTickedGroupAfterABackup() {
    Database& db = m_gui->context().company().database();
    for (const char* account : {"153", "253", "500"})
        db.execute(QStringLiteral("INSERT INTO sabit_kiymet (anahesapkodu, sbk_adi) VALUES (?, 'x')"),
                   {QString::fromLatin1(account)});
    auto* stocks = find<QCheckBox>(ctl::deletion::StokSilCheck);
    QVERIFY(stocks);
    QTest::mouseClick(stocks, Qt::LeftButton, {}, QPoint(5, stocks->height() / 2));
    QVERIFY(stocks->isChecked());
    m_gui->prompt().addAnswer(Yes);
    m_gui->prompt().addAnswer(No);
    press(ctl::deletion::KayitSilBut);
    QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM sabit_kiymet")).toInt(), 2);
    QCOMPARE(QDir(m_gui->home() + QStringLiteral("Yedek")).entryList({QStringLiteral("ORNEK_*.zip")}).size(),
             1);
}

void WorkspaceWindowTest::reopeningAfterAnotherCompanyShowsItsListOnTheFirstTab() {
    const QString insert =
        QStringLiteral("INSERT INTO sabit_kiymet (anahesapkodu, sbk_kodu, sbk_adi) VALUES (?, '01', ?)");
    m_gui->context().company().database().execute(insert, {QStringLiteral("253"), QStringLiteral("Kamyon")});
    find<QTabWidget>(ctl::workspace::DuzeltmePage)->setCurrentIndex(6);
    press(ctl::workspace::JvXPButton19);

    // "Firma Değiştir", another company with items of its own, the workspace again.
    m_gui->click(windows::kMainMenu, ctl::mainmenu::EkIslemBarItems2);
    m_gui->click(windows::kCompanies, ctl::companies::KapatBut);
    m_gui->addCompany("IKINCI", "İkinci Ltd.");
    m_gui->enter("IKINCI");
    QVERIFY(m_gui->shown(windows::kMainMenu));
    for (const char* name : {"Arsa", "Bina"})
        m_gui->context().company().database().execute(insert,
                                                      {QStringLiteral("251"), QString::fromUtf8(name)});
    m_gui->click(windows::kMainMenu, ctl::mainmenu::GeneIslemBarItems0);
    QVERIFY(m_gui->shown(kWindow));
    QCOMPARE(currentTab(), 0);
    QCOMPARE(listRows(), 2);
    QCOMPARE(listName(0), QStringLiteral("Arsa"));

    // And back to the first company, every time.
    find<QTabWidget>(ctl::workspace::DuzeltmePage)->setCurrentIndex(6);
    press(ctl::workspace::JvXPButton19);
    m_gui->click(windows::kMainMenu, ctl::mainmenu::EkIslemBarItems2);
    m_gui->click(windows::kCompanies, ctl::companies::KapatBut);
    m_gui->enter("ORNEK");
    m_gui->click(windows::kMainMenu, ctl::mainmenu::GeneIslemBarItems0);
    QCOMPARE(currentTab(), 0);
    QCOMPARE(listRows(), 1);
    QCOMPARE(listName(0), QStringLiteral("Kamyon"));
}

void WorkspaceWindowTest::datesAreTypedAfterAClickAndRefusedOutsideTheirRange() {
    activate();
    FixedAssetSheet& sheet = m_gui->program().adjustmentWorkspace().fixedAssets();
    auto* date = find<QDateEdit>(ctl::fixedasset::GirisTarihiDate);
    auto* text = date->findChild<QLineEdit*>();
    QVERIFY(text);
    const QPoint year(text->width() - 8, text->height() / 2);
    // A click anywhere into the field, then the digits: day, month and year in turn.
    QTest::mouseClick(text, Qt::LeftButton, {}, year);
    QTRY_VERIFY(date->hasFocus());
    GuiProgram::typeText(date, QStringLiteral("15032020"));
    QCOMPARE(date->text(), QStringLiteral("15.03.2020"));
    QTest::keyClick(date, Qt::Key_Return);
    QCOMPARE(sheet.text(ctl::fixedasset::GirisTarihiDate), QStringLiteral("15.03.2020"));

    // A second click into the year of the focused field selects the year.
    QTest::mouseClick(text, Qt::LeftButton, {}, year);
    QTRY_VERIFY(date->hasFocus());
    QTest::mouseClick(text, Qt::LeftButton, {}, year);
    GuiProgram::typeText(date, QStringLiteral("2019"));
    QTest::keyClick(date, Qt::Key_Return);
    QCOMPARE(sheet.text(ctl::fixedasset::GirisTarihiDate), QStringLiteral("15.03.2019"));

    // A date after the adjustment date is refused by name, never turned into another date.
    m_gui->prompt().clearShown();
    QTest::mouseClick(text, Qt::LeftButton, {}, year);
    QTRY_VERIFY(date->hasFocus());
    GuiProgram::typeText(date, QStringLiteral("15012024"));
    QCOMPARE(date->text(), QStringLiteral("15.01.2024"));
    QTest::keyClick(date, Qt::Key_Return);
    QCOMPARE(m_gui->prompt().texts(),
             QStringList{QStringLiteral("Tarih 01.01.1900 ile 31.12.2023 arasında olmalıdır.")});
    QCOMPARE(date->text(), QStringLiteral("15.03.2019"));
    QCOMPARE(sheet.text(ctl::fixedasset::GirisTarihiDate), QStringLiteral("15.03.2019"));
    QTRY_VERIFY(date->hasFocus());
}

void WorkspaceWindowTest::enterMovesToTheNextField() {
    activate();
    auto* amount = find<QLineEdit>(ctl::fixedasset::KayitliTutariEdit);
    amount->setFocus();
    QTRY_VERIFY(amount->hasFocus());
    GuiProgram::typeText(amount, QStringLiteral("2500,5"));
    QTest::keyClick(amount, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), find(ctl::fixedasset::AmortSureEdit));
    // Leaving by Enter is leaving: the amount is shown formatted.
    QCOMPARE(amount->text(), QStringLiteral("2.500,50"));
    // The same in a date and a drop-down list; a date moves on to the next field, not its next section.
    auto* date = find<QDateEdit>(ctl::fixedasset::GirisTarihiDate);
    date->setFocus();
    QTRY_VERIFY(date->hasFocus());
    QTest::keyClick(date, Qt::Key_Return);
    QVERIFY(!date->hasFocus());
    auto* method = find<QComboBox>(ctl::fixedasset::AmortYontemCombo);
    method->setFocus();
    QTRY_VERIFY(method->hasFocus());
    QTest::keyClick(method, Qt::Key_Return);
    QVERIFY(!method->hasFocus());
    // "Amort.Yöntemi" offers its three entries and takes nothing typed.
    QVERIFY(!method->isEditable());
    QCOMPARE(method->count(), 3);
    // The search edit still searches on Enter.
    auto* search = find<QLineEdit>(ctl::workspace::AraEdit);
    search->setFocus();
    QTRY_VERIFY(search->hasFocus());
    QTest::keyClick(search, Qt::Key_Return);
    QVERIFY(search->hasFocus());
}

QTEST_MAIN(WorkspaceWindowTest)
#include "test_workspace.moc"
