#include "base/ui/DialogPrompt.h"

#include "base/ui/ScreenPlacement.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QTimer>
#include <QTreeView>

namespace velkor {

namespace {

QMessageBox::Icon boxIcon(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Warning:
        return QMessageBox::Warning;
    case PromptIcon::Error:
        return QMessageBox::Critical;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Message texts use "\n\r" as line break; a lone CR would show as an odd glyph.
QString boxText(const QString& text) {
    QString result = text;
    result.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

// The program's windows in the order they last had the focus, the newest last: when the
// window that had it last is gone (a progress window that closed), a box goes over the one
// before it, the window the user works in, not over whichever window was opened first.
QList<QPointer<QWidget>> recentlyFocused;

QWidget* newestFocusedShown() {
    for (auto it = recentlyFocused.crbegin(); it != recentlyFocused.crend(); ++it) {
        if (*it && (*it)->isVisible() && !(*it)->isMinimized())
            return *it;
    }
    return nullptr;
}

/// Gives a box its icon, caption and text; every box of the program is found by one name.
void dress(QMessageBox& box, const QString& text, const QString& title, PromptIcon icon) {
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setIcon(boxIcon(icon));
    box.setWindowTitle(title.isEmpty() ? kApplicationTitle : title);
    box.setText(boxText(text));
    // A box sizes itself to its text alone; a short text under the long program caption
    // would leave the title bar too narrow for it. A spacer across the box's grid keeps
    // it as wide as the caption needs (never wider than the screen).
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const QWidget* over = box.parentWidget();
        const QScreen* screen = over ? over->screen() : QGuiApplication::primaryScreen();
        int width = captionWidth(box);
        if (screen)
            width = std::min(width, screen->availableGeometry().width() * 3 / 4);
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(),
                      0, 1, grid->columnCount());
    }
}

/// Runs a file dialog of the program and gives the chosen path, or empty. The dialog is
/// large enough for its columns (names, sizes, types and dates shown whole) and opens in
/// the middle of the window the user works in.
QString chosenFile(QFileDialog& dialog) {
    const QWidget* over = dialog.parentWidget();
    const QScreen* screen = over ? over->screen() : QGuiApplication::primaryScreen();
    QSize size(900, 560);
    if (screen)
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    dialog.resize(size);
    // Qt's own dialog builds its list when it opens; from then on the name column takes
    // the room the size, type and date columns leave, and those show their texts whole.
    QTimer::singleShot(0, &dialog, [&dialog] {
        if (auto* list = dialog.findChild<QTreeView*>()) {
            QHeaderView* header = list->header();
            header->setStretchLastSection(false);
            header->setSectionResizeMode(QHeaderView::ResizeToContents);
            header->setSectionResizeMode(0, QHeaderView::Stretch);
        }
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

DialogPrompt::DialogPrompt() {
    static const bool tracking = [] {
        if (!qApp)
            return false;
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* now) {
            if (now && now->window() && !qobject_cast<QDialog*>(now->window())) {
                QWidget* window = now->window();
                recentlyFocused.removeIf([window](const QPointer<QWidget>& w) { return !w || w == window; });
                recentlyFocused.append(window);
            }
        });
        return true;
    }();
    Q_UNUSED(tracking);
}

QWidget* DialogPrompt::parentWindow() {
    // A box is centred on its parent; without one it would open in the middle of the
    // screen. The window the user works in is the active one, or, while none is active
    // (the platform has not activated it yet), the visible window that last had focus,
    // else any visible program window.
    if (QWidget* active = QApplication::activeWindow(); active && active->isVisible())
        return active;
    if (QWidget* recent = newestFocusedShown())
        return recent;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->isWindow() && !qobject_cast<QDialog*>(top) && !top->isMinimized())
            return top;
    }
    return nullptr;
}

void DialogPrompt::showMessage(const QString& text, const QString& title, PromptIcon icon) {
    QMessageBox box(parentWindow());
    dress(box, text, title, icon);
    QPushButton* ok = box.addButton(QStringLiteral("Tamam"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

std::optional<QString> DialogPrompt::askText(const QString& text, const QString& title, bool hidden) {
    QInputDialog box(parentWindow());
    box.setWindowTitle(title.isEmpty() ? kApplicationTitle : title);
    box.setLabelText(text);
    box.setInputMode(QInputDialog::TextInput);
    box.setTextEchoMode(hidden ? QLineEdit::Password : QLineEdit::Normal);
    box.setOkButtonText(QStringLiteral("Tamam"));
    box.setCancelButtonText(QStringLiteral("İptal"));
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

PromptButton DialogPrompt::ask(const QString& text, const QString& title, PromptIcon icon, int buttons) {
    QMessageBox box(parentWindow());
    dress(box, text, title, icon);
    struct Choice {
        PromptButton button;
        const char* caption;
        QMessageBox::ButtonRole role;
    };
    static const Choice kChoices[] = {{Ok, "Tamam", QMessageBox::AcceptRole},
                                      {Yes, "Evet", QMessageBox::YesRole},
                                      {No, "Hayır", QMessageBox::NoRole},
                                      {Cancel, "İptal", QMessageBox::RejectRole}};
    std::vector<std::pair<QAbstractButton*, PromptButton>> added;
    for (const Choice& choice : kChoices) {
        if (buttons & choice.button)
            added.emplace_back(box.addButton(QString::fromUtf8(choice.caption), choice.role), choice.button);
    }
    if (added.empty())
        added.emplace_back(box.addButton(QStringLiteral("Tamam"), QMessageBox::AcceptRole), Ok);
    box.setDefaultButton(static_cast<QPushButton*>(added.front().first));
    // Closing the box with Escape or its title bar answers Cancel, else No, else its only button.
    PromptButton escape = added.back().second;
    for (PromptButton preferred : {Cancel, No}) {
        if (buttons & preferred) {
            escape = preferred;
            break;
        }
    }
    for (const auto& [button, answer] : added)
        if (answer == escape)
            box.setEscapeButton(button);
    box.exec();
    for (const auto& [button, answer] : added)
        if (box.clickedButton() == button)
            return answer;
    return escape;
}

QString DialogPrompt::dialogFilter(const QString& filter) {
    if (filter.isEmpty())
        return {};
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& label = parts.at(i);
        QString patterns = parts.at(i + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        result << (label.contains(QLatin1Char('('))
                       ? label
                       : label + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    if (parts.size() % 2 == 1)
        result << parts.last();
    return result.join(QStringLiteral(";;"));
}

QString DialogPrompt::chooseOpenFile(const QString& title, const QString& folder, const QString& filter) {
    QFileDialog box(parentWindow(), title, folder, dialogFilter(filter));
    box.setAcceptMode(QFileDialog::AcceptOpen);
    box.setFileMode(QFileDialog::ExistingFile);
    return chosenFile(box);
}

QString DialogPrompt::chooseSaveFile(const QString& title, const QString& suggestedPath,
                                     const QString& filter) {
    QFileDialog box(parentWindow(), title, suggestedPath, dialogFilter(filter));
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setFileMode(QFileDialog::AnyFile);
    return chosenFile(box);
}

QString DialogPrompt::chooseSaveTarget(const SaveDialog& dialog) {
    QFileDialog box(parentWindow(), dialog.title, dialog.suggestedPath, dialogFilter(dialog.filter));
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setFileMode(QFileDialog::AnyFile);
    box.setDefaultSuffix(dialog.defaultSuffix);
    box.setOption(QFileDialog::DontConfirmOverwrite, !dialog.confirmOverwrite);
    return chosenFile(box);
}

QString DialogPrompt::chooseFolder(const QString& title, const QString& folder) {
    QFileDialog box(parentWindow(), title, folder);
    box.setFileMode(QFileDialog::Directory);
    box.setOption(QFileDialog::ShowDirsOnly);
    return chosenFile(box);
}

} // namespace velkor
