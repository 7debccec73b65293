#include "base/WindowNames.h"
#include "cli/CliCommand.h"
#include "cli/PeriodOutputs.h"
#include "engine/EquitySheet.h"
#include "engine/EquitySheetControls.h"
#include "engine/FixedAssetSheet.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheet.h"
#include "engine/StockSheetControls.h"
#include "reports/JournalSheet.h"
#include "reports/JournalSheetControls.h"
#include "reports/PdfPrintService.h"
#include "reports/ReportSheet.h"
#include "reports/ReportSheetControls.h"
#include "workspace/Workspace.h"

#include <QDir>

namespace velkor::cli {
namespace {

const char* const kUsage =
    "print report|report-depreciation|totals|journal --company KOD [--filter METİN] --pdf DOSYA\n"
    "  print text --company KOD --sheet fixed|stock|equity --load ID --pdf DOSYA\n"
    "  print report|report-depreciation|totals|coefficients|journal --company KOD --period GG.AA.YYYY --pdf "
    "DOSYA";

const QString& kForm = windows::kWorkspace;

/// The sheet's "Yazdır" button for a --sheet word; empty for an unknown word.
QString textButton(const QString& sheet) {
    if (sheet == QLatin1String("fixed"))
        return ctl::fixedasset::YazSBKBut;
    if (sheet == QLatin1String("stock"))
        return ctl::stock::DigerYazBut;
    if (sheet == QLatin1String("equity"))
        return ctl::equity::OzkaynakYazBut;
    return {};
}

FormModel& sheetForm(Workspace& workspace, const QString& sheet) {
    if (sheet == QLatin1String("stock"))
        return workspace.stocks();
    if (sheet == QLatin1String("equity"))
        return workspace.equity();
    return workspace.fixedAssets();
}

int printText(CliRun& run, const QString& code, PdfPrintService& pdf) {
    const QString sheet = takeOption(run.args, QStringLiteral("--sheet"));
    const QString load = takeOption(run.args, QStringLiteral("--load"));
    const QString button = textButton(sheet);
    if (button.isEmpty() || load.isEmpty() || !run.args.isEmpty())
        throw UsageError(QString::fromUtf8(kUsage));
    bool ok = false;
    const qint64 id = load.toLongLong(&ok);
    if (!ok)
        throw UsageError(QStringLiteral("--load bir kayıt numarası ister: ") + load);
    if (!openCompany(run, code))
        return 1;

    Workspace workspace(run.context);
    workspace.open();
    workspace.setPrintService(&pdf);
    if (!workspace.openItem(id)) {
        run.prompt.showMessage(QStringLiteral("Kayıt bulunamadı: ") + load);
        return 1;
    }
    sheetForm(workspace, sheet).click(button);
    return 0;
}

int printSheet(CliRun& run, const QString& kind, const QString& code, PdfPrintService& pdf) {
    const bool filtered = run.args.contains(QStringLiteral("--filter"));
    const QString filter = takeOption(run.args, QStringLiteral("--filter"));
    if (!run.args.isEmpty() || (filtered && kind == QLatin1String("totals")))
        throw UsageError(QString::fromUtf8(kUsage));
    if (!openCompany(run, code))
        return 1;
    const auto heading = [&run] {
        return registeredCompanyHeading(run.context.general(), run.context.companyCode());
    };

    FormModel form(kForm);
    if (kind == QLatin1String("journal")) {
        const QString name = heading().name;
        JournalSheet sheet(form, run.context.company(), [name] { return name; });
        sheet.setPrinting(&pdf, heading);
        if (filtered)
            form.userSet(ctl::journal::YevmiyeCombo, filter);
        else
            form.click(ctl::journal::YevmiyeBut);
        form.click(ctl::journal::YevmiyeYazBut);
        return 0;
    }

    ReportSheet sheet(form, run.context.company());
    sheet.setPrinting(&pdf, heading);
    if (kind == QLatin1String("totals")) {
        form.click(ctl::report::AnaHesapYazBut);
        return 0;
    }
    if (filtered)
        form.userSet(ctl::report::RaporListeCombo, filter);
    else
        form.click(ctl::report::RaporListeButton);
    form.click(kind == QLatin1String("report") ? ctl::report::DuzRapYazBut : ctl::report::GenelAmortluBut);
    return 0;
}

int print(CliRun& run) {
    if (run.args.isEmpty())
        throw UsageError(QString::fromUtf8(kUsage));
    const QString kind = run.args.takeFirst();
    const QString code = takeOption(run.args, QStringLiteral("--company"));
    const QString path = takeOption(run.args, QStringLiteral("--pdf"));
    if (const std::optional<QDate> period = takePeriodOption(run.args)) {
        if (code.isEmpty() || path.isEmpty() || !run.args.isEmpty())
            throw UsageError(QString::fromUtf8(kUsage));
        return openCompany(run, code) ? printPeriod(run, kind, *period, path) : 1;
    }
    static const QStringList kinds{QStringLiteral("report"), QStringLiteral("report-depreciation"),
                                   QStringLiteral("totals"), QStringLiteral("journal"),
                                   QStringLiteral("text")};
    if (!kinds.contains(kind) || code.isEmpty() || path.isEmpty())
        throw UsageError(QString::fromUtf8(kUsage));

    PdfPrintService pdf(QDir(path).absolutePath());
    const size_t shownBefore = run.prompt.shown().size();
    const int result =
        kind == QLatin1String("text") ? printText(run, code, pdf) : printSheet(run, kind, code, pdf);
    if (result != 0)
        return result;
    // A button that stopped with its message (nothing to print) wrote no PDF: no success.
    if (pdf.written() == 0) {
        if (run.prompt.shown().size() == shownBefore)
            run.prompt.showMessage(QStringLiteral("PDF yazılmadı: %1").arg(QDir::toNativeSeparators(path)));
        return 1;
    }
    run.out
        << QStringLiteral("PDF yazıldı: %1 (%2 sayfa)").arg(QDir::toNativeSeparators(path)).arg(pdf.pages())
        << "\n";
    return 0;
}

const CommandRegistration reg("print", kUsage, print);

} // namespace
} // namespace velkor::cli
