#include "app/BackupPanel.h"

#include "app/MainMenu.h"
#include "app/MainMenuControls.h"
#include "app/Program.h"
#include "backup/BackupNames.h"
#include "backup/BackupSettings.h"
#include "backup/Backups.h"
#include "base/ErrorReport.h"
#include "registry/CompanyRegistry.h"

#include <QDir>
#include <QFileInfo>

namespace velkor {

namespace {
const QString kTitle = QStringLiteral("Velkor Enflasyon Düzeltme Programı");
const QString kDialogTitle = QStringLiteral("Velkor Yedek");
const QString kZipFilter = QStringLiteral("Yedek (*.zip)|*.zip");
// The open dialogs of the restores name the kind of backup each takes: the kinds share the
// ZIP format, and a wrong one is refused only after it is chosen.
const QString kAllCompaniesFilter =
    QStringLiteral("Tüm firmaların yedeği, .zipGen eşiyle (*.zip)|*.zip|Bütün dosyalar (*)|*");
const QString kDailyFilter =
    QStringLiteral("Otomatik günlük yedek (OtoYedek*.zip)|OtoYedek*.zip|Bütün dosyalar (*)|*");
const QString kCompanyFilter =
    QStringLiteral("Tek firma yedeği, KOD_yıl_ay_gün_saat_dakika_saniye.zip (*_*_*_*_*_*_*.zip *.ydk)|"
                   "*_*_*_*_*_*_*.zip;*.ydk|Bütün dosyalar (*)|*");
} // namespace

BackupPanel::BackupPanel(Program& program)
    : m_program(program), m_clock([] { return QDateTime::currentDateTime(); }) {}

QString BackupPanel::startFolder(const QString& stored) const {
    return stored.size() >= 2 ? stored : m_program.context().home() + QStringLiteral("Yedek/");
}

void BackupPanel::TumunuYedekle() {
    const QString home = m_program.context().home();
    const QString current = QDir::currentPath();
    const QString start = startFolder(BackupSettings::load(home).lastManualFolder);
    QString chosen = m_program.prompt().chooseSaveFile(
        kDialogTitle, QDir(start).filePath(manualArchiveName(m_clock().date())), kZipFilter);
    if (!chosen.isEmpty()) {
        if (QFileInfo(chosen).suffix().isEmpty())
            chosen += QStringLiteral(".zip");
        runGuarded(m_program.prompt(), [&] {
            Backups(m_program.context()).backupAll(chosen);
            storeManualBackupFolder(home, QDir::toNativeSeparators(QFileInfo(chosen).absolutePath()) +
                                              QDir::separator());
            m_program.prompt().showMessage(
                QStringLiteral("Tüm firmaların yedekleme işlemi\n\rbaşarılı bir şekilde gerçekleştirildi."),
                kTitle, PromptIcon::Information);
        });
    }
    QDir::setCurrent(current);
}

void BackupPanel::FirmaYedegiAl() {
    Prompt& prompt = m_program.prompt();
    const QString code = m_program.mainMenu().form().text(ctl::mainmenu::Label2);
    if (code.isEmpty()) {
        prompt.showMessage(
            QStringLiteral("Yedeği alınacak firma yok.\n\rÖnce \"DÜZELTME İŞLEMLERİNE GİR\" ile "
                           "firmaya giriniz."),
            kTitle, PromptIcon::Warning);
        return;
    }
    runGuarded(prompt, [&] {
        const QString archive = Backups(m_program.context()).backupCompany(code, m_clock());
        prompt.showMessage(
            QStringLiteral("%1 firmasının yedeği alındı:\n\r%2").arg(code, QDir::toNativeSeparators(archive)),
            kTitle, PromptIcon::Information);
    });
}

void BackupPanel::TumunuYedekleOto() {
    const QString current = QDir::currentPath();
    Backups(m_program.context()).TumunuYedekleOto(m_clock().date());
    QDir::setCurrent(current);
}

void BackupPanel::OtoYedekle() {
    Backups(m_program.context()).OtoYedekle(m_clock().date());
}

void BackupPanel::TumFirmalarGeriYukle() {
    restore(RestoreKind::All);
}

void BackupPanel::OtoYedekGeriYukle() {
    restore(RestoreKind::Daily);
}

void BackupPanel::TekFirmaGeriYukle() {
    restore(RestoreKind::Company);
}

void BackupPanel::restore(RestoreKind kind) {
    Prompt& prompt = m_program.prompt();
    const QString home = m_program.context().home();
    if (kind != RestoreKind::Company &&
        prompt.ask(Backups::restoreQuestion(), kTitle, PromptIcon::Warning, Yes | No) != Yes)
        return;
    const QString current = QDir::currentPath();
    QString start = home + QStringLiteral("Yedek/");
    if (kind == RestoreKind::All) {
        const BackupSettings settings = BackupSettings::load(home);
        start =
            settings.lastManualFolder.size() >= 2 ? settings.lastManualFolder : startFolder(settings.folder);
    }
    const QString filter = kind == RestoreKind::Company ? kCompanyFilter
                           : kind == RestoreKind::Daily ? kDailyFilter
                                                        : kAllCompaniesFilter;
    const QString title =
        kind == RestoreKind::Company ? QStringLiteral("Velkor Tek Firma Yedeği") : kDialogTitle;
    const QString chosen = prompt.chooseOpenFile(title, QDir::fromNativeSeparators(start), filter);
    if (!chosen.isEmpty()) {
        runGuarded(prompt, [&] {
            Backups backups(m_program.context());
            RestoreOutcome outcome;
            if (kind == RestoreKind::All)
                outcome = backups.restoreAll(chosen, m_clock());
            else if (kind == RestoreKind::Daily)
                outcome = backups.restoreDaily(chosen, m_clock());
            else
                outcome = backups.restoreCompany(chosen, m_clock());
            prompt.showMessage(Backups::restoreMessage(outcome), kTitle, PromptIcon::Information);
        });
    }
    QDir::setCurrent(current);
    if (kind != RestoreKind::Company) {
        // The registry may have changed with the general database.
        runGuarded(prompt, [this] {
            m_program.registry().entryTable().ensureOpen();
            m_program.registry().reloadList();
        });
    }
}

} // namespace velkor
