#include "backup/Backups.h"

#include "backup/BackupKind.h"
#include "backup/BackupNames.h"
#include "backup/BackupSettings.h"
#include "backup/BackupWork.h"
#include "backup/Compaction.h"
#include "backup/DatabaseSnapshot.h"
#include "backup/ServerCompanyStore.h"
#include "storage/AppContext.h"
#include "storage/IniFile.h"
#include "storage/ZipArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>

namespace velkor {

namespace {

/// Closes connections for the length of a file operation and opens again those that were
/// open, whatever the operation's outcome.
class ClosedConnections {
public:
    explicit ClosedConnections(std::initializer_list<Connection*> connections) {
        for (Connection* c : connections) {
            if (c->isOpen()) {
                c->close();
                m_reopen.push_back(c);
            }
        }
    }
    ~ClosedConnections() {
        for (Connection* c : m_reopen) {
            try {
                c->open();
            } catch (...) {
                // The caller's own error matters more; the next action opens it again.
            }
        }
    }
    ClosedConnections(const ClosedConnections&) = delete;
    ClosedConnections& operator=(const ClosedConnections&) = delete;

private:
    std::vector<Connection*> m_reopen;
};

/// Refuses, before anything is extracted, an archive that another restore is for.
void refuseWrongKind(BackupKind expected, const QString& archivePath, const ArchiveRestore& restore) {
    QStringList names;
    for (const QString& target : restore.targets())
        names << QFileInfo(target).fileName();
    const QString reason = wrongKindReason(expected, archivePath, names);
    if (!reason.isEmpty())
        throw ZipError(QStringLiteral("%1\n\rYedek dosyası: %2\n\rHiçbir dosya geri yüklenmedi.")
                           .arg(reason, QDir::toNativeSeparators(archivePath)));
}

} // namespace

Backups::Backups(AppContext& context) : m_context(context) {}

QStringList Backups::companyDatabases() const {
    const QDir data(m_context.home() + QStringLiteral("Data"));
    QStringList result;
    for (const QFileInfo& info : data.entryInfoList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name))
        result << info.absoluteFilePath();
    // An office's companies on its server go into the same archives, in the same name order.
    result << ServerCompanyStore(m_context.home()).companySources();
    std::stable_sort(result.begin(), result.end(), [](const QString& a, const QString& b) {
        return QFileInfo(a).fileName() < QFileInfo(b).fileName();
    });
    return result;
}

QString Backups::companyDatabase(const QString& code) const {
    const QString data = QDir(m_context.home() + QStringLiteral("Data")).absolutePath();
    const QString path = data + QLatin1Char('/') + code + QStringLiteral(".mdb");
    if (code.isEmpty() || code.contains(QLatin1Char('/')) || code.contains(QLatin1Char('\\')) ||
        code.contains(QLatin1String("..")) || QFileInfo(path).absolutePath() != data)
        throw ShownError(QStringLiteral("Geçersiz firma kodu: %1").arg(code));
    if (!QFileInfo(path).isFile()) {
        if (const QString source = ServerCompanyStore(m_context.home()).companySource(code);
            !source.isEmpty())
            return source;
    }
    if (!QFileInfo(path).isFile())
        throw ShownError(
            QStringLiteral("Firma veritabanı bulunamadı: %1").arg(QDir::toNativeSeparators(path)));
    return path;
}

void Backups::writeDatabaseArchive(const QString& archivePath, const QStringList& databases) {
    writeArchives({{archivePath, databases}});
}

void Backups::writeArchives(const std::vector<std::pair<QString, QStringList>>& archives,
                            const ArchiveRestore::StepHook& hook) {
    const auto step = [&hook](const char* name) {
        if (hook)
            hook(name);
    };
    ArchiveRestore::recover(m_context.home());
    const BackupWork work(m_context.home(), FileLock::Mode::Shared);
    QTemporaryDir copies(m_context.home() + QStringLiteral("Yedek/.yedekleniyor-XXXXXX"));
    if (!copies.isValid())
        throw ShownError(QStringLiteral("Geçici klasör oluşturulamadı: %1").arg(copies.errorString()));
    try {
        for (const auto& [archivePath, databases] : archives) {
            ZipArchive archive(pendingArchivePath(archivePath), ZipArchive::Mode::Create);
            for (const QString& database : databases) {
                const QString name = QFileInfo(database).fileName();
                const QString copy = copies.path() + QLatin1Char('/') + name;
                QFile::remove(copy);
                if (ServerCompanyStore::isServerSource(database))
                    ServerCompanyStore(m_context.home()).copySource(database, copy);
                else
                    copyDatabase(database, copy);
                archive.addFile(name, copy);
            }
            archive.commit();
            step("written");
        }
    } catch (...) {
        // A pair that failed half-way leaves neither half.
        for (const auto& [archivePath, databases] : archives)
            QFile::remove(pendingArchivePath(archivePath));
        throw;
    }
    // Only complete archives get their names, a pair's companion last.
    for (const auto& [archivePath, databases] : archives) {
        replaceFile(pendingArchivePath(archivePath), archivePath);
        step("named");
    }
    syncFolder(QFileInfo(archives.front().first).absolutePath());
}

