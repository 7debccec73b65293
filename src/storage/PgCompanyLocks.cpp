#include "storage/PgCompanyLocks.h"

#include "base/TextHelpers.h"
#include "storage/OfficeConnection.h"

#include <QCryptographicHash>
#include <QUrl>
#include <QtEndian>
#include <algorithm>
#include <thread>

namespace velkor {

namespace {

// "VELK": keeps the program's advisory locks apart from those of other tools on the server.
constexpr int kProgramKey = 0x56454C4B;
// The application name of a session holding an operation: the prefix, then the name
// percent-encoded, as the server keeps only printable ASCII there (and 63 bytes of it).
const QString kOperationPrefix = QStringLiteral("velkor islem: ");
const QString kIdleName = QStringLiteral("velkor");
constexpr std::chrono::milliseconds kRetry{50};

} // namespace

class PgCompanyLocks::Hold : public CompanyLock {
public:
    Hold(PgCompanyLocks& owner, QString code, bool exclusive, QString operation)
        : m_owner(owner), m_code(std::move(code)), m_exclusive(exclusive), m_operation(std::move(operation)) {
    }
    ~Hold() override { m_owner.release(m_code, m_exclusive, m_operation); }

private:
    PgCompanyLocks& m_owner;
    QString m_code;
    bool m_exclusive;
    QString m_operation;
};

PgCompanyLocks::PgCompanyLocks(const QString& conninfo) : PgCompanyLocks(conninfo, Waits{}) {}

PgCompanyLocks::PgCompanyLocks(const QString& conninfo, Waits waits)
    : m_connection(connectToOffice(conninfo)), m_waits(waits) {
    showOperation();
}

PgCompanyLocks::~PgCompanyLocks() = default;

std::pair<int, int> PgCompanyLocks::lockKeys(const QString& code) {
    const QByteArray digest =
        QCryptographicHash::hash(TurkishLower(code).toLower().toUtf8(), QCryptographicHash::Sha1);
    // Non-negative, as the server shows the keys as unsigned object ids.
    const int company = int(qFromBigEndian<quint32>(digest.constData()) & 0x7fffffffu);
    return {kProgramKey, company};
}

bool PgCompanyLocks::tryLock(const QString& code, bool exclusive) {
    const auto [program, company] = lockKeys(code);
    return m_connection
        ->scalar(exclusive ? QStringLiteral("SELECT pg_try_advisory_lock($1::int, $2::int)")
                           : QStringLiteral("SELECT pg_try_advisory_lock_shared($1::int, $2::int)"),
                 {program, company})
        .toBool();
}

QString PgCompanyLocks::runningOperation(const QString& code) {
    const auto [program, company] = lockKeys(code);
    const QString name =
        m_connection
            ->scalar(QStringLiteral(
                         "SELECT a.application_name FROM pg_locks l JOIN pg_stat_activity a ON a.pid = l.pid "
                         "WHERE l.locktype = 'advisory' AND l.database = (SELECT oid FROM pg_database "
                         "WHERE datname = current_database()) AND l.classid = $1::int::oid AND "
                         "l.objid = $2::int::oid AND l.objsubid = 2 AND l.mode = 'ExclusiveLock' AND "
                         "l.granted AND l.pid <> pg_backend_pid() LIMIT 1"),
                     {program, company})
            .toString();
    return name.startsWith(kOperationPrefix)
               ? QUrl::fromPercentEncoding(name.mid(kOperationPrefix.size()).toLatin1())
               : QString();
}

bool PgCompanyLocks::heldExclusivelyByOther(const QString& code) {
    const auto [program, company] = lockKeys(code);
    return m_connection
               ->scalar(
                   QStringLiteral("SELECT count(*) FROM pg_locks WHERE locktype = 'advisory' AND database = "
                                  "(SELECT oid FROM pg_database WHERE datname = current_database()) AND "
                                  "classid = $1::int::oid AND objid = $2::int::oid AND objsubid = 2 AND "
                                  "mode = 'ExclusiveLock' AND granted AND pid <> pg_backend_pid()"),
                   {program, company})
               .toLongLong() > 0;
}

void PgCompanyLocks::showOperation() {
    const QString name =
        m_operations.empty()
            ? kIdleName
            : kOperationPrefix +
                  QString::fromLatin1(QUrl::toPercentEncoding(m_operations.back().second, " "));
    m_connection->query(QStringLiteral("SELECT set_config('application_name', $1, false)"), {name});
}

std::unique_ptr<CompanyLock> PgCompanyLocks::shared(const QString& code) {
    const auto deadline = std::chrono::steady_clock::now() + m_waits.shared;
    while (!tryLock(code, false)) {
        if (std::chrono::steady_clock::now() >= deadline)
            throw CompanyBusyError(companyBusyMessage(code, runningOperation(code)));
        std::this_thread::sleep_for(kRetry);
    }
    return std::make_unique<Hold>(*this, code, false, QString());
}

std::unique_ptr<CompanyLock> PgCompanyLocks::exclusive(const QString& code, const QString& operation) {
    // Named before the lock is taken, so that nobody sees the lock without its name.
    m_operations.emplace_back(code, operation);
    showOperation();
    const auto deadline = std::chrono::steady_clock::now() + m_waits.exclusive;
    while (!tryLock(code, true)) {
        if (std::chrono::steady_clock::now() >= deadline) {
            const QString message = heldExclusivelyByOther(code)
                                        ? companyBusyMessage(code, runningOperation(code))
                                        : companyInUseMessage(code, operation);
            m_operations.pop_back();
            showOperation();
            throw CompanyBusyError(message);
        }
        std::this_thread::sleep_for(kRetry);
    }
    return std::make_unique<Hold>(*this, code, true, operation);
}

void PgCompanyLocks::release(const QString& code, bool exclusive, const QString& operation) {
    const auto [program, company] = lockKeys(code);
    try {
        m_connection->query(exclusive ? QStringLiteral("SELECT pg_advisory_unlock($1::int, $2::int)")
                                      : QStringLiteral("SELECT pg_advisory_unlock_shared($1::int, $2::int)"),
                            {program, company});
        if (exclusive) {
            const auto held =
                std::find(m_operations.rbegin(), m_operations.rend(), std::make_pair(code, operation));
            if (held != m_operations.rend())
                m_operations.erase(std::next(held).base());
            showOperation();
        }
    } catch (const DatabaseError&) {
        // A lost session has given up its locks already.
    }
}

} // namespace velkor
