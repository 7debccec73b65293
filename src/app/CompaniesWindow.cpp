#include "app/CompaniesWindow.h"

#include "app/BackupPanel.h"
#include "app/CompaniesWindowControls.h"
#include "app/EntryWindow.h"
#include "app/EntryWindowControls.h"
#include "app/Program.h"
#include "base/TextHelpers.h"
#include "base/WindowNames.h"
#include "registry/CompanyMove.h"
#include "registry/CompanyRegistry.h"
#include "storage/IniFile.h"
#include "storage/OfficeConnection.h"

#include <QDir>

namespace velkor {

namespace {
const QString kSection = QStringLiteral("OtoYedekler");

/// A stored date part as a number; text that is no number reads as 0.
int datePart(const QString& text) {
    try {
        return static_cast<int>(ParseDigits(text));
    } catch (const ConversionError&) {
        return 0;
    }
}
} // namespace

CompaniesWindow::CompaniesWindow(Program& program) : m_program(program), m_form(windows::kCompanies) {
    m_form.setCaption(QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Firmalar"));
    m_form.addButton(ctl::companies::FirmaSecBut, QStringLiteral("Firmayı Seç"));
    m_form.addButton(ctl::companies::FirmaSilBut, QStringLiteral("Seçili Firmayı Sil"));
    m_form.addButton(ctl::companies::FirmaTasiBut, QStringLiteral("Sunucu / Dosya Taşı"));
    // Only an office on a server has two places for a company.
    m_form.setEnabled(ctl::companies::FirmaTasiBut, !officeService(program.context().home()).isEmpty());
    m_form.addButton(ctl::companies::KapatBut, QStringLiteral("KAPAT"));
    m_form.addButton(ctl::companies::FirmayiSec1, QStringLiteral("Firmayı Seç"));
    m_form.addButton(ctl::companies::FirmayiSil1, QStringLiteral("Firmayı Sil"));

    m_form.addLabel(ctl::companies::Label5, QStringLiteral("OTOMATİK YEDEK ALMA AYARLARI"));
    m_form.addCheck(ctl::companies::OtoYedekCheck, false, QStringLiteral("Otomatik Olarak Yedek Al"));
    m_form.addEdit(ctl::companies::OtoYedekEdit, QStringLiteral("C:\\"),
                   QStringLiteral("Otomatik Yedeklenecek Yer"));
    m_form.addEdit(ctl::companies::yedekgunEdit, QStringLiteral("1"), QStringLiteral("Yedek"));
    m_form.addLabel(ctl::companies::Label3, QStringLiteral("Günde Bir Alınsın"));
    m_form.addDate(ctl::companies::DateTimePicker1, QDate(2012, 1, 1),
                   QStringLiteral("Son Yedek Alınma Tarihi"));
    m_form.setReadOnly(ctl::companies::DateTimePicker1, true);
    m_form.addCheck(ctl::companies::OtomatikGunlukCheck, false, QStringLiteral("Otomatik Günlük Yedek  Al"));
    m_form.addButton(ctl::companies::OtoYedekAdresBulBut, QStringLiteral("Otomatik Yedek Adresini Bul"));
    m_form.addButton(ctl::companies::OtoYedekAdresSaklaBut, QStringLiteral("Oto.Yed.Ayarlarını Sakla"));
    m_form.addButton(ctl::companies::TumFirmaYedekAlBut, QStringLiteral("Tüm Firmaların Yedeğini Al"));
    m_form.addButton(ctl::companies::FirmaYedekAlBut, QStringLiteral("Firma Yedeği Al"));
    m_form.addButton(ctl::companies::TumFirmaGeriYukleBut, QStringLiteral("Tüm Firmaları Geri Yükle"));
    m_form.addButton(ctl::companies::TekFirmaGeriYukleBut, QStringLiteral("Tek Firma Geri Yükle"));
    m_form.addButton(ctl::companies::OtomatikYedekGeriYukleBut,
                     QStringLiteral("Otomatik Yedeklemeden Geri Yükle"));

    m_form.onClick(ctl::companies::FirmaSecBut, [this] { FirmaSecButClick(); });
    m_form.onClick(ctl::companies::FirmayiSec1, [this] { FirmaSecButClick(); });
    m_form.onClick(ctl::companies::FirmaSilBut, [this] { FirmaSilButClick(); });
    m_form.onClick(ctl::companies::FirmaTasiBut, [this] { FirmaTasiButClick(); });
    m_form.onClick(ctl::companies::FirmayiSil1, [this] { FirmaSilButClick(); });
    m_form.onClick(ctl::companies::KapatBut, [this] { KapatButClick(); });
    m_form.onClick(ctl::companies::OtoYedekAdresSaklaBut, [this] { OtoYedekAdresSaklaButClick(); });
    m_form.onClick(ctl::companies::OtoYedekAdresBulBut, [this] { OtoYedekAdresBulButClick(); });
    m_backups = std::make_unique<BackupPanel>(program);
    program.setAutoBackup(m_backups.get());
    m_form.onClick(ctl::companies::TumFirmaYedekAlBut, [this] { m_backups->TumunuYedekle(); });
    m_form.onClick(ctl::companies::FirmaYedekAlBut, [this] { m_backups->FirmaYedegiAl(); });
    m_form.onClick(ctl::companies::TumFirmaGeriYukleBut, [this] { m_backups->TumFirmalarGeriYukle(); });
    m_form.onClick(ctl::companies::TekFirmaGeriYukleBut, [this] { m_backups->TekFirmaGeriYukle(); });
    m_form.onClick(ctl::companies::OtomatikYedekGeriYukleBut, [this] { m_backups->OtoYedekGeriYukle(); });
    // Hiding the companies window in any way brings the entry window back.
    program.windows().onHide(windows::kCompanies,
                             [this] { m_program.windows().showRestored(windows::kEntry); });
}

CompaniesWindow::~CompaniesWindow() = default;

QString CompaniesWindow::settingsPath() const {
    return m_program.context().home() + QStringLiteral("Yedekler.dan");
}

void CompaniesWindow::FormCreate() {
    const IniFile ini(settingsPath());
    if (const QString problem = ini.readProblem(); !problem.isEmpty())
        m_program.prompt().showMessage(problem);
    m_form.setText(ctl::companies::OtoYedekEdit, ini.value(kSection, QStringLiteral("SonOtoYedek")));
    // A fresh installation has no interval stored yet: a backup every day.
    const QString interval = ini.value(kSection, QStringLiteral("YedekGun"));
    m_form.setText(ctl::companies::yedekgunEdit, interval.isEmpty() ? QStringLiteral("1") : interval);
    m_form.setChecked(ctl::companies::OtoYedekCheck,
                      ini.value(kSection, QStringLiteral("YedekAl")) == QLatin1String("1"));
    m_form.setChecked(ctl::companies::OtomatikGunlukCheck,
                      ini.value(kSection, QStringLiteral("OtoGunluk")) == QLatin1String("1"));
    const int day = datePart(ini.value(kSection, QStringLiteral("TarihOtoGun")));
    const int month = datePart(ini.value(kSection, QStringLiteral("TarihOtoAy")));
    const int year = datePart(ini.value(kSection, QStringLiteral("TarihOtoYil")));
    const QDate date(year, month, day);
    if (day > 0 && day < 32 && month > 0 && month < 13 && year > 1970 && year < 2050 && date.isValid())
        m_form.setDate(ctl::companies::DateTimePicker1, date);
}

void CompaniesWindow::FirmaSecButClick() {
    CompanyRegistry& registry = m_program.registry();
    Query& list = registry.listQuery();
    Table& entryTable = registry.entryTable();
    entryTable.ensureOpen();
    if (!list.isOpen() || list.isEmpty())
        return;
    FormModel& entry = m_program.entry().form();
    entry.setText(ctl::entry::firmaedit, list.text(QStringLiteral("kodu")));
    entry.setText(ctl::entry::Label1, list.text(QStringLiteral("firmaadi")));
    entryTable.locate(QStringLiteral("fid"), list.value(QStringLiteral("fid")));
    m_program.windows().showRestored(windows::kEntry);
    m_program.windows().hide(windows::kCompanies);
}

void CompaniesWindow::FirmaSilButClick() {
    Query& list = m_program.registry().listQuery();
    if (!list.isOpen() || list.isEmpty())
        return;
    m_program.registry().FirmaSilButClick();
}

void CompaniesWindow::FirmaTasiButClick() {
    Query& list = m_program.registry().listQuery();
    if (!list.isOpen() || list.isEmpty())
        return;
    const QString code = list.text(QStringLiteral("kodu"));
    CompanyMove move(m_program.context());
    const CompanyPlace to =
        move.place(code) == CompanyPlace::Server ? CompanyPlace::File : CompanyPlace::Server;
    if (m_program.prompt().ask(CompanyMove::question(code, to), m_form.caption(), PromptIcon::Question,
                               PromptButton::Yes | PromptButton::No) != PromptButton::Yes)
        return;
    move.move(code, to);
    m_program.prompt().showMessage(CompanyMove::doneMessage(code, to), m_form.caption(),
                                   PromptIcon::Information);
}

void CompaniesWindow::KapatButClick() {
    m_program.windows().showRestored(windows::kEntry);
    m_program.windows().hide(windows::kCompanies);
}

void CompaniesWindow::OtoYedekAdresSaklaButClick() {
    storeBackupSettings();
    m_program.prompt().showMessage(QStringLiteral("Otomatik yedekleme ayarları saklandı."), m_form.caption(),
                                   PromptIcon::Information);
}

void CompaniesWindow::storeBackupSettings() {
    IniFile ini(settingsPath());
    ini.setValue(kSection, QStringLiteral("SonOtoYedek"), m_form.text(ctl::companies::OtoYedekEdit));
    ini.setValue(kSection, QStringLiteral("YedekGun"), m_form.text(ctl::companies::yedekgunEdit));
    ini.setValue(kSection, QStringLiteral("YedekAl"),
                 m_form.isChecked(ctl::companies::OtoYedekCheck) ? QStringLiteral("1") : QStringLiteral("2"));
    ini.setValue(kSection, QStringLiteral("OtoGunluk"),
                 m_form.isChecked(ctl::companies::OtomatikGunlukCheck) ? QStringLiteral("1")
                                                                       : QStringLiteral("2"));
}

void CompaniesWindow::OtoYedekAdresBulButClick() {
    const QString stored = IniFile(settingsPath()).value(kSection, QStringLiteral("SonOtoYedek"));
    const QString current = QDir::currentPath();
    const QString start = stored.size() >= 2
                              ? stored
                              : m_program.context().home() + QStringLiteral("Yedek") + QDir::separator();
    const QString chosen = m_program.prompt().chooseFolder(QStringLiteral("Velkor Yedek"), start);
    if (!chosen.isEmpty()) {
        QString folder = QDir::toNativeSeparators(chosen);
        if (!folder.endsWith(QDir::separator()))
            folder += QDir::separator();
        m_form.setText(ctl::companies::OtoYedekEdit, folder);
    }
    storeBackupSettings();
    QDir::setCurrent(current);
}

} // namespace velkor
