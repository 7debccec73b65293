#pragma once

#include "base/Prompt.h"

#include <exception>
#include <functional>

namespace velkor {

/// The general error display: the message of an engine, file or conversion error (or
/// any other exception) in an error box; the program goes on.
void reportError(Prompt& prompt, const std::exception_ptr& error);

/// Runs a user action; an exception ends the action and is shown by reportError.
/// Returns whether the action ran to its end.
bool runGuarded(Prompt& prompt, const std::function<void()>& action);

} // namespace velkor
