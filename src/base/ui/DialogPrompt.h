#pragma once

#include "base/Prompt.h"

class QWidget;

namespace velkor {

/// The prompt of the desktop program: message boxes with Turkish button captions
/// ("Tamam", "Evet", "Hayır", "İptal") centred on the window the user works in, and the file dialogs.
class DialogPrompt : public Prompt {
public:
    /// Starts following which program window has the focus (the parent of later boxes).
    DialogPrompt();
    void showMessage(const QString& text, const QString& title, PromptIcon icon) override;
    PromptButton ask(const QString& text, const QString& title, PromptIcon icon, int buttons) override;
    std::optional<QString> askText(const QString& text, const QString& title, bool hidden) override;
    QString chooseOpenFile(const QString& title, const QString& folder, const QString& filter) override;
    QString chooseSaveFile(const QString& title, const QString& suggestedPath,
                           const QString& filter) override;
    QString chooseSaveTarget(const SaveDialog& dialog) override;
    QString chooseFolder(const QString& title, const QString& folder) override;

    /// A filter in the "Yedek (*.zip)|*.zip" form as a Qt file dialog filter.
    static QString dialogFilter(const QString& filter);

    /// The window a box opens over: the active window, else the visible window that last
    /// had the focus, else any visible window; nullptr when none is shown.
    static QWidget* parentWindow();
};

} // namespace velkor
