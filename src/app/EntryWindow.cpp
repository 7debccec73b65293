#include "app/EntryWindow.h"

#include "app/CompaniesWindow.h"
#include "app/CompaniesWindowControls.h"
#include "app/DataFolderChoice.h"
#include "app/EntryWindowControls.h"
#include "app/MainMenu.h"
#include "app/PasswordWindow.h"
#include "app/Program.h"
#include "backup/BackupSettings.h"
#include "base/ErrorReport.h"
#include "base/TextHelpers.h"
#include "base/WindowNames.h"
#include "registry/CompanyRegistry.h"
#include "storage/CompanyLock.h"
#include "storage/IniFile.h"
#include "storage/ProgramLayout.h"

#include <QDateTime>

namespace velkor {

namespace {
const QString kSection = QStringLiteral("Giris");
const QString kCloseTitle = QStringLiteral("Velkor Enflasyon Düzeltme Programı");
} // namespace

EntryWindow::EntryWindow(Program& program) : m_program(program), m_form(windows::kEntry) {
    m_form.setCaption(kApplicationTitle);
    m_form.addLabel(ctl::entry::Label3, QStringLiteral("Firma Kodu"));
    m_form.addEdit(ctl::entry::firmaedit, {}, QStringLiteral("Firma Kodu"));
    m_form.addLabel(ctl::entry::Label1);
    m_form.addLabel(ctl::entry::Label2, QStringLiteral("Şifre"));
    m_form.addEdit(ctl::entry::sifreEdit, {}, QStringLiteral("Şifre"));
    m_form.addButton(ctl::entry::FirmaSecBut, QStringLiteral("FİRMA SEÇ"));
    m_form.addButton(ctl::entry::YeniFirmaBut, QStringLiteral("YENİ FİRMA EKLE"));
    m_form.addButton(ctl::entry::DuzeltmeBut, QStringLiteral("DÜZELTME İŞLEMLERİNE GİR"));
    m_form.addButton(ctl::entry::JvXPButton3, QStringLiteral("ŞİFRE GİRİŞ"));
    // A program run from its build keeps its data beside itself; only an installed one has a choice.
    m_form.addButton(ctl::entry::VeriKlasoruBut, QStringLiteral("VERİ KLASÖRÜ"));
    m_form.setVisible(ctl::entry::VeriKlasoruBut, programLayout().installed());
    for (const QString& name :
         {ctl::entry::firmaedit, ctl::entry::FirmaSecBut, ctl::entry::YeniFirmaBut, ctl::entry::DuzeltmeBut})
        m_form.setEnabled(name, false);

    m_form.onClick(ctl::entry::FirmaSecBut, [this] { FirmaSecButClick(); });
    m_form.onClick(ctl::entry::YeniFirmaBut, [this] { YeniFirmaButClick(); });
    m_form.onClick(ctl::entry::DuzeltmeBut, [this] { DuzeltmeButClick(); });
    m_form.onClick(ctl::entry::JvXPButton3, [this] { JvXPButton3Click(); });
    m_form.onClick(ctl::entry::VeriKlasoruBut, [this] { VeriKlasoruButClick(); });
    // A double click on the code opens the companies window like "FİRMA SEÇ".
    m_form.onClick(ctl::entry::firmaedit, [this] { FirmaSecButClick(); });
}

void EntryWindow::VeriKlasoruButClick() {
    DataFolderChoice(m_program.prompt(), m_program.context().home()).VeriKlasoruButClick();
}

QString EntryWindow::settingsPath() const {
    return m_program.context().home() + QStringLiteral("Ayarlar.ini");
}

void EntryWindow::FormCreate() {
    hafizadanoku();
    for (const QString& name :
         {ctl::entry::firmaedit, ctl::entry::FirmaSecBut, ctl::entry::YeniFirmaBut, ctl::entry::DuzeltmeBut})
        m_form.setEnabled(name, true);
}

void EntryWindow::hafizadanoku() {
    const IniFile ini(settingsPath());
    if (const QString problem = ini.readProblem(); !problem.isEmpty())
        m_program.prompt().showMessage(problem);
    m_form.setText(ctl::entry::firmaedit, ini.value(kSection, QStringLiteral("Kodu")));
    m_form.setText(ctl::entry::Label1, ini.value(kSection, QStringLiteral("Adi")));
}

void EntryWindow::hafizayayaz() {
    IniFile ini(settingsPath());
    // Entering the company goes on even when the last company cannot be remembered.
    try {
        ini.setValue(kSection, QStringLiteral("Kodu"), m_form.text(ctl::entry::firmaedit));
        ini.setValue(kSection, QStringLiteral("Adi"), m_form.text(ctl::entry::Label1));
    } catch (const ShownError& e) {
        m_program.prompt().showMessage(e.message());
    }
}

void EntryWindow::FirmaSecButClick() {
    Query& list = m_program.registry().listQuery();
    if (list.isOpen())
        list.close();
    m_program.windows().showRestored(windows::kCompanies);
    list.open();
}

void EntryWindow::YeniFirmaButClick() {
    WindowManager& w = m_program.windows();
    if (w.isMinimized(windows::kRegistration))
        w.setSize(windows::kRegistration, WindowSize::Maximized);
    w.show(windows::kRegistration);
    m_program.registry().yeniFirma();
}

bool EntryWindow::DuzeltmeButClick() {
    AppContext& context = m_program.context();
    CompanyRegistry& registry = m_program.registry();
    context.general().ensureOpen();
    context.rates().ensureOpen();
    if (context.company().isOpen())
        context.company().close();

    // Read the list again so that a company created since it was opened is found too.
    Query& list = registry.listQuery();
    if (list.isOpen())
        list.close();
    list.open();
    registry.registrationTable().ensureOpen();

    const QString code = m_form.text(ctl::entry::firmaedit);
    if (!list.locate(QStringLiteral("kodu"), code))
        return false;
    registry.registrationTable().locate(QStringLiteral("kodu"), code);
    const QString name = list.text(QStringLiteral("firmaadi"));
    m_form.setText(ctl::entry::Label1, name);

    try {
        context.PointCompanyConnection(code);
    } catch (const CompanyBusyError& e) {
        // Another program compacts, restores or empties the company: entering waits for it.
        m_program.prompt().showMessage(e.message(), kApplicationTitle, PromptIcon::Warning);
        return false;
    }

    if (!m_program.passwords().entryPasswordAccepts(m_form.text(ctl::entry::sifreEdit))) {
        m_form.setText(ctl::entry::sifreEdit, {});
        countWrongEntry();
        m_program.prompt().showMessage(
            QStringLiteral("Şifreyi yalnış girdiniz!\n\rŞifre belirlemediyseniz boş geçin!"), {},
            PromptIcon::Error);
        return false;
    }
    // The password has done its work; it is not left in the field for the next user.
    m_form.setText(ctl::entry::sifreEdit, {});

    m_program.showCompany(code, name);
    m_program.clearWorkspace();
    hafizayayaz();

    m_program.windows().showMaximizedIfMinimized(windows::kMainMenu);
    m_menuHideMode = 1;
    m_program.windows().hide(windows::kEntry);
    return true;
}

void EntryWindow::offerNewCompany(const QString& code, const QString& name) {
    m_form.setText(ctl::entry::firmaedit, code);
    m_form.setText(ctl::entry::Label1, name);
    Prompt& prompt = m_program.prompt();
    if (prompt.ask(QStringLiteral("\"%1\" kodlu firma oluşturuldu.\n\rFirmaya şimdi girmek ister misiniz?")
                       .arg(code),
                   kApplicationTitle, PromptIcon::Question, Yes | No) != Yes)
        return;
    // With an entry password the user types it in the entry window first; an empty field is
    // no wrong entry to count.
    if (!m_program.passwords().entryPasswordAccepts(m_form.text(ctl::entry::sifreEdit))) {
        m_program.windows().hide(windows::kRegistration);
        m_program.windows().showRestored(windows::kEntry);
        prompt.showMessage(QStringLiteral("Firmaya girmek için giriş ekranında şifreyi yazıp \"DÜZELTME "
                                          "İŞLEMLERİNE GİR\" düğmesine basınız."),
                           kApplicationTitle, PromptIcon::Information);
        return;
    }
    if (DuzeltmeButClick())
        m_program.windows().hide(windows::kRegistration);
}

void EntryWindow::JvXPButton3Click() {
    m_program.context().general().ensureOpen();
    PasswordWindow& passwords = m_program.passwords();
    if (passwords.masterPasswordAccepts(m_form.text(ctl::entry::sifreEdit))) {
        m_form.setText(ctl::entry::sifreEdit, {});
        passwords.open();
        return;
    }
    m_form.setText(ctl::entry::sifreEdit, {});
    countWrongEntry();
    m_program.prompt().ask(QStringLiteral("Master şifreyi yalnış girdiniz!\n\rMaster şifre belirlemediyseniz "
                                          "şifreniz \"mirtan\" tur!"),
                           kCloseTitle, PromptIcon::Error, Yes | No | Cancel);
}

void EntryWindow::countWrongEntry() {
    ++m_wrongPasswordCount;
    if (m_wrongPasswordCount > 3)
        close();
}

bool EntryWindow::FormCloseQuery() {
    return m_program.prompt().ask(QStringLiteral("Programı kapatmak istediğinize eminmisiniz?"), kCloseTitle,
                                  PromptIcon::Question, Yes | No | Cancel) == Yes;
}

bool EntryWindow::automaticBackupDue() const {
    const FormModel& panel = m_program.companies().form();
    return velkor::automaticBackupDue(panel.date(ctl::companies::DateTimePicker1),
                                      panel.text(ctl::companies::yedekgunEdit), QDateTime::currentDateTime());
}

void EntryWindow::FormClose() {
    AppContext& context = m_program.context();
    if (context.rates().isOpen())
        context.rates().close();
    if (context.company().isOpen())
        context.company().close();
    if (context.general().isOpen())
        context.general().close();

    // The user asked to end the program: a failing backup is reported, and the
    // program still ends.
    const FormModel& panel = m_program.companies().form();
    if (panel.isChecked(ctl::companies::OtoYedekCheck)) {
        runGuarded(m_program.prompt(), [this] {
            if (automaticBackupDue())
                m_program.autoBackup().TumunuYedekleOto();
        });
    }
    if (panel.isChecked(ctl::companies::OtomatikGunlukCheck))
        runGuarded(m_program.prompt(), [this] { m_program.autoBackup().OtoYedekle(); });
    m_program.end();
}

bool EntryWindow::close() {
    if (m_program.hasEnded())
        return true;
    if (!FormCloseQuery())
        return false;
    FormClose();
    return true;
}

} // namespace velkor
