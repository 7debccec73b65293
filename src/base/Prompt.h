#pragma once

#include <QString>

namespace velkor {

enum class PromptIcon { None, Information, Warning, Error, Question };

/// Buttons of a question box; combine with |.
enum PromptButton : int { Ok = 1, Yes = 2, No = 4, Cancel = 8 };

/// Every message box, question and file dialog of the program goes through this
/// interface: Qt dialogs in the GUI, scripted answers in the CLI and in tests.
class Prompt {
public:
    virtual ~Prompt() = default;

    /// Shows a message; an empty title means the application title.
    virtual void showMessage(const QString& text, const QString& title = {},
                             PromptIcon icon = PromptIcon::None) = 0;
    /// Asks a question with the given buttons and returns the button chosen.
    virtual PromptButton ask(const QString& text, const QString& title, PromptIcon icon, int buttons) = 0;
    /// Chooses an existing file to open; empty when the user cancels.
    virtual QString chooseOpenFile(const QString& title, const QString& folder, const QString& filter) = 0;
    /// Chooses a file name to save to; empty when the user cancels.
    virtual QString chooseSaveFile(const QString& title, const QString& suggestedPath,
                                   const QString& filter) = 0;
    /// Chooses a folder; empty when the user cancels.
    virtual QString chooseFolder(const QString& title, const QString& folder) = 0;
};

/// The application title, used by boxes that name no title of their own.
inline const QString kApplicationTitle = QStringLiteral("Velkor Enflasyon Düzeltmesi Programı");

} // namespace velkor
