#pragma once

#include "storage/CompanyLock.h"

#include <chrono>
#include <map>
#include <vector>

namespace velkor {

class PgConnection;

/// The company lock of an office server: PostgreSQL advisory locks held by a session of
/// this object's own, keyed per company. The server drops a session's locks when the
/// session ends, however the program ended, so no lock outlives a killed program. The
/// operation's name is the session's application name while it holds a company
/// exclusively, where the others read it (pg_stat_activity) to say who keeps them waiting.
/// One session holds every lock of the object, and the server never makes a session wait
/// for itself: an exclusive operation runs while the same object holds the company shared.
/// A session has one application name: should one program run operations on two
/// companies at once, the others are told the name of the one it began last.
class PgCompanyLocks : public CompanyLocks {
public:
    /// How long a save waits for an operation, and an operation for the others' holds.
    struct Waits {
        std::chrono::milliseconds shared{10000};
        std::chrono::milliseconds exclusive{3000};
    };

    /// Opens the lock session on the office named by a libpq connection string (with the
    /// TLS policy of every office connection).
    explicit PgCompanyLocks(const QString& conninfo);
    PgCompanyLocks(const QString& conninfo, Waits waits);
    ~PgCompanyLocks() override;

    std::unique_ptr<CompanyLock> shared(const QString& code) override;
    std::unique_ptr<CompanyLock> exclusive(const QString& code, const QString& operation) override;

    /// The two keys of a company's advisory lock: the program's and the company's (from
    /// its code as the registry compares codes, so "abc" and "ABC" share one lock).
    static std::pair<int, int> lockKeys(const QString& code);

private:
    class Hold;
    void release(const QString& code, bool exclusive, const QString& operation);
    bool tryLock(const QString& code, bool exclusive);
    QString runningOperation(const QString& code);
    bool heldExclusivelyByOther(const QString& code);
    void showOperation();

    std::unique_ptr<PgConnection> m_connection;
    Waits m_waits;
    /// The operations this object holds exclusively, latest last.
    std::vector<std::pair<QString, QString>> m_operations;
};

} // namespace velkor
