#pragma once

#include "storage/CompanyLock.h"
#include "storage/FileLock.h"

#include <chrono>
#include <map>

namespace velkor {

/// The company lock of an installation on one machine: a lock file per company in the
/// folder ".kilitler" of the installation folder, holding the name of the exclusive
/// operation in progress. Every program working on the installation (the windows, any
/// number of command-line runs) keeps one object of its own.
class FileCompanyLocks : public CompanyLocks {
public:
    /// How long a save waits for an operation, and an operation for the others' holds.
    struct Waits {
        std::chrono::milliseconds shared{10000};
        std::chrono::milliseconds exclusive{3000};
    };

    explicit FileCompanyLocks(const QString& home);
    FileCompanyLocks(const QString& home, Waits waits);
    ~FileCompanyLocks() override;

    std::unique_ptr<CompanyLock> shared(const QString& code) override;
    std::unique_ptr<CompanyLock> exclusive(const QString& code, const QString& operation) override;

    /// The lock file of a company.
    static QString lockPath(const QString& home, const QString& code);

private:
    class Hold;
    struct Entry {
        std::unique_ptr<FileLock> file;
        int shared = 0;
        int exclusive = 0;
    };

    void release(const QString& code, bool exclusive);

    QString m_home;
    Waits m_waits;
    std::map<QString, Entry> m_entries;
};

} // namespace velkor
