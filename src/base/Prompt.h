#pragma once

#include <QFileInfo>
#include <QString>
#include <optional>

namespace velkor {

enum class PromptIcon { None, Information, Warning, Error, Question };

/// Buttons of a question box; combine with |.
enum PromptButton : int { Ok = 1, Yes = 2, No = 4, Cancel = 8 };

/// A save dialog as some flows need it.
struct SaveDialog {
    QString title;
    /// The folder and proposed name the dialog opens with.
    QString suggestedPath;
    /// "Label (*.ext)|*.ext" pairs.
    QString filter;
    /// Added by the dialog to a name typed without an extension (such as "xml"); empty adds none.
    QString defaultSuffix;
    /// Whether the dialog itself confirms an existing file; flows that ask their own
    /// question turn this off.
    bool confirmOverwrite = true;
};

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
    /// Asks for a line of text; `hidden` shows no typed character (a password). Nothing
    /// when the user cancels.
    virtual std::optional<QString> askText(const QString& text, const QString& title, bool hidden) = 0;
    /// Chooses an existing file to open; empty when the user cancels.
    virtual QString chooseOpenFile(const QString& title, const QString& folder, const QString& filter) = 0;
    /// Chooses a file name to save to; empty when the user cancels.
    virtual QString chooseSaveFile(const QString& title, const QString& suggestedPath,
                                   const QString& filter) = 0;
    /// Chooses a file name to save to with the dialog's options; empty when the user cancels.
    /// This default stands in for a real dialog: it takes chooseSaveFile's answer, adds the
    /// suffix and asks the dialog's own question before an existing file.
    virtual QString chooseSaveTarget(const SaveDialog& dialog) {
        QString path = chooseSaveFile(dialog.title, dialog.suggestedPath, dialog.filter);
        if (!path.isEmpty() && !dialog.defaultSuffix.isEmpty() && QFileInfo(path).suffix().isEmpty())
            path += QLatin1Char('.') + dialog.defaultSuffix;
        if (!path.isEmpty() && dialog.confirmOverwrite && QFileInfo::exists(path) &&
            ask(QStringLiteral("%1 zaten var.\nDeğiştirmek istiyor musunuz?").arg(QFileInfo(path).fileName()),
                dialog.title, PromptIcon::Question, Yes | No) != Yes)
            return {};
        return path;
    }
    /// Chooses a folder; empty when the user cancels.
    virtual QString chooseFolder(const QString& title, const QString& folder) = 0;
};

/// The application title, used by boxes that name no title of their own.
inline const QString kApplicationTitle = QStringLiteral("Velkor Enflasyon Düzeltmesi Programı");

} // namespace velkor
