#include "cli/TerminalPrompt.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace velkor::cli {

namespace {

// Turns the terminal's echo off for its lifetime, and back on however the reading ends.
class NoEcho {
public:
    NoEcho() {
        m_active = tcgetattr(STDIN_FILENO, &m_saved) == 0;
        if (!m_active)
            return;
        termios quiet = m_saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    ~NoEcho() {
        if (m_active)
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &m_saved);
    }
    NoEcho(const NoEcho&) = delete;
    NoEcho& operator=(const NoEcho&) = delete;

private:
    termios m_saved{};
    bool m_active = false;
};

} // namespace

bool TerminalPrompt::standardInputIsTerminal() {
    return isatty(STDIN_FILENO) == 1;
}

std::optional<QString> TerminalPrompt::askText(const QString& text, const QString& title, bool hidden) {
    if (!standardInputIsTerminal())
        return ScriptedPrompt::askText(text, title, hidden);
    // The question goes where the messages go, so that the output of a command stays its own.
    std::cerr << text.toStdString() << ' ' << std::flush;
    std::string line;
    bool read = false;
    {
        std::optional<NoEcho> quiet;
        if (hidden)
            quiet.emplace();
        read = static_cast<bool>(std::getline(std::cin, line));
    }
    if (hidden)
        std::cerr << std::endl;
    if (!read)
        return std::nullopt;
    return QString::fromStdString(line);
}

} // namespace velkor::cli
