#pragma once

#include <QString>
#include <stdexcept>

namespace velkor {

/// An error of the database engine or of a database file; its text is shown to the
/// user as it stands by the general error display.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message) : std::runtime_error(message.toStdString()) {}
    /// The message as text for display.
    QString message() const { return QString::fromStdString(what()); }
};

} // namespace velkor
