// A new user's first hour, on a desktop as the users have it (an X server with a window
// manager, the Turkish locale, run by with-desktop.sh): the program starts on an empty
// installation, a company is added and entered, a fixed asset is typed with the keyboard
// (an amount with kuruş), adjusted and saved, the report and the journal are prepared, a Luca
// voucher is written, and the program is closed with "Evet". Every click and key goes
// through the X server (xdotool), every box is the program's own. The walk fails on any
// error box, on a step that does not come about, and when the program does not end; then it
// checks the saved row and the voucher file. With VELKOR_SHOTS set, a screenshot of the
// screen is kept after every step.
#include "app/CompaniesWindowControls.h"
#include "app/EntryWindowControls.h"
#include "app/MainMenuControls.h"
#include "app/ui/ApplicationWindows.h"
#include "app/ui/ProgramRun.h"
#include "base/ClassicNumbers.h"
#include "base/NumberFormat.h"
#include "base/WindowNames.h"
#include "base/ui/GuardedApplication.h"
#include "engine/EquitySheetControls.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheetControls.h"
#include "engine/WorkspaceStateControls.h"
#include "import/ExcelImportFormControls.h"
#include "registry/RegistrationFormControls.h"
#include "reports/JournalSheetControls.h"
#include "reports/ReportSheetControls.h"
#include "storage/ConnectionStrings.h"
#include "storage/Database.h"
#include "storage/Installation.h"
#include "storage/Statement.h"
#include "vouchers/TransferSheetControls.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace velkor;

