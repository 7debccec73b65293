#pragma once

#include "base/ShownError.h"

namespace velkor::update {

/// A step of the update that failed; the text says why, in words for the user.
class UpdateError : public ShownError {
public:
    enum class Kind { NoConnection, Failed };

    explicit UpdateError(const QString& message, Kind kind = Kind::Failed)
        : ShownError(message), m_kind(kind) {}
    /// NoConnection when the server could not be reached at all.
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

} // namespace velkor::update
