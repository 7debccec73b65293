#pragma once

#include "storage/ZipArchive.h"

#include <QDateTime>
#include <QStringList>
#include <functional>
#include <vector>

namespace velkor {

/// One entry of an archive, as far as a restore looks at it.
struct ZipEntry {
    int index = 0;
    QString name;
    bool isLink = false;
    bool isFolder = false;
    /// The size the entry declares for its content, or -1.
    qint64 size = -1;
};

/// The largest database file a restore extracts; a company's database with every item and
/// its pictures stays far below it, an archive built to fill the disk does not.
inline constexpr qint64 kMaxRestoredFileBytes = qint64(2) << 30;

/// The entries of an archive opened for reading.
std::vector<ZipEntry> archiveEntries(const ZipArchive& archive);

/// What an archive of a restore may hold: company databases (any number of "KOD.mdb")
/// or the general database (only "Genel.mdb").
enum class ArchiveKind { Companies, General };

/// Why an entry may not be extracted, in Turkish; empty when it may. Refused are folder
/// parts, "..", absolute paths, links, folders, names that are not a database file of
/// the kind the restore expects, and entries that declare a size beyond
/// kMaxRestoredFileBytes (add() also refuses those that declare none).
QString refusedEntry(const ZipEntry& entry, ArchiveKind kind);

/// The companies an office keeps on its server, as a restore meets them: their state before
/// the restore goes into the safety archive, and a restored company replaces its schema in
/// one transaction of the server instead of a file's rename.
class ServerCompanies {
public:
    virtual ~ServerCompanies() = default;
    /// Whether the restored company of that code goes to the server.
    virtual bool holds(const QString& code) = 0;
    /// Writes the company as the server holds it into the new file `path`; false, writing
    /// nothing, when the server has no such company yet.
    virtual bool snapshot(const QString& code, const QString& path) = 0;
    /// Replaces the company on the server with the checked database file, all-or-nothing;
    /// `hook` gets "sunucu-yazildi" before the commit.
    virtual void replace(const QString& code, const QString& path,
                         const std::function<void(const char*)>& hook) = 0;
};

/// A restore of one or more archives into folders of the installation, done so that
/// nothing is lost: every entry name and size is checked before anything is extracted, and
/// the sizes together against the free space of the disk; the
/// entries are extracted into a staging folder inside the installation folder and each
/// file is opened with the database password and checked for its tables; the files
/// about to be replaced are kept in a safety archive in "Yedek"; only then a journal is
/// written and the files are renamed into place, one rename each. An interruption before
/// the journal leaves the old files, after it recover() completes the new ones.
class ArchiveRestore {
public:
    /// Called at each step with its name, for tests that interrupt the work.
    using StepHook = std::function<void(const char* step)>;

    explicit ArchiveRestore(const QString& home);

    /// Adds an archive to extract into `folder` (relative to the installation folder,
    /// "Data" or "AnaData"). Opens it and checks its entries now; throws ZipError saying
    /// why it is refused.
    void add(const QString& archivePath, const QString& folder, ArchiveKind kind);

    /// Extracts, checks, keeps and replaces; throws ShownError (nothing changed) when a
    /// step before the journal fails. Returns the safety archives written (empty when the
    /// restore replaced no file).
    QStringList run(const QDateTime& at, const StepHook& hook = {});

    /// The installation-relative paths the restore writes ("Data/A.mdb", ...).
    QStringList targets() const;
    /// Sends the companies that `server` holds to the server; it outlives the restore.
    void setServer(ServerCompanies* server) { m_server = server; }

    /// Completes a restore interrupted after its journal, or removes the staging folder
    /// of one interrupted before it. Run before any backup or restore and at start; does
    /// nothing while another backup or restore is running (BackupWork).
    static void recover(const QString& home, const StepHook& hook = {});
    /// recover() for a caller that holds BackupWork alone.
    static void recoverHeld(const QString& home, const StepHook& hook = {});
    /// The staging folder inside the installation folder.
    static QString stagingFolder(const QString& home);

private:
    struct Part {
        QString archivePath;
        QString folder;
        ArchiveKind kind;
        std::vector<ZipEntry> entries;
    };

    void extractAll(const QString& staging);
    /// Throws ShownError when the disk has no room for the staged files and the copies kept.
    void checkSpace() const;
    QStringList keepReplacedFiles(const QDateTime& at);
    /// The company of a target that goes to the server, or empty.
    QString serverCode(const Part& part, const ZipEntry& entry) const;

    QString m_home;
    std::vector<Part> m_parts;
    ServerCompanies* m_server = nullptr;
    /// The targets that go to the server, decided once at the start of run().
    QStringList m_serverTargets;
};

} // namespace velkor