void Backups::backupAll(const QString& archivePath, const ArchiveRestore::StepHook& hook) {
    // An office's registry and passwords are on its server.
    const ServerCompanyStore server(m_context.home());
    const QString general =
        server.active() ? server.generalSource() : m_context.home() + QStringLiteral("AnaData/Genel.mdb");
    writeArchives({{archivePath, companyDatabases()}, {companionPath(archivePath), {general}}}, hook);
}

QString Backups::restoreQuestion() {
    return QStringLiteral(
        "Yedekten yükleme sonucu halihazırda mevcut bilgiler silinecek ve\n\ryedek alınan bilgiler "
        "yüklenecektir. Hali hazırda bilgilere bir daha\n\rulaşmanız mümkün olmayacaktır! İşleme "
        "devam edecekmisiniz?");
}

QString Backups::missingFolderMessage() {
    return QStringLiteral(
        "Otomatik yedekleme klasörü bulunamadığından\n\rotomatik yedekleme işlemi başarısız "
        "oldu!\n\rOtomatik yedekleme adresini kontrol edin.");
}

bool Backups::TumunuYedekleOto(const QDate& today) {
    const QString home = m_context.home();
    QString folder = QDir::fromNativeSeparators(BackupSettings::load(home).folder);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        m_context.prompt().showMessage(missingFolderMessage());
        return false;
    }
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    backupAll(automaticArchivePath(folder, today));
    storeAutomaticBackupDay(home, today);
    return true;
}

bool Backups::OtoYedekle(const QDate& today) {
    const QString home = m_context.home();
    IniFile state(dailyStatePath(home));
    if (!QFileInfo::exists(state.path())) {
        state.setValue(QStringLiteral("Tarih"), QStringLiteral("gun"), QStringLiteral("1"));
        state.setValue(QStringLiteral("Tarih"), QStringLiteral("ay"), QStringLiteral("1"));
        state.setValue(QStringLiteral("Tarih"), QStringLiteral("yil"), QStringLiteral("2016"));
        state.setValue(QStringLiteral("Kacta"), QStringLiteral("kac"), QStringLiteral("1"));
    }
    const int day = state.intValue(QStringLiteral("Tarih"), QStringLiteral("gun"), 1);
    const int month = state.intValue(QStringLiteral("Tarih"), QStringLiteral("ay"), 1);
    const int year = state.intValue(QStringLiteral("Tarih"), QStringLiteral("yil"), 2016);
    const int kac = state.intValue(QStringLiteral("Kacta"), QStringLiteral("kac"), 1);
    const int n = kac == 5 ? 1 : kac + 1;
    if (day == today.day() && month == today.month() && year == today.year())
        return false;
    writeDatabaseArchive(dailyArchivePath(home, n), companyDatabases());
    state.setValue(QStringLiteral("Tarih"), QStringLiteral("gun"), QString::number(today.day()));
    state.setValue(QStringLiteral("Tarih"), QStringLiteral("ay"), QString::number(today.month()));
    state.setValue(QStringLiteral("Tarih"), QStringLiteral("yil"), QString::number(today.year()));
    state.setValue(QStringLiteral("Kacta"), QStringLiteral("kac"), QString::number(n));
    return true;
}

QString Backups::backupCompany(const QString& code, const QDateTime& at) {
    const QString database = companyDatabase(code);
    QString archive = companyArchivePath(m_context.home(), code, at);
    // Two deletions in one second must not overwrite the first one's backup.
    for (int n = 2; QFileInfo::exists(archive); ++n)
        archive =
            companyArchivePath(m_context.home(), code, at).chopped(4) + QStringLiteral("_%1.zip").arg(n);
    writeDatabaseArchive(archive, {database});
    return archive;
}

std::vector<std::unique_ptr<CompanyLock>> Backups::holdCompanies(const ArchiveRestore& restore) {
    // In name order, so that two operations on several companies never wait on each other.
    QStringList codes;
    for (const QString& target : restore.targets()) {
        if (target.startsWith(QLatin1String("Data/")))
            codes << QFileInfo(target).completeBaseName();
    }
    codes.sort();
    std::vector<std::unique_ptr<CompanyLock>> held;
    for (const QString& code : codes)
        held.push_back(m_context.companyLocks().exclusive(code, operations::kRestore));
    return held;
}

