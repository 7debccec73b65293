#include "backup/ArchiveRestore.h"

#include "backup/BackupNames.h"
#include "backup/BackupWork.h"
#include "backup/DatabaseSnapshot.h"
#include "storage/DatabaseError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStorageInfo>
#include <QTemporaryDir>

namespace velkor {

namespace {

const QString kJournal = QStringLiteral("TAMAM");

void step(const ArchiveRestore::StepHook& hook, const char* name) {
    if (hook)
        hook(name);
}

QString prefixed(const QString& reason, const QString& archive) {
    return QStringLiteral("%1\n\rYedek dosyası: %2\n\rHiçbir dosya geri yüklenmedi.")
        .arg(reason, QDir::toNativeSeparators(archive));
}

} // namespace

std::vector<ZipEntry> archiveEntries(const ZipArchive& archive) {
    std::vector<ZipEntry> entries;
    for (int i = 0; i < archive.entryCount(); ++i)
        entries.push_back(
            {i, archive.entryName(i), archive.isLink(i), archive.isFolder(i), archive.entrySize(i)});
    return entries;
}

QString refusedEntry(const ZipEntry& entry, ArchiveKind kind) {
    const QString& name = entry.name;
    if (entry.isLink)
        return QStringLiteral("Yedek arşivinde bir bağlantı (link) var: %1").arg(name);
    if (entry.isFolder)
        return QStringLiteral("Yedek arşivinde bir klasör var: %1").arg(name);
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1Char(':')) || name.contains(QLatin1String("..")) ||
        name.startsWith(QLatin1Char('.')))
        return QStringLiteral("Yedek arşivinde klasör yolu taşıyan bir dosya adı var: %1").arg(name);
    if (entry.size > kMaxRestoredFileBytes)
        return QStringLiteral("Yedek arşivindeki %1 dosyası açıldığında %2 MB olacağını bildiriyor; bir "
                              "veritabanı dosyası için sınır %3 MB.")
            .arg(name)
            .arg(entry.size >> 20)
            .arg(kMaxRestoredFileBytes >> 20);
    if (kind == ArchiveKind::General) {
        if (name != QLatin1String("Genel.mdb"))
            return QStringLiteral("Genel veritabanı yedeğinde beklenmeyen bir dosya var: %1").arg(name);
        return {};
    }
    static const QRegularExpression company(QStringLiteral("^[\\w\\- ]+\\.mdb$"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    if (!company.match(name).hasMatch())
        return QStringLiteral("Yedek arşivinde firma veritabanı olmayan bir dosya var: %1").arg(name);
    return {};
}

ArchiveRestore::ArchiveRestore(const QString& home) : m_home(home) {}

QString ArchiveRestore::stagingFolder(const QString& home) {
    return home + QStringLiteral(".geri-yukleme");
}

void ArchiveRestore::add(const QString& archivePath, const QString& folder, ArchiveKind kind) {
    Part part{archivePath, folder, kind, {}};
    try {
        const ZipArchive archive(archivePath, ZipArchive::Mode::Read);
        part.entries = archiveEntries(archive);
    } catch (const ZipError& e) {
        throw ZipError(prefixed(e.message(), archivePath), e.code());
    }
    if (part.entries.empty())
        throw ZipError(prefixed(QStringLiteral("Yedek arşivi boş."), archivePath));
    if (kind == ArchiveKind::General && part.entries.size() != 1)
        throw ZipError(prefixed(QStringLiteral("Genel veritabanı yedeğinde tek dosya olmalı."), archivePath));
    QSet<QString> seen;
    for (const ZipEntry& entry : part.entries) {
        QString reason = refusedEntry(entry, kind);
        // Extraction holds an entry to the size it declares; one that declares none is not taken.
        if (reason.isEmpty() && entry.size < 0)
            reason = QStringLiteral("Yedek arşivindeki %1 dosyasının boyutu belli değil.").arg(entry.name);
        if (!reason.isEmpty())
            throw ZipError(prefixed(reason, archivePath));
        const QString key = entry.name.toLower();
        if (seen.contains(key))
            throw ZipError(prefixed(
                QStringLiteral("Yedek arşivinde aynı dosya iki kez var: %1").arg(entry.name), archivePath));
        seen.insert(key);
    }
    m_parts.push_back(std::move(part));
}

QStringList ArchiveRestore::targets() const {
    QStringList result;
    for (const Part& part : m_parts)
        for (const ZipEntry& entry : part.entries)
            result << part.folder + QLatin1Char('/') + entry.name;
    return result;
}

QString ArchiveRestore::serverCode(const Part& part, const ZipEntry& entry) const {
    if (!m_serverTargets.contains(part.folder + QLatin1Char('/') + entry.name))
        return {};
    return QFileInfo(entry.name).completeBaseName();
}

void ArchiveRestore::extractAll(const QString& staging) {
    for (const Part& part : m_parts) {
        const QString folder = staging + QLatin1Char('/') + part.folder;
        if (!QDir().mkpath(folder))
            throw ShownError(QStringLiteral("Geçici klasör oluşturulamadı: %1").arg(folder));
        try {
            const ZipArchive archive(part.archivePath, ZipArchive::Mode::Read);
            for (const ZipEntry& entry : part.entries)
                archive.extract(entry.index, folder + QLatin1Char('/') + entry.name);
        } catch (const ZipError& e) {
            throw ZipError(prefixed(e.message(), part.archivePath), e.code());
        }
        const SchemaKind schema =
            part.kind == ArchiveKind::General ? SchemaKind::General : SchemaKind::Company;
        for (const ZipEntry& entry : part.entries) {
            try {
                verifyDatabase(folder + QLatin1Char('/') + entry.name, schema);
            } catch (const ShownError& e) {
                throw ShownError(prefixed(e.message(), part.archivePath));
            }
        }
    }
}

void ArchiveRestore::checkSpace() const {
    // The staged files as the entries declare them, and for each file replaced its copy and
    // its place in the safety archive (stored as it is), with room for the engine's work.
    qint64 needed = qint64(16) << 20;
    for (const Part& part : m_parts) {
        for (const ZipEntry& entry : part.entries) {
            needed += entry.size;
            const QFileInfo current(m_home + part.folder + QLatin1Char('/') + entry.name);
            if (current.isFile())
                needed += 2 * current.size();
        }
    }
    const QStorageInfo disk(m_home);
    if (disk.isValid() && disk.bytesAvailable() >= 0 && disk.bytesAvailable() < needed)
        throw ShownError(prefixed(QStringLiteral("Diskte geri yükleme için yeterli boş yer yok: %1 MB "
                                                 "gerekiyor, %2 MB boş.")
                                      .arg((needed + (1 << 20) - 1) >> 20)
                                      .arg(disk.bytesAvailable() >> 20),
                                  m_parts.front().archivePath));
}

QStringList ArchiveRestore::keepReplacedFiles(const QDateTime& at) {
    QStringList written;
    QString base = safetyArchivePath(m_home, at);
    // Two restores in one second must not overwrite each other's safety archive.
    for (int n = 2; QFileInfo::exists(base) || QFileInfo::exists(companionPath(base)); ++n)
        base = safetyArchivePath(m_home, at).chopped(4) + QStringLiteral("_%1.zip").arg(n);
    QTemporaryDir copies(m_home + QStringLiteral("Yedek/.yedekleniyor-XXXXXX"));
    if (!copies.isValid())
        throw ShownError(QStringLiteral("Geçici klasör oluşturulamadı: %1").arg(copies.errorString()));
    for (const Part& part : m_parts) {
        const QString archivePath = part.kind == ArchiveKind::General ? companionPath(base) : base;
        ZipArchive safety(pendingArchivePath(archivePath), ZipArchive::Mode::Create);
        int kept = 0;
        for (const ZipEntry& entry : part.entries) {
            const QString current = m_home + part.folder + QLatin1Char('/') + entry.name;
            const QString copy =
                copies.path() + QLatin1Char('/') + part.folder + QLatin1Char('_') + entry.name;
            if (const QString code = serverCode(part, entry); !code.isEmpty()) {
                // The company as the server holds it, in the same form as a file's copy.
                if (m_server->snapshot(code, copy)) {
                    safety.addFile(entry.name, copy);
                    ++kept;
                }
                continue;
            }
            if (!QFileInfo::exists(current))
                continue;
            try {
                copyDatabase(current, copy);
                safety.addFile(entry.name, copy);
            } catch (const DatabaseError&) {
                // A file the engine cannot read is kept byte for byte; nobody writes it now.
                safety.addFile(entry.name, current);
            }
            ++kept;
        }
        if (kept > 0) {
            safety.commit();
            written << archivePath;
        }
    }
    // The companies' archive is named first (it comes first in the parts), its companion last.
    for (const QString& archivePath : written)
        replaceFile(pendingArchivePath(archivePath), archivePath);
    return written;
}

QStringList ArchiveRestore::run(const QDateTime& at, const StepHook& hook) {
    const BackupWork work(m_home, FileLock::Mode::Exclusive);
    recoverHeld(m_home);
    checkSpace();
    m_serverTargets.clear();
    QStringList fileTargets;
    for (const Part& part : m_parts) {
        for (const ZipEntry& entry : part.entries) {
            const QString target = part.folder + QLatin1Char('/') + entry.name;
            if (m_server && part.kind == ArchiveKind::Companies &&
                m_server->holds(QFileInfo(entry.name).completeBaseName()))
                m_serverTargets << target;
            else
                fileTargets << target;
        }
    }
    const QString staging = stagingFolder(m_home);
    QStringList kept;
    try {
        if (!QDir().mkpath(staging))
            throw ShownError(QStringLiteral("Geçici klasör oluşturulamadı: %1").arg(staging));
        extractAll(staging);
        step(hook, "extracted");
        kept = keepReplacedFiles(at);
        step(hook, "kept");
        // Each company on the server is replaced in one transaction of its own; the
        // journal that follows is for the files alone.
        for (const QString& target : m_serverTargets) {
            const QString staged = staging + QLatin1Char('/') + target;
            m_server->replace(QFileInfo(target).completeBaseName(), staged, hook);
            QFile::remove(staged);
        }

        // The staged files are on the disk before the journal makes the restore final.
        syncFileSystem(staging);
        QSaveFile journal(staging + QLatin1Char('/') + kJournal);
        if (!journal.open(QIODevice::WriteOnly))
            throw ShownError(QStringLiteral("Geri yükleme kaydı yazılamadı: %1").arg(journal.errorString()));
        journal.write(fileTargets.join(QLatin1Char('\n')).toUtf8());
        if (!journal.commit())
            throw ShownError(QStringLiteral("Geri yükleme kaydı yazılamadı: %1").arg(journal.errorString()));
        syncFolder(staging);
    } catch (...) {
        QDir(staging).removeRecursively();
        throw;
    }
    step(hook, "journal");
    recoverHeld(m_home, hook);
    step(hook, "done");
    return kept;
}

void ArchiveRestore::recover(const QString& home, const StepHook& hook) {
    if (!QFileInfo::exists(stagingFolder(home)))
        return;
    // A running restore's staging folder is its own, journal or not.
    const std::unique_ptr<FileLock> alone = BackupWork::tryAlone(home);
    if (alone)
        recoverHeld(home, hook);
}

void ArchiveRestore::recoverHeld(const QString& home, const StepHook& hook) {
    const QString staging = stagingFolder(home);
    if (!QFileInfo::exists(staging))
        return;
    QFile journal(staging + QLatin1Char('/') + kJournal);
    if (journal.open(QIODevice::ReadOnly)) {
        const QStringList targets =
            QString::fromUtf8(journal.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        journal.close();
        for (const QString& target : targets) {
            const QString staged = staging + QLatin1Char('/') + target;
            if (!QFileInfo::exists(staged))
                continue;
            replaceFile(staged, home + target);
            step(hook, "renamed");
        }
        syncFolder(home + QStringLiteral("Data"));
        syncFolder(home + QStringLiteral("AnaData"));
    }
    QDir(staging).removeRecursively();
}

} // namespace velkor
