#pragma once

#include "base/ScriptedPrompt.h"

namespace velkor::cli {

/// The command line's prompt: questions and file dialogs answered by the options, as the
/// scripted prompt answers them; a text question is read from the terminal (without echo
/// for a hidden entry) when the standard input is one, and cancelled otherwise.
class TerminalPrompt : public ScriptedPrompt {
public:
    std::optional<QString> askText(const QString& text, const QString& title, bool hidden) override;

    /// Whether the standard input is a terminal a user types into.
    static bool standardInputIsTerminal();
};

} // namespace velkor::cli
