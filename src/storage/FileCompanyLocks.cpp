#include "storage/FileCompanyLocks.h"

#include "storage/CompanyFiles.h"

#include <QFileInfo>

namespace velkor {

QString companyBusyMessage(const QString& code, const QString& operation) {
    if (operation.isEmpty())
        return QStringLiteral(
                   "%1 şirketinde şu anda başka bir işlem sürüyor; işlem bitince tekrar deneyiniz.")
            .arg(code);
    return QStringLiteral("%1 şirketinde şu anda \"%2\" işlemi sürüyor; işlem bitince tekrar deneyiniz.")
        .arg(code, operation);
}

QString companyInUseMessage(const QString& code, const QString& operation) {
    return QStringLiteral("%1 şirketi şu anda başka bir pencerede ya da programda açık; \"%2\" işlemi için "
                          "şirketi orada kapatıp tekrar deneyiniz.")
        .arg(code, operation);
}

class FileCompanyLocks::Hold : public CompanyLock {
public:
    Hold(FileCompanyLocks& owner, const QString& code, bool exclusive)
        : m_owner(owner), m_code(code), m_exclusive(exclusive) {}
    ~Hold() override { m_owner.release(m_code, m_exclusive); }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

private:
    FileCompanyLocks& m_owner;
    QString m_code;
    bool m_exclusive;
};

FileCompanyLocks::FileCompanyLocks(const QString& home) : FileCompanyLocks(home, Waits{}) {}

FileCompanyLocks::FileCompanyLocks(const QString& home, Waits waits) : m_home(home), m_waits(waits) {
    if (!m_home.endsWith(QLatin1Char('/')))
        m_home += QLatin1Char('/');
}

FileCompanyLocks::~FileCompanyLocks() = default;

QString FileCompanyLocks::lockPath(const QString& home, const QString& code) {
    // The code names a file here as it does in Data/, so it gets the same check.
    companyDatabasePath(home, code);
    QString folder = home;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + QStringLiteral(".kilitler/") + code + QStringLiteral(".kilit");
}

std::unique_ptr<CompanyLock> FileCompanyLocks::shared(const QString& code) {
    const QString path = lockPath(m_home, code);
    Entry& entry = m_entries[code];
    if (entry.shared == 0 && entry.exclusive == 0) {
        if (!entry.file) {
            try {
                entry.file = std::make_unique<FileLock>(path);
            } catch (const ShownError&) {
                m_entries.erase(code);
                // In a folder nobody may write, no save lands and no file is replaced:
                // reading needs no lock.
                if (!QFileInfo(m_home).isWritable())
                    return std::make_unique<CompanyLock>();
                throw;
            }
        }
        if (!entry.file->lock(FileLock::Mode::Shared, m_waits.shared)) {
            const QString message = companyBusyMessage(code, entry.file->note());
            m_entries.erase(code);
            throw CompanyBusyError(message);
        }
    }
    ++entry.shared;
    return std::make_unique<Hold>(*this, code, false);
}

std::unique_ptr<CompanyLock> FileCompanyLocks::exclusive(const QString& code, const QString& operation) {
    const QString path = lockPath(m_home, code);
    Entry& entry = m_entries[code];
    if (entry.exclusive == 0) {
        if (!entry.file)
            entry.file = std::make_unique<FileLock>(path);
        if (!entry.file->lock(FileLock::Mode::Exclusive, m_waits.exclusive)) {
            const QString message = entry.file->heldExclusivelyElsewhere()
                                        ? companyBusyMessage(code, entry.file->note())
                                        : companyInUseMessage(code, operation);
            if (entry.shared == 0)
                m_entries.erase(code);
            throw CompanyBusyError(message);
        }
        entry.file->setNote(operation);
    }
    ++entry.exclusive;
    return std::make_unique<Hold>(*this, code, true);
}

void FileCompanyLocks::release(const QString& code, bool exclusive) {
    const auto it = m_entries.find(code);
    if (it == m_entries.end())
        return;
    Entry& entry = it->second;
    if (exclusive)
        --entry.exclusive;
    else
        --entry.shared;
    if (entry.exclusive > 0)
        return;
    if (entry.shared > 0) {
        // Going down from exclusive to shared conflicts with nobody, so it cannot fail.
        if (exclusive)
            entry.file->lock(FileLock::Mode::Shared, std::chrono::milliseconds(0));
        return;
    }
    m_entries.erase(it);
}

} // namespace velkor
