#pragma once

#include "backup/ArchiveRestore.h"

#include <QDateTime>
#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

namespace velkor {

class AppContext;
class CompanyLock;

/// What a restore did: the installation-relative files it wrote and the safety archives
/// that keep the files it replaced.
struct RestoreOutcome {
    QStringList restored;
    QStringList kept;
    /// A note for the user besides success (a missing "Gen" companion), or empty.
    QString notice;
};

/// The backups and restores of the company databases and of the general database. Every
/// database goes into an archive as a consistent snapshot; every restore goes through
/// ArchiveRestore. The dialogs and messages of the companies window stay with its
/// handlers; failures throw ShownError (ZipError, DatabaseError) in Turkish.
class Backups {
public:
    explicit Backups(AppContext& context);

    /// Every `Data/*.mdb` file and, in an office on a server, every company there (as
    /// ServerCompanyStore's sources, archived under `KOD.mdb`), in name order.
    QStringList companyDatabases() const;
    /// Writes `archivePath` holding a snapshot of each database under its bare file name.
    void writeDatabaseArchive(const QString& archivePath, const QStringList& databases);

    /// `TumunuYedekle` after the dialog: the companies into `archivePath`, the general
    /// database into its "Gen" companion. Both are written under pending names and named
    /// last, the companion after the archive, so that a run killed half-way never leaves
    /// an archive with a companion of another day (start-up settles what it left).
    void backupAll(const QString& archivePath, const ArchiveRestore::StepHook& hook = {});
    /// `TumunuYedekleOto`: the automatic all-companies backup into `SonOtoYedek`; stores
    /// the day. Shows the Turkish message and returns false when the folder is missing.
    bool TumunuYedekleOto(const QDate& today);
    /// `OtoYedekle`: the daily rotating backup; returns whether an archive was written.
    bool OtoYedekle(const QDate& today);
    /// The per-company archive written before a deletion; returns its path. An archive of
    /// the same second is never overwritten: the name then gets "_2", "_3", ...
    QString backupCompany(const QString& code, const QDateTime& at);

    /// `TumFirmalarGeriYukle` after the dialog: the archive into Data, its "Gen"
    /// companion into AnaData; the three connections closed and reopened around it.
    RestoreOutcome restoreAll(const QString& archivePath, const QDateTime& at,
                              const ArchiveRestore::StepHook& hook = {});
    /// `OtoYedekGeriYukle` after the dialog: a daily archive into Data.
    RestoreOutcome restoreDaily(const QString& archivePath, const QDateTime& at,
                                const ArchiveRestore::StepHook& hook = {});
    /// `TekFirmaGeriYukle` after the dialog: a per-company archive (one database) into
    /// Data; the company connection closed and reopened around it.
    RestoreOutcome restoreCompany(const QString& archivePath, const QDateTime& at,
                                  const ArchiveRestore::StepHook& hook = {});

    /// "Veritabanına Bakım Yap": closes the company connection, compacts the company's
    /// file and opens the connection again.
    /// The company is held exclusively throughout (CompanyLocks): a save of another window or
    /// program waits for it or is refused, and none lands in the file being replaced. `hook`
    /// is CompactCompanyDatabase's.
    void compactCompany(const QString& code, const ArchiveRestore::StepHook& hook = {});

    /// The message after a successful restore, naming the safety archives.
    static QString restoreMessage(const RestoreOutcome& outcome);
    /// The question before restoring all companies or a daily backup.
    static QString restoreQuestion();
    /// The message of a missing automatic backup folder.
    static QString missingFolderMessage();

    /// The database file of a company code, or the source of the company on the office
    /// server; throws ShownError for a code that does not name a plain file in Data.
    QString companyDatabase(const QString& code) const;

private:
    /// Writes each archive under its pending name, then gives them their names in order.
    /// `hook` is called after each archive is written ("written") and named ("named").
    void writeArchives(const std::vector<std::pair<QString, QStringList>>& archives,
                       const ArchiveRestore::StepHook& hook = {});
    /// Holds every company a restore replaces exclusively.
    std::vector<std::unique_ptr<CompanyLock>> holdCompanies(const ArchiveRestore& restore);
    RestoreOutcome restore(ArchiveRestore& restore, const QDateTime& at,
                           const ArchiveRestore::StepHook& hook);

    AppContext& m_context;
};

} // namespace velkor
