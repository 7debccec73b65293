#pragma once

#include <QString>
#include <stdexcept>

namespace velkor {

/// An error whose text is meant for the user: the general error display shows it as it
/// stands, without the prefix it puts before unexpected errors.
class ShownError : public std::runtime_error {
public:
    explicit ShownError(const QString& message) : std::runtime_error(message.toStdString()) {}
    /// The message as text for display.
    QString message() const { return QString::fromUtf8(what()); }
};

} // namespace velkor