RestoreOutcome Backups::restore(ArchiveRestore& restore, const QDateTime& at,
                                const ArchiveRestore::StepHook& hook) {
    RestoreOutcome outcome;
    outcome.kept = restore.run(at, hook);
    outcome.restored = restore.targets();
    return outcome;
}

RestoreOutcome Backups::restoreAll(const QString& archivePath, const QDateTime& at,
                                   const ArchiveRestore::StepHook& hook) {
    ArchiveRestore r(m_context.home());
    r.add(archivePath, QStringLiteral("Data"), ArchiveKind::Companies);
    refuseWrongKind(BackupKind::AllCompanies, archivePath, r);
    ServerCompanyStore server(m_context.home());
    if (server.active())
        r.setServer(&server);
    QString notice;
    const QString companion = companionPath(archivePath);
    if (server.active())
        // The registry of an office is shared by all its accountants; a restore of one
        // installation's archive does not replace it.
        notice = QStringLiteral("Büro sunucusundaki firma listesi ve şifreler geri yüklenmedi; yalnızca "
                                "firmalar geri yüklendi.");
    else if (QFileInfo::exists(companion))
        r.add(companion, QStringLiteral("AnaData"), ArchiveKind::General);
    else
        notice = QStringLiteral("Genel veritabanı yedeği bulunamadı: %1\n\rFirma listesi ve şifreler geri "
                                "yüklenmedi.")
                     .arg(QDir::toNativeSeparators(companion));
    const auto held = holdCompanies(r);
    ClosedConnections closed{&m_context.rates(), &m_context.company(), &m_context.general()};
    RestoreOutcome outcome = restore(r, at, hook);
    outcome.notice = notice;
    return outcome;
}

RestoreOutcome Backups::restoreDaily(const QString& archivePath, const QDateTime& at,
                                     const ArchiveRestore::StepHook& hook) {
    ArchiveRestore r(m_context.home());
    r.add(archivePath, QStringLiteral("Data"), ArchiveKind::Companies);
    refuseWrongKind(BackupKind::Daily, archivePath, r);
    ServerCompanyStore server(m_context.home());
    if (server.active())
        r.setServer(&server);
    const auto held = holdCompanies(r);
    ClosedConnections closed{&m_context.rates(), &m_context.company(), &m_context.general()};
    return restore(r, at, hook);
}

RestoreOutcome Backups::restoreCompany(const QString& archivePath, const QDateTime& at,
                                       const ArchiveRestore::StepHook& hook) {
    ArchiveRestore r(m_context.home());
    r.add(archivePath, QStringLiteral("Data"), ArchiveKind::Companies);
    refuseWrongKind(BackupKind::Company, archivePath, r);
    if (r.targets().size() != 1)
        throw ZipError(
            QStringLiteral("Tek firma yedeğinde yalnız bir firma veritabanı olmalı.\n\rYedek dosyası: "
                           "%1\n\rHiçbir dosya geri yüklenmedi.")
                .arg(QDir::toNativeSeparators(archivePath)));
    ServerCompanyStore server(m_context.home());
    if (server.active())
        r.setServer(&server);
    const auto held = holdCompanies(r);
    ClosedConnections closed{&m_context.company()};
    return restore(r, at, hook);
}

void Backups::compactCompany(const QString& code, const ArchiveRestore::StepHook& hook) {
    const QString path = companyDatabase(code);
    // The server keeps the storage of its schemas tidy itself.
    if (ServerCompanyStore::isServerSource(path))
        return;
    const auto held = m_context.companyLocks().exclusive(code, operations::kCompaction);
    const BackupWork work(m_context.home(), FileLock::Mode::Shared);
    ClosedConnections closed{&m_context.company()};
    CompactCompanyDatabase(path, hook);
}

QString Backups::restoreMessage(const RestoreOutcome& outcome) {
    QString text = QStringLiteral("Geri yükleme işlemi başarılı bir şekilde gerçekleştirildi.");
    if (!outcome.kept.isEmpty()) {
        QStringList names;
        for (const QString& path : outcome.kept)
            names << QDir::toNativeSeparators(path);
        text += QStringLiteral("\n\rYerine yazılan dosyaların önceki hâlleri şu yedekte saklandı:\n\r") +
                names.join(QStringLiteral("\n\r"));
    }
    if (!outcome.notice.isEmpty())
        text += QStringLiteral("\n\r") + outcome.notice;
    return text;
}

} // namespace velkor
