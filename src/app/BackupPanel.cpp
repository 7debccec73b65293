#include "app/BackupPanel.h"

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
    const QString filter =
        kind == RestoreKind::Company ? QStringLiteral("Yedek (*.zip *.ydk)|*.zip;*.ydk") : kZipFilter;
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
