#pragma once

#include "base/Prompt.h"

#include <QStringList>
#include <deque>
#include <functional>

namespace velkor {

/// A prompt that answers from a script: questions from a queue of answers (an
/// exhausted queue answers No), text questions from a queue of texts (an exhausted queue
/// cancels), file dialogs from a queue of paths. Every message
/// and question is recorded; an optional sink sees each text as it is shown.
class ScriptedPrompt : public Prompt {
public:
    struct Shown {
        QString text;
        QString title;
        PromptIcon icon;
        bool question;
    };

    /// Queues the answer to the next unanswered question.
    void addAnswer(PromptButton answer) { m_answers.push_back(answer); }
    /// Queues the text the next text question is answered with.
    void addText(const QString& text) { m_texts.push_back(text); }
    /// Queues the path the next file or folder dialog returns.
    void addFile(const QString& path) { m_files.push_back(path); }
    /// Called with every message and question text as it is shown.
    void setSink(std::function<void(const QString&)> sink) { m_sink = std::move(sink); }

    /// Everything shown so far, in order.
    const std::vector<Shown>& shown() const { return m_shown; }
    /// The texts shown so far, in order.
    QStringList texts() const;
    /// The filters of the open dialogs asked for so far, in order.
    const QStringList& openFilters() const { return m_openFilters; }
    /// Forgets what was shown.
    void clearShown() { m_shown.clear(); }

    void showMessage(const QString& text, const QString& title = {},
                     PromptIcon icon = PromptIcon::None) override;
    PromptButton ask(const QString& text, const QString& title, PromptIcon icon, int buttons) override;
    /// The next queued text; an exhausted queue cancels.
    std::optional<QString> askText(const QString& text, const QString& title, bool hidden) override;
    QString chooseOpenFile(const QString& title, const QString& folder, const QString& filter) override;
    QString chooseSaveFile(const QString& title, const QString& suggestedPath,
                           const QString& filter) override;
    QString chooseFolder(const QString& title, const QString& folder) override;

private:
    QString nextFile();

    std::deque<PromptButton> m_answers;
    std::deque<QString> m_files;
    std::deque<QString> m_texts;
    QStringList m_openFilters;
    std::vector<Shown> m_shown;
    std::function<void(const QString&)> m_sink;
};

} // namespace velkor
