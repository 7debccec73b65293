#include "storage/ServerPassword.h"

#include "storage/PgConnection.h"

#include <QHash>
#include <QMutex>
#include <utility>

namespace velkor {

struct PasswordSourceState {
    PasswordSource source;
    /// Passwords taken, by connection string.
    QHash<QString, QString> passwords;
    /// Why a login was given up, by connection string.
    QHash<QString, QString> givenUp;
};

namespace {

// One program asks its user from one place; a connection made on another thread finds the
// password taken without asking again.
QMutex& stateLock() {
    static QMutex lock;
    return lock;
}

std::shared_ptr<PasswordSourceState>& current() {
    static std::shared_ptr<PasswordSourceState> state;
    return state;
}

// SQLSTATE class 28: the login was refused (invalid_password).
const QString kRefusedState = QStringLiteral("28P01");

} // namespace

PasswordSourceScope::PasswordSourceScope(PasswordSource source) {
    auto state = std::make_shared<PasswordSourceState>();
    state->source = std::move(source);
    QMutexLocker locker(&stateLock());
    m_previous = std::exchange(current(), state);
}

PasswordSourceScope::~PasswordSourceScope() {
    QMutexLocker locker(&stateLock());
    current() = m_previous;
}

bool serverLoginGivenUp() {
    QMutexLocker locker(&stateLock());
    return current() && !current()->givenUp.isEmpty();
}

std::unique_ptr<PgConnection> connectAskingPassword(const QString& conninfo) {
    std::shared_ptr<PasswordSourceState> state;
    QString known;
    {
        QMutexLocker locker(&stateLock());
        state = current();
        if (state) {
            if (const auto reason = state->givenUp.constFind(conninfo); reason != state->givenUp.cend())
                throw PgError(*reason, kRefusedState);
            known = state->passwords.value(conninfo);
        }
    }
    QString login;
    try {
        return std::make_unique<PgConnection>(conninfo, known);
    } catch (const PgError& e) {
        // Only a password libpq found nowhere is asked for: one in ~/.pgpass or the service
        // file that the server refuses is the user's to correct there.
        if (!state || !state->source || e.password() != PgError::Password::Missing)
            throw;
        login = e.login();
    }
    PasswordRequest request{login, {}, 1};
    for (; request.attempt <= kPasswordAttempts; ++request.attempt) {
        const std::optional<QString> answer = state->source(request);
        if (!answer) {
            const QString reason = QStringLiteral(
                "Parola girilmediği için büro sunucusuna bağlanılmadı; sunucudaki veriler açılamaz. Parolayı "
                "girmek için programı yeniden başlatınız.");
            QMutexLocker locker(&stateLock());
            state->givenUp.insert(conninfo, reason);
            throw PgError(reason, kRefusedState);
        }
        try {
            auto connection = std::make_unique<PgConnection>(conninfo, *answer);
            QMutexLocker locker(&stateLock());
            state->passwords.insert(conninfo, *answer);
            return connection;
        } catch (const PgError& e) {
            if (e.password() != PgError::Password::Refused)
                throw;
            request.refusal = QStringLiteral("Sunucu parolayı kabul etmedi (Ayrıntı: %1).")
                                  .arg(e.serverMessage().trimmed());
        }
    }
    const QString reason =
        QStringLiteral("Parola %1 kez kabul edilmediği için büro sunucusuna bağlanılmadı. %2")
            .arg(kPasswordAttempts)
            .arg(request.refusal);
    QMutexLocker locker(&stateLock());
    state->givenUp.insert(conninfo, reason);
    throw PgError(reason, kRefusedState);
}

} // namespace velkor
