#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace velkor {

class PgConnection;

/// What a password source is asked when the office server wants a password that libpq found
/// neither in ~/.pgpass nor in the service file.
struct PasswordRequest {
    QString login;   ///< the role, server and database, as the user names them
    QString refusal; ///< why the answer before was not taken; empty at the first question
    int attempt = 1;
};

/// Asks the user for the password: the password, or nothing when the user cancels.
using PasswordSource = std::function<std::optional<QString>(const PasswordRequest&)>;

struct PasswordSourceState;

/// How many answers a login takes before the program gives up.
constexpr int kPasswordAttempts = 3;

/// The password source of the program's connections while the scope lives (the program
/// that can ask its user sets one up; the one before comes back after). A password taken
/// is kept in memory for the program's later connections to the same server, and a login
/// given up (cancelled, refused too often) is not asked again; both are forgotten with the
/// scope. Nothing is ever written to a file.
class PasswordSourceScope {
public:
    explicit PasswordSourceScope(PasswordSource source);
    ~PasswordSourceScope();
    PasswordSourceScope(const PasswordSourceScope&) = delete;
    PasswordSourceScope& operator=(const PasswordSourceScope&) = delete;

private:
    std::shared_ptr<PasswordSourceState> m_previous;
};

/// Whether the program gave up a login of the installed source (the user cancelled, or the
/// server refused every answer): its later connections to that server fail at once.
bool serverLoginGivenUp();

/// Connects with a libpq connection string; when the server wants a password libpq found
/// nowhere, asks the password source (at most kPasswordAttempts times while the server
/// refuses the answer). Throws PgError as PgConnection does, or with the reason the program
/// gave up.
std::unique_ptr<PgConnection> connectAskingPassword(const QString& conninfo);

} // namespace velkor