namespace {

const QString kCode = QStringLiteral("DMO");
const QString kAssetName = QStringLiteral("Torna Tezgahı");

/// Runs xdotool with the arguments and waits for it.
void xdotool(const QStringList& args) {
    QProcess::execute(QStringLiteral("xdotool"), args);
}

/// What the walk saw; printed as it goes, so a failing run tells where it stood.
void say(const QString& text) {
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

class Walk : public QObject {
public:
    Walk(ApplicationWindows& windows, QString home, QString shots)
        : m_windows(windows), m_home(std::move(home)), m_shots(std::move(shots)) {
        buildSteps();
        connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
        m_timer.start(200);
        m_clock.start();
    }

    QStringList failures;
    QStringList boxes;
    QString vouchers;

private:
    struct Step {
        QString name;
        /// Done when it returns true; asked again on the next tick otherwise.
        std::function<bool()> run;
    };

    QWidget* window(const QString& name) { return m_windows.window(name); }
    template <typename W = QWidget> W* control(const QString& win, const QString& name) {
        QWidget* top = window(win);
        return top ? top->findChild<W*>(name) : nullptr;
    }
    bool shown(const QString& win) {
        QWidget* top = window(win);
        return top && top->isVisible();
    }

    /// A click on a widget, through the X server: on the middle of it, or on the mark of a
    /// check box or radio button (the rest of their row takes no click).
    static void click(QWidget* w) {
        const bool marked = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
        const QPoint local = marked ? QPoint(8, w->height() / 2) : w->rect().center();
        clickAt(w->mapToGlobal(local));
    }
    /// A click at a point of the screen once the pointer is there. A synced move waits for
    /// the pointer's motion, and a pointer already on the spot (a dialog answered a second
    /// time) never moves: xdotool waited some 15 s for it. So the pointer first steps aside.
    static void clickAt(const QPoint& at) {
        xdotool({QStringLiteral("mousemove"), QString::number(at.x() + 1), QString::number(at.y() + 1),
                 QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
                 QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
    }
    static void type(const QString& text) {
        xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"),
                 QStringLiteral("--"), text});
    }
    static void key(const QString& keys) { xdotool({QStringLiteral("key"), keys}); }

    /// The widget that takes the keys of a control (an editable list's edit).
    QWidget* keyTarget(const QString& win, const QString& name) {
        QWidget* w = control(win, name);
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
            return combo->lineEdit();
        return w;
    }
    /// Steps that click into a field, wait for its focus, empty it and type the text, as a
    /// user replaces a value.
    void fill(const QString& win, const QString& name, const QString& text) {
        // The click is given again until the field has the focus: a field just shown may
        // not have its place yet.
        auto ticks = std::make_shared<int>(0);
        await(QStringLiteral("odak-") + name, [this, win, name, ticks] {
            QWidget* w = keyTarget(win, name);
            if (w->hasFocus() || w->isAncestorOf(QApplication::focusWidget()))
                return true;
            if ((*ticks)++ % 10 == 0 && w->isVisible())
                click(w);
            return false;
        });
        // Typing over the selection replaces the old value at once: the useful life would put
        // its default back into a field emptied with Backspace.
        act(QStringLiteral("yaz-") + name, [this, text] {
            key(QStringLiteral("ctrl+a"));
            type(text);
        });
        // The field shows what was typed, and nothing of what it held before.
        expect(
            QStringLiteral("odak-yazildi-") + name,
            [this, win, name, text] {
                // Amounts are grouped as they are typed.
                auto* edit = qobject_cast<QLineEdit*>(keyTarget(win, name));
                return !edit || QString(edit->text()).remove(QLatin1Char('.')) ==
                                    QString(text).remove(QLatin1Char('.'));
            },
            [this, win, name, text] {
                const QString shown = qobject_cast<QLineEdit*>(keyTarget(win, name))->text();
                return QStringLiteral("%1 alanında \"%2\" yerine \"%3\"").arg(name, text, shown);
            },
            15);
    }
    void press(const QString& win, const QString& name) { click(control(win, name)); }
    /// A step that clicks the tab of the workspace with the index (0 fixed assets ... 7
    /// deletion) until it is the current one.
    void showTab(const QString& name, int index) {
        auto ticks = std::make_shared<int>(0);
        await(name, [this, index, ticks] {
            auto* tabs = control<QTabWidget>(windows::kWorkspace, ctl::workspace::DuzeltmePage);
            if (tabs->currentIndex() == index && tabs->currentWidget()->isVisible())
                return true;
            if ((*ticks)++ % 10 == 0) {
                QTabBar* bar = tabs->tabBar();
                clickAt(bar->mapToGlobal(bar->tabRect(index).center()));
            }
            return false;
        });
    }

    /// The company backups in the installation folder, newest first.
    QFileInfoList backups() const {
        return QDir(m_home + QStringLiteral("Yedek"))
            .entryInfoList({kCode + QStringLiteral("_*.zip")}, QDir::Files, QDir::Time);
    }

    void shoot(const QString& name) {
        if (m_shots.isEmpty())
            return;

        QDir().mkpath(m_shots);
        QProcess::execute(
            QStringLiteral("import"),
            {QStringLiteral("-window"), QStringLiteral("root"),
             m_shots + QStringLiteral("/%1-%2.png").arg(m_shotNumber++, 2, 10, QLatin1Char('0')).arg(name)});
    }

    /// Answers the box or dialog in front, as this user does: the file name into a save
    /// dialog, "Evet" where offered, else "Tamam". An error box fails the walk.
    bool answerDialogs() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return false;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            const QString text = box->text();
            if (boxes.isEmpty() || boxes.last() != text) {
                boxes << text;
                say(QStringLiteral("KUTU: ") + text);
                shoot(QStringLiteral("kutu"));
            }
            if (box->icon() == QMessageBox::Critical || box->windowTitle() == QStringLiteral("Hata"))
                failures << QStringLiteral("hata kutusu: ") + text;
            QAbstractButton* chosen = nullptr;
            for (QAbstractButton* b : box->buttons()) {
                const QString caption = b->text().remove(QLatin1Char('&'));
                if (caption == QStringLiteral("Evet") || (!chosen && caption == QStringLiteral("Tamam")))
                    chosen = b;
            }
            if (chosen)
                click(chosen);
            return true;
        }
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!name) {
                failures << QStringLiteral("dosya penceresinde ad alanı yok");
                dialog->reject();
                return true;
            }
            shoot(QStringLiteral("dosya-penceresi"));
            click(name);
            key(QStringLiteral("ctrl+a"));
            type(m_dialogPath);
            key(QStringLiteral("Return"));
            return true;
        }
        return false;
    }

    void tick() {
        if (m_clock.elapsed() > 280000) {
            failures << QStringLiteral("süre doldu, adım: ") +
                            (m_next < m_steps.size() ? m_steps[m_next].name : QStringLiteral("son"));
            m_timer.stop();
            QCoreApplication::exit(3);
            return;
        }
        if (m_busy)
            return;
        m_busy = true;
        // A step's picture is taken a tick later, once what was typed and clicked has reached
        // the windows.
        if (!m_pendingShot.isEmpty()) {
            shoot(m_pendingShot);
            m_pendingShot.clear();
        }
        if (!answerDialogs() && m_next < m_steps.size()) {
            Step& step = m_steps[m_next];
            if (step.run()) {
                say(QStringLiteral("ADIM: ") + step.name);
                if (!step.name.startsWith(QStringLiteral("odak-")))
                    m_pendingShot = step.name;
                ++m_next;
            }
        }
        m_busy = false;
    }

    /// A step that acts once.
    void act(const QString& name, std::function<void()> action) {
        m_steps.push_back({name, [action] {
                               action();
                               return true;
                           }});
    }
    /// A step that presses a button until the condition holds: a click the window took
    /// before the window manager had placed it, or while the program was busy, is given again.
    void pressUntil(const QString& name, const QString& win, const QString& button,
                    std::function<bool()> condition) {
        auto ticks = std::make_shared<int>(0);
        await(name, [this, win, button, condition, ticks] {
            if (condition())
                return true;
            if ((*ticks)++ % 10 == 0)
                press(win, button);
            return false;
        });
    }
    /// A step that enters the company until the main menu shows: the registration window is
    /// closed, the code typed into the entry window and the entry button pressed, again
    /// every few ticks, since a click the program took while it was busy is lost.
    void enterUntilMainMenu(const QString& name) {
        auto ticks = std::make_shared<int>(0);
        await(name, [this, ticks] {
            if (shown(windows::kMainMenu))
                return true;
            if ((*ticks)++ % 10 != 5)
                return false;
            if (shown(windows::kRegistration)) {
                press(windows::kRegistration, ctl::registration::kapatBut);
            } else if (shown(windows::kEntry)) {
                click(keyTarget(windows::kEntry, ctl::entry::firmaedit));
                key(QStringLiteral("ctrl+a"));
                type(kCode);
                press(windows::kEntry, ctl::entry::DuzeltmeBut);
            }
            return false;
        });
    }
    /// Steps that press a sheet's "Düzelt", wait for its adjusted amount, press "Kaydet" and
    /// wait for the record number the saved row gets.
    void adjustAndSave(const QString& sheet, const QString& adjust, const QString& adjusted,
                       const QString& save, const QString& recordNumber) {
        act(sheet + QStringLiteral("-duzelt"), [this, adjust] { press(windows::kWorkspace, adjust); });
        await(sheet + QStringLiteral("-duzeltildi"), [this, sheet, adjusted] {
            const QString text = control<QLineEdit>(windows::kWorkspace, adjusted)->text();
            if (text.isEmpty())
                return false;
            say(QStringLiteral("DÜZELTİLMİŞ %1: %2").arg(sheet, text));
            return true;
        });
        act(sheet + QStringLiteral("-kaydet"), [this, save] { press(windows::kWorkspace, save); });
        await(sheet + QStringLiteral("-saklandi"), [this, recordNumber] {
            return !control<QLineEdit>(windows::kWorkspace, recordNumber)->text().isEmpty();
        });
    }
    /// A step that waits until the condition holds, or records what it found instead after
    /// `ticks` ticks and lets the walk go on.
    void expect(const QString& name, std::function<bool()> condition, std::function<QString()> found,
                int ticks) {
        auto waited = std::make_shared<int>(0);
        await(name, [this, condition, found, ticks, waited] {
            if (condition())
                return true;
            if (++*waited < ticks)
                return false;
            failures << found();
            return true;
        });
    }
    /// A step that waits until the condition holds.
    void await(const QString& name, std::function<bool()> condition) { m_steps.push_back({name, condition}); }

    void buildSteps() {
        namespace f = ctl::fixedasset;
        namespace r = ctl::registration;
        await(QStringLiteral("giris-penceresi"),
              [this] { return shown(windows::kEntry) && window(windows::kEntry)->isActiveWindow(); });
        pressUntil(QStringLiteral("kayit-penceresi"), windows::kEntry, ctl::entry::YeniFirmaBut,
                   [this] { return shown(windows::kRegistration); });
        fill(windows::kRegistration, r::KoduEdit, kCode);
        fill(windows::kRegistration, r::FirmaAdiEdit, QStringLiteral("Deneme Ticaret A.Ş."));
        act(QStringLiteral("firma-sakla"), [this] { press(windows::kRegistration, r::kaydetBut); });
        // The saved company is entered from the question after saving, or from the entry
        // window once the registration window is closed.
        enterUntilMainMenu(QStringLiteral("ana-menu"));
        pressUntil(QStringLiteral("calisma-alani"), windows::kMainMenu, ctl::mainmenu::GeneIslemBarItems0,
                   [this] { return shown(windows::kWorkspace); });
        const QString& w = windows::kWorkspace;
        fill(w, f::DuzeltmeAnaHesapCombo, QStringLiteral("253"));
        fill(w, f::KoduEdit, QStringLiteral("001"));
        fill(w, f::AdiEdit, kAssetName);
        act(QStringLiteral("tikla-tarih"),
            [this] { click(control(windows::kWorkspace, f::GirisTarihiDate)); });
        act(QStringLiteral("yaz-tarih"), [] { type(QStringLiteral("15032020")); });
        fill(w, f::KayitliTutariEdit, QStringLiteral("900000,50"));
        fill(w, f::AmortSureEdit, QStringLiteral("5"));
        act(QStringLiteral("sure-bitti"), [] { key(QStringLiteral("Tab")); });
        expect(
            QStringLiteral("tutar-bicimlendi"),
            [this] {
                return control<QLineEdit>(windows::kWorkspace, f::KayitliTutariEdit)->text() ==
                           QStringLiteral("900.000,50") &&
                       control<QDateEdit>(windows::kWorkspace, f::GirisTarihiDate)->date() ==
                           QDate(2020, 3, 15) &&
                       control<QLineEdit>(windows::kWorkspace, f::AdiEdit)->text() == kAssetName;
            },
            [this] {
                return QStringLiteral("yazılanlar: %1 / %2 / %3")
                    .arg(control<QLineEdit>(windows::kWorkspace, f::AdiEdit)->text(),
                         control<QLineEdit>(windows::kWorkspace, f::KayitliTutariEdit)->text(),
                         FormatDate(control<QDateEdit>(windows::kWorkspace, f::GirisTarihiDate)->date()));
            },
            25);
        act(QStringLiteral("amortisman"), [this] { press(windows::kWorkspace, f::AmortHesaplaBut); });
        adjustAndSave(QStringLiteral("sabit-kiymet"), f::DuzeltBut, f::DuzeltilmisTutarEdit, f::KaydetButton,
                      f::Kayit_No_Edit);

        namespace s = ctl::stock;
        showTab(QStringLiteral("stok-sekmesi"), 1);
        fill(w, s::DuzeltmeAnaHesapComboS, QStringLiteral("153"));
        fill(w, s::KoduEditS, QStringLiteral("01"));
        fill(w, s::AdiEditS, QStringLiteral("Ticari Mallar"));
        fill(w, s::KayitliTutariEditS, QStringLiteral("250000,25"));
        act(QStringLiteral("devir-hizi"), [this] { press(windows::kWorkspace, s::DevirHiziRadio); });
        fill(w, s::DBasiStokEdit, QStringLiteral("100000,10"));
        fill(w, s::DSonuStokEdit, QStringLiteral("140000,75"));
        fill(w, s::DonemiciSMMEdit, QStringLiteral("600000,05"));
        act(QStringLiteral("devir-hizi-hesapla"), [this] { press(windows::kWorkspace, s::JvXPButton1); });
        adjustAndSave(QStringLiteral("stok"), s::DuzeltButS, s::DuzeltilmisTutarEditS, s::KaydetButtonS,
                      s::Kayit_No_EditS);

        namespace e = ctl::equity;
        showTab(QStringLiteral("ozkaynak-sekmesi"), 2);
        fill(w, e::DuzeltmeAnaHesapComboO, QStringLiteral("500"));
        fill(w, e::KoduEditO, QStringLiteral("01"));
        fill(w, e::AdiEditO, QStringLiteral("Sermaye"));
        act(QStringLiteral("tikla-tarihO"),
            [this] { click(control(windows::kWorkspace, e::GirisTarihiDateO)); });
        act(QStringLiteral("yaz-tarihO"), [] { type(QStringLiteral("30062021")); });
        fill(w, e::KayitliTutariEditO, QStringLiteral("1000000,99"));
        act(QStringLiteral("nakdi"), [this] { press(windows::kWorkspace, e::NaktiRadio); });
        adjustAndSave(QStringLiteral("ozkaynak"), e::DuzeltButO, e::DuzeltilmisTutarEditO, e::KaydetButtonO,
                      e::Kayit_No_EditO);

        showTab(QStringLiteral("rapor-sekmesi"), 3);
        pressUntil(QStringLiteral("raporu-hazirla"), windows::kWorkspace, ctl::report::RaporListeButton,
                   [this] {
                       auto* grid = control<QAbstractItemView>(windows::kWorkspace, ctl::report::SBKGrid);
                       return grid && grid->model() && grid->model()->rowCount() > 0;
                   });
        showTab(QStringLiteral("yevmiye-sekmesi"), 5);
        pressUntil(QStringLiteral("yevmiye-hazir"), windows::kWorkspace, ctl::journal::YevmiyeBut, [this] {
            return !control<QTextEdit>(windows::kWorkspace, ctl::journal::YevmiyeRich)
                        ->toPlainText()
                        .isEmpty();
        });
        showTab(QStringLiteral("fis-sekmesi"), 6);
        for (const auto& [button, file] :
             {std::pair{ctl::transfer::LucaTransferFisiBut, QStringLiteral("luca.csv")},
              std::pair{ctl::transfer::MikroTransferFisiBut, QStringLiteral("mikro.csv")},
              std::pair{ctl::transfer::NetsisTransferFisiBut, QStringLiteral("netsis.xlsx")},
              std::pair{ctl::transfer::LogoXMLBut, QStringLiteral("logo.xml")},
              std::pair{ctl::transfer::SentezExcelButton, QStringLiteral("sentez.xlsx")}}) {
            const QString path = m_home + file;
            act(QStringLiteral("fis-") + file, [this, path] { m_dialogPath = path; });
            pressUntil(QStringLiteral("yazildi-") + file, windows::kWorkspace, button,
                       [path] { return QFile::exists(path); });
        }
        pressUntil(QStringLiteral("ana-menuye-donus"), windows::kWorkspace, ctl::workspace::JvXPButton19,
                   [this] { return shown(windows::kMainMenu) && !shown(windows::kWorkspace); });
        namespace x = ctl::excelimport;
        pressUntil(QStringLiteral("aktarim-penceresi"), windows::kMainMenu,
                   ctl::mainmenu::VeriAktarimBarItems0, [this] { return shown(windows::kExcelImport); });
        act(QStringLiteral("calisma-kitabi-sec"), [this] {
            m_dialogPath = m_book;
            press(windows::kExcelImport, x::ExcelVerialBut);
        });
        await(QStringLiteral("calisma-kitabi-okundu"), [this] {
            auto* grid = control<QAbstractItemView>(windows::kExcelImport, x::StringGrid1);
            return grid && grid->model() && grid->model()->rowCount() > 1;
        });
        const QString& xi = windows::kExcelImport;
        fill(xi, x::AnaHesapE, QStringLiteral("1"));
        fill(xi, x::AlHesapKodE, QStringLiteral("1"));
        fill(xi, x::HesapAdiEdit, QStringLiteral("2"));
        fill(xi, x::GirisTarihiE, QStringLiteral("3"));
        fill(xi, x::KayitliTutarE, QStringLiteral("4"));
        fill(xi, x::PasifTutarE, QStringLiteral("5"));
        act(QStringLiteral("aktar"), [this] {
            m_imported = boxes.size();
            press(windows::kExcelImport, x::KayitAktarBut);
        });
        // The question before the import is a box too; the import has ended when it says so.
        await(QStringLiteral("aktarildi"), [this] {
            return boxes.size() > m_imported && boxes.last().startsWith(QStringLiteral("Aktarma bitti")) &&
                   !QApplication::activeModalWidget();
        });
        pressUntil(QStringLiteral("aktarim-kapandi"), windows::kExcelImport, x::JvXPButton5,
                   [this] { return !shown(windows::kExcelImport) && shown(windows::kMainMenu); });

        namespace c = ctl::companies;
        pressUntil(QStringLiteral("firmalar-penceresi"), windows::kMainMenu, ctl::mainmenu::EkIslemBarItems2,
                   [this] { return shown(windows::kCompanies); });
        act(QStringLiteral("firma-yedegi-al"), [this] { press(windows::kCompanies, c::FirmaYedekAlBut); });
        await(QStringLiteral("yedek-alindi"), [this] { return !backups().isEmpty(); });
        act(QStringLiteral("tek-firma-geri-yukle"), [this] {
            m_dialogPath = backups().constFirst().absoluteFilePath();
            m_restoreBoxes = boxes.size();
            press(windows::kCompanies, c::TekFirmaGeriYukleBut);
        });
        await(QStringLiteral("geri-yuklendi"), [this] {
            return boxes.size() > m_restoreBoxes && !QApplication::activeModalWidget() &&
                   boxes.last().startsWith(QStringLiteral("Geri yükleme işlemi başarılı"));
        });
        pressUntil(QStringLiteral("firma-secildi"), windows::kCompanies, c::FirmaSecBut,
                   [this] { return !shown(windows::kCompanies); });
        enterUntilMainMenu(QStringLiteral("ana-menu-yeniden"));
        pressUntil(QStringLiteral("calisma-alani-yeniden"), windows::kMainMenu,
                   ctl::mainmenu::GeneIslemBarItems0, [this] { return shown(windows::kWorkspace); });
        // The workspace opens on its first tab with the items of the company just entered.
        const auto tabs = [this] {
            return control<QTabWidget>(windows::kWorkspace, ctl::workspace::DuzeltmePage);
        };
        const auto listRows = [this] {
            auto* list = control<QAbstractItemView>(windows::kWorkspace, ctl::workspace::SBKListeGrid);
            return list->model() ? list->model()->rowCount() : 0;
        };
        expect(
            QStringLiteral("ilk-sekme-ve-liste"),
            [=] { return tabs()->currentIndex() == 0 && listRows() >= 3; },
            [=] {
                return QStringLiteral("çalışma alanı %1. sekmede, listede %2 satır ile açıldı")
                    .arg(tabs()->currentIndex())
                    .arg(listRows());
            },
            40);
        pressUntil(QStringLiteral("ana-menuye-son-donus"), windows::kWorkspace, ctl::workspace::JvXPButton19,
                   [this] { return shown(windows::kMainMenu) && !shown(windows::kWorkspace); });
        act(QStringLiteral("programi-kapat"),
            [this] { press(windows::kMainMenu, ctl::mainmenu::JvXPButton19); });
        // From here the close question is answered "Evet" and the program ends by itself.
        await(QStringLiteral("son"), [] { return false; });
    }

    ApplicationWindows& m_windows;
    QString m_home;
    QString m_shots;
    QString m_dialogPath;
    /// The workbook the import reads.
    QString m_book = QStringLiteral(VELKOR_TEST_SOURCE_DIR "/spreadsheet/data/book.xlsx");
    qsizetype m_imported = 0;
    qsizetype m_restoreBoxes = 0;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    int m_shotNumber = 0;
    bool m_busy = false;
    QString m_pendingShot;
    QTimer m_timer;
    QElapsedTimer m_clock;

