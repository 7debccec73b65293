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
        const QPoint at = w->mapToGlobal(local);
        xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
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
        auto waits = std::make_shared<int>(0);
        await(QStringLiteral("odak-yazildi-") + name, [this, win, name, text, waits] {
            auto* edit = qobject_cast<QLineEdit*>(keyTarget(win, name));
            // Amounts are grouped as they are typed.
            if (!edit ||
                QString(edit->text()).remove(QLatin1Char('.')) == QString(text).remove(QLatin1Char('.')))
                return true;
            if (++*waits < 15)
                return false;
            failures << QStringLiteral("%1 alanında \"%2\" yerine \"%3\"").arg(name, text, edit->text());
            return true;
        });
    }
    void press(const QString& win, const QString& name) { click(control(win, name)); }
    /// Clicks the tab of the workspace with the index (0 fixed assets ... 7 deletion).
    void showTab(int index) {
        auto* tabs = control<QTabWidget>(windows::kWorkspace, ctl::workspace::DuzeltmePage);
        QTabBar* bar = tabs->tabBar();
        const QPoint at = bar->mapToGlobal(bar->tabRect(index).center());
        xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
                 QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
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
        // window once the registration window is closed. A click the program took while it
        // was still busy is given again.
        act(QStringLiteral("firma-saklandi"), [this] { m_waits = 0; });
        await(QStringLiteral("ana-menu"), [this] {
            if (shown(windows::kMainMenu))
                return true;
            if (m_waits++ % 10 != 5)
                return false;
            if (shown(windows::kRegistration)) {
                press(windows::kRegistration, r::kapatBut);
            } else if (shown(windows::kEntry)) {
                click(keyTarget(windows::kEntry, ctl::entry::firmaedit));
                key(QStringLiteral("ctrl+a"));
                type(kCode);
                press(windows::kEntry, ctl::entry::DuzeltmeBut);
            }
            return false;
        });
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
        act(QStringLiteral("sure-bitti"), [this] {
            m_waits = 0;
            key(QStringLiteral("Tab"));
        });
        await(QStringLiteral("tutar-bicimlendi"), [this] {
            auto* amount = control<QLineEdit>(windows::kWorkspace, f::KayitliTutariEdit);
            auto* date = control<QDateEdit>(windows::kWorkspace, f::GirisTarihiDate);
            auto* name = control<QLineEdit>(windows::kWorkspace, f::AdiEdit);
            if (amount->text() == QStringLiteral("900.000,50") && date->date() == QDate(2020, 3, 15) &&
                name->text() == kAssetName)
                return true;
            if (++m_waits < 25)
                return false;
            m_waits = 0;
            failures << QStringLiteral("yazılanlar: ") + name->text() + QStringLiteral(" / ") +
                            amount->text() + QStringLiteral(" / ") +
                            date->date().toString(QStringLiteral("dd.MM.yyyy"));
            return true;
        });
        act(QStringLiteral("amortisman"), [this] { press(windows::kWorkspace, f::AmortHesaplaBut); });
        act(QStringLiteral("duzelt"), [this] { press(windows::kWorkspace, f::DuzeltBut); });
        await(QStringLiteral("duzeltildi"), [this] {
            return !control<QLineEdit>(windows::kWorkspace, f::DuzeltilmisTutarEdit)->text().isEmpty();
        });
        act(QStringLiteral("kaydet"), [this] {
            m_adjusted = control<QLineEdit>(windows::kWorkspace, f::DuzeltilmisTutarEdit)->text();
            say(QStringLiteral("DÜZELTİLMİŞ: ") + m_adjusted);
            press(windows::kWorkspace, f::KaydetButton);
        });
        await(QStringLiteral("sabit-kiymet-saklandi"), [this] {
            return !control<QLineEdit>(windows::kWorkspace, f::Kayit_No_Edit)->text().isEmpty();
        });

        namespace s = ctl::stock;
        act(QStringLiteral("stok-sekmesi"), [this] { showTab(1); });
        fill(w, s::DuzeltmeAnaHesapComboS, QStringLiteral("153"));
        fill(w, s::KoduEditS, QStringLiteral("01"));
        fill(w, s::AdiEditS, QStringLiteral("Ticari Mallar"));
        fill(w, s::KayitliTutariEditS, QStringLiteral("250000,25"));
        act(QStringLiteral("devir-hizi"), [this] { press(windows::kWorkspace, s::DevirHiziRadio); });
        fill(w, s::DBasiStokEdit, QStringLiteral("100000,10"));
        fill(w, s::DSonuStokEdit, QStringLiteral("140000,75"));
        fill(w, s::DonemiciSMMEdit, QStringLiteral("600000,05"));
        act(QStringLiteral("devir-hizi-hesapla"), [this] { press(windows::kWorkspace, s::JvXPButton1); });
        act(QStringLiteral("stok-duzelt"), [this] { press(windows::kWorkspace, s::DuzeltButS); });
        await(QStringLiteral("stok-duzeltildi"), [this] {
            return !control<QLineEdit>(windows::kWorkspace, s::DuzeltilmisTutarEditS)->text().isEmpty();
        });
        act(QStringLiteral("stok-kaydet"), [this] { press(windows::kWorkspace, s::KaydetButtonS); });
        await(QStringLiteral("stok-saklandi"), [this] {
            return !control<QLineEdit>(windows::kWorkspace, s::Kayit_No_EditS)->text().isEmpty();
        });

        namespace e = ctl::equity;
        act(QStringLiteral("ozkaynak-sekmesi"), [this] { showTab(2); });
        fill(w, e::DuzeltmeAnaHesapComboO, QStringLiteral("500"));
        fill(w, e::KoduEditO, QStringLiteral("01"));
        fill(w, e::AdiEditO, QStringLiteral("Sermaye"));
        act(QStringLiteral("tikla-tarihO"),
            [this] { click(control(windows::kWorkspace, e::GirisTarihiDateO)); });
        act(QStringLiteral("yaz-tarihO"), [] { type(QStringLiteral("30062021")); });
        fill(w, e::KayitliTutariEditO, QStringLiteral("1000000,99"));
        act(QStringLiteral("nakdi"), [this] { press(windows::kWorkspace, e::NaktiRadio); });
        act(QStringLiteral("ozkaynak-duzelt"), [this] { press(windows::kWorkspace, e::DuzeltButO); });
        await(QStringLiteral("ozkaynak-duzeltildi"), [this] {
            return !control<QLineEdit>(windows::kWorkspace, e::DuzeltilmisTutarEditO)->text().isEmpty();
        });
        act(QStringLiteral("ozkaynak-kaydet"), [this] { press(windows::kWorkspace, e::KaydetButtonO); });
        await(QStringLiteral("ozkaynak-saklandi"), [this] {
            return !control<QLineEdit>(windows::kWorkspace, e::Kayit_No_EditO)->text().isEmpty();
        });

        act(QStringLiteral("rapor-sekmesi"), [this] { showTab(3); });
        act(QStringLiteral("raporu-hazirla"),
            [this] { press(windows::kWorkspace, ctl::report::RaporListeButton); });
        act(QStringLiteral("yevmiye-sekmesi"), [this] { showTab(5); });
        act(QStringLiteral("yevmiye-hazirla"),
            [this] { press(windows::kWorkspace, ctl::journal::YevmiyeBut); });
        await(QStringLiteral("yevmiye-hazir"), [this] {
            return !control<QTextEdit>(windows::kWorkspace, ctl::journal::YevmiyeRich)
                        ->toPlainText()
                        .isEmpty();
        });
        act(QStringLiteral("fis-sekmesi"), [this] { showTab(6); });
        for (const auto& [button, file] :
             {std::pair{ctl::transfer::LucaTransferFisiBut, QStringLiteral("luca.csv")},
              std::pair{ctl::transfer::MikroTransferFisiBut, QStringLiteral("mikro.csv")},
              std::pair{ctl::transfer::NetsisTransferFisiBut, QStringLiteral("netsis.xlsx")},
              std::pair{ctl::transfer::LogoXMLBut, QStringLiteral("logo.xml")},
              std::pair{ctl::transfer::SentezExcelButton, QStringLiteral("sentez.xlsx")}}) {
            const QString path = m_home + file;
            act(QStringLiteral("fis-") + file, [this, button, path] {
                m_dialogPath = path;
                press(windows::kWorkspace, button);
            });
            await(QStringLiteral("yazildi-") + file, [path] { return QFile::exists(path); });
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
        await(QStringLiteral("aktarildi"), [this] { return boxes.size() > m_imported; });
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
        act(QStringLiteral("yeniden-gir"), [this] { m_waits = 0; });
        await(QStringLiteral("ana-menu-yeniden"), [this] {
            if (shown(windows::kMainMenu))
                return true;
            if (m_waits++ % 10 == 5 && shown(windows::kEntry)) {
                click(keyTarget(windows::kEntry, ctl::entry::firmaedit));
                key(QStringLiteral("ctrl+a"));
                type(kCode);
                press(windows::kEntry, ctl::entry::DuzeltmeBut);
            }
            return false;
        });
        pressUntil(QStringLiteral("calisma-alani-yeniden"), windows::kMainMenu,
                   ctl::mainmenu::GeneIslemBarItems0, [this] { return shown(windows::kWorkspace); });
        // The workspace opens on its first tab with the items of the company just entered.
        await(QStringLiteral("ilk-sekme-ve-liste"), [this] {
            auto* tabs = control<QTabWidget>(windows::kWorkspace, ctl::workspace::DuzeltmePage);
            auto* list = control<QAbstractItemView>(windows::kWorkspace, ctl::workspace::SBKListeGrid);
            if (tabs->currentIndex() == 0 && list->model() && list->model()->rowCount() >= 3)
                return true;
            if (++m_waits < 40)
                return false;
            failures << QStringLiteral("çalışma alanı %1. sekmede, listede %2 satır ile açıldı")
                            .arg(tabs->currentIndex())
                            .arg(list->model() ? list->model()->rowCount() : 0);
            return true;
        });
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
    QString m_adjusted;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    int m_shotNumber = 0;
    bool m_busy = false;
    int m_waits = 0;
    QString m_pendingShot;
    QTimer m_timer;
    QElapsedTimer m_clock;

public:
    QString adjusted() const { return m_adjusted; }
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
