#include "base/ScriptedPrompt.h"

namespace velkor {

QStringList ScriptedPrompt::texts() const {
    QStringList result;
    for (const Shown& s : m_shown)
        result << s.text;
    return result;
}

void ScriptedPrompt::showMessage(const QString& text, const QString& title, PromptIcon icon) {
    m_shown.push_back({text, title.isEmpty() ? kApplicationTitle : title, icon, false});
    if (m_sink)
        m_sink(text);
}

PromptButton ScriptedPrompt::ask(const QString& text, const QString& title, PromptIcon icon, int buttons) {
    m_shown.push_back({text, title.isEmpty() ? kApplicationTitle : title, icon, true});
    if (m_sink)
        m_sink(text);
    PromptButton answer = PromptButton::No;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    // A box without a No button answers its Cancel, or else its only button.
    if (!(buttons & answer)) {
        if (answer == PromptButton::No && (buttons & PromptButton::Cancel))
            answer = PromptButton::Cancel;
        else if (buttons & PromptButton::Ok)
            answer = PromptButton::Ok;
    }
    return answer;
}

QString ScriptedPrompt::nextFile() {
    if (m_files.empty())
        return {};
    QString path = m_files.front();
    m_files.pop_front();
    return path;
}

std::optional<QString> ScriptedPrompt::askText(const QString& text, const QString& title, bool) {
    m_shown.push_back({text, title.isEmpty() ? kApplicationTitle : title, PromptIcon::Question, true});
    if (m_sink)
        m_sink(text);
    if (m_texts.empty())
        return std::nullopt;
    QString answer = m_texts.front();
    m_texts.pop_front();
    return answer;
}

QString ScriptedPrompt::chooseOpenFile(const QString&, const QString&, const QString& filter) {
    m_openFilters << filter;
    return nextFile();
}

QString ScriptedPrompt::chooseSaveFile(const QString&, const QString&, const QString&) {
    return nextFile();
}

QString ScriptedPrompt::chooseFolder(const QString&, const QString&) {
    return nextFile();
}

} // namespace velkor
