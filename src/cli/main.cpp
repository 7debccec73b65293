#include "app/ServerPasswordQuestion.h"
#include "backup/Leftovers.h"
#include "base/ClassicNumbers.h"
#include "base/TextHelpers.h"
#include "cli/CommandTable.h"
#include "cli/ReadOnlyCommands.h"
#include "cli/TerminalPrompt.h"
#include "registry/CompanyRegistry.h"
#include "storage/Installation.h"
#include "storage/ProgramLayout.h"
#include "storage/ReferenceUpdate.h"

#include <QDir>
#include <QGuiApplication>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

using namespace velkor;
using namespace velkor::cli;

namespace {

void printUsage(QTextStream& err) {
    err << "Kullanım: velkor-cli [--home KLASÖR] [--answer Evet|Hayir|Iptal]... [--file YOL]... KOMUT ...\n";
    for (const auto& [word, entry] : commandTable())
        err << "  " << entry.usage << "\n";
}

// Messages keep to one line on the terminal.
QString oneLine(QString text) {
    text.replace(QStringLiteral("\n\r"), QStringLiteral(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

PromptButton parseAnswer(const QString& text) {
    if (text.compare(QLatin1String("Evet"), Qt::CaseInsensitive) == 0)
        return PromptButton::Yes;
    if (text.compare(QLatin1String("Hayir"), Qt::CaseInsensitive) == 0 ||
        text.compare(QStringLiteral("Hayır"), Qt::CaseInsensitive) == 0)
        return PromptButton::No;
    if (text.compare(QLatin1String("Iptal"), Qt::CaseInsensitive) == 0 ||
        text.compare(QStringLiteral("İptal"), Qt::CaseInsensitive) == 0)
        return PromptButton::Cancel;
    if (text.compare(QLatin1String("Tamam"), Qt::CaseInsensitive) == 0)
        return PromptButton::Ok;
    throw UsageError(QStringLiteral("--answer Evet, Hayir ya da Iptal olmalı: ") + text);
}

/// The command word: the first argument that is neither a global option nor its value.
std::string commandWord(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--home" || arg == "--answer" || arg == "--file")
            ++i;
        else
            return arg;
    }
    return {};
}

} // namespace

int main(int argc, char* argv[]) {
    // The printed reports and the documents' PDF measure and draw their text with the
    // installed fonts, which needs a GUI application (without a display); the other
    // commands do without.
    std::unique_ptr<QCoreApplication> app;
    const std::string word = commandWord(argc, argv);
    if (word == "print" || word == "docs") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    useClassicNumbers();
    QCoreApplication::setApplicationName(QStringLiteral("velkor"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = QCoreApplication::arguments().mid(1);
    TerminalPrompt prompt;
    // A user at a terminal is asked for a password the office server wants and libpq found
    // nowhere; a script is told where to put it instead.
    std::optional<PasswordSourceScope> passwordQuestion;
    if (TerminalPrompt::standardInputIsTerminal())
        passwordQuestion.emplace(serverPasswordQuestion(prompt));
    prompt.setSink([&err](const QString& text) { err << "MESAJ: " << oneLine(text) << Qt::endl; });

    try {
        // Global options may stand anywhere; they are taken out before the command sees its arguments.
        QString home;
        QStringList rest;
        for (int i = 0; i < args.size(); ++i) {
            const QString& a = args.at(i);
            if (a == QLatin1String("--home") || a == QLatin1String("--answer") ||
                a == QLatin1String("--file")) {
                if (i + 1 >= args.size())
                    throw UsageError(a + QStringLiteral(" bir değer ister"));
                const QString value = args.at(++i);
                if (a == QLatin1String("--home"))
                    home = QDir(value).absolutePath();
                else if (a == QLatin1String("--answer"))
                    prompt.addAnswer(parseAnswer(value));
                else
                    prompt.addFile(QDir(value).absolutePath());
            } else {
                rest << a;
            }
        }
        if (rest.isEmpty() || rest.first() == QLatin1String("--help")) {
            printUsage(err);
            return rest.isEmpty() ? 2 : 0;
        }
        QString word = rest.takeFirst();
        // A command of two words ("items delete") is found before the one of its first word.
        if (!rest.isEmpty() && commandTable().count(word + QLatin1Char(' ') + rest.first()))
            word += QLatin1Char(' ') + rest.takeFirst();
        auto it = commandTable().find(word);
        if (it == commandTable().end())
            throw UsageError(QStringLiteral("Bilinmeyen komut: ") + word);

        if (!home.isEmpty())
            setInstallationFolder(home);
        AppContext context(GetPathPath(), prompt);
        // An installed program sets up the user's data folder at its first start, as the
        // GUI does; a folder named with --home is still made only by init.
        if (home.isEmpty() && programLayout().installed() && isNewInstallation(context.home()))
            ensureInstallation(context.home());
        // A login of the office that may only read is told so before a command that would
        // change anything starts, rather than by the server halfway through it.
        if (changesData(word, rest) && context.readingLogin()) {
            prompt.showMessage(readOnlyRefusal(word));
            return 1;
        }
        // Only init makes databases; any other command on a missing one stops and names it.
        // The server commands set up and inspect the office itself, which the shared
        // connections of an installation on the server would need before it exists.
        if (word != QLatin1String("init") && !word.startsWith(QLatin1String("server "))) {
            clearLeftovers(context.home());
            requireInstallation(context.home());
            context.OpenSharedConnections();
            CompanyRegistry::recoverInterruptedCreations(context);
            // The tables stay as they were when the update fails; the command can still run on them.
            try {
                updateShippedReferenceData(context.rates(), prompt);
            } catch (const std::exception& e) {
                prompt.showMessage(QStringLiteral("Başvuru verileri güncellenemedi: ") +
                                   QString::fromUtf8(e.what()));
            }
        }
        CliRun run{context, prompt, rest, out};
        const int code = it->second.function(run);
        out.flush();
        return code;
    } catch (const UsageError& e) {
        err << "KULLANIM: " << QString::fromStdString(e.what()) << Qt::endl;
        printUsage(err);
        return 2;
    } catch (const Stopped&) {
        return 1;
    } catch (const UnknownFieldError& e) {
        err << "KULLANIM: " << QString::fromStdString(e.what()) << Qt::endl;
        return 2;
    } catch (const std::exception& e) {
        out.flush();
        err << "HATA: " << oneLine(QString::fromStdString(e.what())) << Qt::endl;
        return 1;
    }
}