public:
    bool finished() const { return m_next + 1 >= m_steps.size(); }
};

/// The saved row of the asset: registered and adjusted amount.
QStringList savedRow(const QString& home) {
    Database db(home + QStringLiteral("Data/") + kCode + QStringLiteral(".mdb"), kDatabasePassword);
    Statement select(db, QStringLiteral("SELECT VUK_Son_Degeri, Duzeltilmis_Tutar FROM sabit_kiymet "
                                        "WHERE sbk_adi = ?"));
    select.bind(1, kAssetName);
    QStringList row;
    while (select.step())
        row << QString::number(select.value(0).toDouble(), 'f', 2)
            << QString::number(select.value(1).toDouble(), 'f', 2);
    return row;
}

} // namespace

int main(int argc, char* argv[]) {
    GuardedApplication app(argc, argv);
    useClassicNumbers();
    QTemporaryDir folder;
    const QString home = folder.path() + QLatin1Char('/');
    setInstallationFolder(home);
    const QString shots = qEnvironmentVariable("VELKOR_SHOTS");
    Walk* walk = nullptr;
    const int status = runProgram(
        app, [&](Program&, ApplicationWindows& windows) { walk = new Walk(windows, home, shots); });
    say(QStringLiteral("ÇIKIŞ: %1").arg(status));
    QStringList failures = walk ? walk->failures : QStringList{QStringLiteral("yürüyüş başlamadı")};
    if (status != 0)
        failures << QStringLiteral("program %1 ile bitti").arg(status);
    if (walk && !walk->finished())
        failures << QStringLiteral("program yürüyüş bitmeden kapandı");
    if (walk && !walk->boxes.contains(QStringLiteral("Programı kapatmak istediğinize eminmisiniz?")))
        failures << QStringLiteral("kapatma sorusu sorulmadı");
    try {
        const QStringList row = savedRow(home);
        say(QStringLiteral("KAYIT: ") + row.join(QLatin1Char(' ')));
        // 900.000,50 × (2.915,02 / 468,69 = 6,21951), the index of 12.2023 over that of 03.2020.
        if (row != QStringList{QStringLiteral("900000.50"), QStringLiteral("5597562.11")})
            failures << QStringLiteral("kaydedilen satır: ") + row.join(QLatin1Char(' '));
    } catch (const std::exception& e) {
        failures << QStringLiteral("kayıt okunamadı: ") + QString::fromStdString(e.what());
    }
    for (const char* name : {"luca.csv", "mikro.csv", "netsis.xlsx", "logo.xml", "sentez.xlsx"}) {
        if (!QFile::exists(home + QString::fromLatin1(name)))
            failures << QStringLiteral("fiş yazılmadı: ") + QString::fromLatin1(name);
    }
    QFile voucher(home + QStringLiteral("luca.csv"));
    if (voucher.open(QIODevice::ReadOnly) && !voucher.readAll().contains("4697561,61"))
        failures << QStringLiteral("Luca fişinde 253.001 tutarı yok");
    // The workbooks as a spreadsheet program reads them.
    QProcess office;
    office.setWorkingDirectory(home);
    office.start(QStringLiteral("soffice"),
                 {QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("csv"),
                  QStringLiteral("--outdir"), home + QStringLiteral("ofis"),
                  home + QStringLiteral("netsis.xlsx"), home + QStringLiteral("sentez.xlsx")});
    office.waitForFinished(120000);
    for (const char* name : {"ofis/netsis.csv", "ofis/sentez.csv"}) {
        QFile converted(home + QString::fromLatin1(name));
        // The amount as shown under the office program's own locale: only its digits compare.
        QByteArray text = converted.open(QIODevice::ReadOnly) ? converted.readAll() : QByteArray();
        text.replace('.', "").replace(',', "");
        if (!text.contains("469756161"))
            failures << QStringLiteral("LibreOffice çalışma kitabında tutarı okumadı: ") +
                            QString::fromLatin1(name);
    }
    for (const QString& failure : failures)
        say(QStringLiteral("HATA: ") + failure);
    delete walk;
    return failures.isEmpty() ? 0 : 1;
}
