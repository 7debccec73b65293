#include "cli/CliCommand.h"
#include "cli/PeriodOutputs.h"
#include "vouchers/TransferSheet.h"

#include <QDir>

namespace velkor::cli {
namespace {

const char* const kUsage = "voucher luca|mikro|netsis|logo|sentez --company KOD --out DOSYA [--period "
                           "GG.AA.YYYY] [--set KONTROL=METİN]...";

// The folder the command was started in, taken before the connections move the current
// folder to the installation folder; a relative --out is relative to it.
const QString kStartFolder = QDir::currentPath();

int voucher(CliRun& run) {
    const std::vector<FormStep> steps = takeFormSteps(run.args);
    const QString code = takeOption(run.args, QStringLiteral("--company"));
    const QString out = takeOption(run.args, QStringLiteral("--out"));
    const std::optional<QDate> period = takePeriodOption(run.args);
    if (code.isEmpty() || out.isEmpty() || run.args.size() != 1)
        throw UsageError(QString::fromUtf8(kUsage));
    const QString format = run.args.takeFirst();
    static const QStringList formats{"luca", "mikro", "netsis", "logo", "sentez"};
    if (!formats.contains(format))
        throw UsageError(QString::fromUtf8(kUsage));
    if (!openCompany(run, code))
        return 1;
    if (period)
        return voucherPeriod(run, format, *period, out, steps);

    TransferSheet sheet(run.context);
    sheet.setOpener({});
    for (const FormStep& step : steps)
        applyStep(run, sheet, step);
    run.prompt.addFile(QDir(kStartFolder).absoluteFilePath(out));

    VoucherSave save;
    if (format == QLatin1String("luca"))
        save = sheet.LucaTransferFisiButClick();
    else if (format == QLatin1String("mikro"))
        save = sheet.MikroTransferFisiButClick();
    else if (format == QLatin1String("netsis"))
        save = sheet.NetsisTransferFisiButClick();
    else if (format == QLatin1String("logo"))
        save = sheet.LogoXMLButClick();
    else
        save = sheet.SentezExcelButtonClick();
    if (save.path.isEmpty())
        return 1;
    run.out << QDir::toNativeSeparators(save.path) << "\n";
    return 0;
}

const CommandRegistration reg("voucher", kUsage, voucher);

} // namespace
} // namespace velkor::cli
