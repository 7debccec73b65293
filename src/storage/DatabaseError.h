#pragma once

#include "base/ShownError.h"

namespace velkor {

/// An error of the database engine or of a database file. Its text is shown to the user
/// as it stands; the engine's result code stays with it, so a caller can tell a locked
/// database or a full disk from a refused value.
class DatabaseError : public ShownError {
public:
    /// Extended result code of errors that did not come from the engine.
    static constexpr int kNoEngineCode = -1;

    explicit DatabaseError(const QString& message, int engineCode = kNoEngineCode,
                           int extendedCode = kNoEngineCode)
        : ShownError(message), m_code(engineCode), m_extendedCode(extendedCode) {}

    /// The engine's primary result code (SQLITE_BUSY, SQLITE_FULL, SQLITE_CONSTRAINT, ...),
    /// or kNoEngineCode when the error was found by the program itself.
    int code() const { return m_code; }
    /// The engine's extended result code, or kNoEngineCode.
    int extendedCode() const { return m_extendedCode; }

private:
    int m_code;
    int m_extendedCode;
};

} // namespace velkor
