#include "base/WindowManager.h"
#include "base/WindowNames.h"
#include "cli/CliCommand.h"
#include "update/HttpsDownloader.h"
#include "update/PackageSignature.h"
#include "update/ProgramUpdate.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace velkor::cli {
namespace {

/// The GUI program beside this command-line program: the file an update replaces.
QString defaultProgram() {
    return QFileInfo(QCoreApplication::applicationFilePath()).absolutePath() + QStringLiteral("/velkor");
}

int updateProgram(CliRun& run) {
    const QString from = takeOption(run.args, QStringLiteral("--from"));
    QString program = takeOption(run.args, QStringLiteral("--program"));
    if (!run.args.isEmpty())
        throw UsageError(QStringLiteral("update yalnız --from ADRES ve --program DOSYA alır"));
    if (program.isEmpty())
        program = defaultProgram();
    WindowManager windows;
    windows.addWindow(windows::kUpdateProgress);
    update::HttpsDownloader downloader;
    update::ProgramUpdate flow(run.context.home(), program, run.prompt, windows, downloader,
                               update::publisherPublicKey());
    if (!from.isEmpty())
        flow.setAddress(from);
    return flow.BitBtn5Click() ? 0 : 1;
}

const CommandRegistration registration("update", "update [--from ADRES] [--program DOSYA]", updateProgram);

} // namespace
} // namespace velkor::cli
