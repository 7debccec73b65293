#include "cli/PeriodOutputs.h"

#include "base/NumberFormat.h"
#include "periods/PeriodSheetControls.h"
#include "reports/PdfPrintService.h"
#include "vouchers/TransferSheet.h"

#include <QDir>

namespace velkor::cli {

namespace {

// The folder the command was started in, taken before the connections move the current
// folder to the installation folder; a relative file name is relative to it.
const QString kStartFolder = QDir::currentPath();

/// The entry of `RaporCombo` for a report word of print and export; -1 for the journal and
/// for a word that names no report of a period.
int reportIndex(const QString& kind) {
    static const QStringList kinds{QStringLiteral("report"), QStringLiteral("totals"),
                                   QStringLiteral("coefficients"), QStringLiteral("report-depreciation")};
    return static_cast<int>(kinds.indexOf(kind));
}

QDate dateOption(const QString& option, const QString& text) {
    const QDate date = ParseDate(text);
    if (!date.isValid())
        throw UsageError(option + QStringLiteral(" gg.aa.yyyy biçiminde bir tarih ister: ") + text);
    return date;
}

int failedUnlessNew(CliRun& run, size_t shownBefore) {
    return run.prompt.shown().size() > shownBefore ? 1 : 0;
}

} // namespace

std::optional<QDate> takePeriodOption(QStringList& args) {
    const std::optional<QString> text = takeOptionIfGiven(args, QStringLiteral("--period"));
    if (!text)
        return std::nullopt;
    return dateOption(QStringLiteral("--period"), *text);
}

QDate takeEndOption(QStringList& args, const char* usage) {
    const QString text = takeOption(args, QStringLiteral("--end"));
    if (text.isEmpty())
        throw UsageError(QString::fromUtf8(usage));
    return dateOption(QStringLiteral("--end"), text);
}

void openForOutput(PeriodSession& session, const QDate& end) {
    session.sheet.openPeriod(end);
    if (session.sheet.view().period.state == PeriodState::Open)
        session.sheet.HesaplaButClick();
}

int printPeriod(CliRun& run, const QString& kind, const QDate& end, const QString& pdfPath) {
    const int report = reportIndex(kind);
    if (report < 0 && kind != QLatin1String("journal"))
        throw UsageError(
            QStringLiteral("--period ile yazdırılabilenler: report, report-depreciation, totals, "
                           "coefficients, journal"));
    PdfPrintService pdf(QDir(kStartFolder).absoluteFilePath(pdfPath));
    PeriodSession session(run.context);
    session.sheet.setPrinting(
        &pdf, [&run] { return registeredCompanyHeading(run.context.general(), run.context.companyCode()); });
    const size_t shownBefore = run.prompt.shown().size();
    openForOutput(session, end);
    if (report >= 0) {
        session.sheet.setItemIndex(ctl::period::RaporCombo, report);
        session.sheet.click(ctl::period::RaporYazBut);
    } else {
        session.sheet.click(ctl::period::DonemYevmiyeYazBut);
    }
    if (pdf.written() == 0)
        return 1;
    run.out << QStringLiteral("PDF yazıldı: %1 (%2 sayfa)")
                   .arg(QDir::toNativeSeparators(pdfPath))
                   .arg(pdf.pages())
            << "\n";
    return failedUnlessNew(run, shownBefore);
}

int exportPeriod(CliRun& run, const QString& kind, const QDate& end, const QString& xlsxPath) {
    const int report = reportIndex(kind);
    if (report < 0)
        throw UsageError(QStringLiteral(
            "--period ile dışa aktarılabilenler: report, report-depreciation, totals, coefficients"));
    PeriodSession session(run.context);
    session.sheet.setPrinting(nullptr, [&run] {
        return registeredCompanyHeading(run.context.general(), run.context.companyCode());
    });
    // The saved workbook is reported instead of opened.
    session.sheet.setOpener([](const QString&) { return true; });
    openForOutput(session, end);
    run.prompt.addFile(QDir(kStartFolder).absoluteFilePath(xlsxPath));
    session.sheet.setItemIndex(ctl::period::RaporCombo, report);
    const QString written = session.sheet.RaporExcelButClick();
    if (written.isEmpty())
        return 1;
    run.out << QStringLiteral("Çalışma kitabı yazıldı: %1").arg(QDir::toNativeSeparators(written)) << "\n";
    return 0;
}

int voucherPeriod(CliRun& run, const QString& format, const QDate& end, const QString& outPath,
                  const std::vector<FormStep>& steps) {
    static const QStringList formats{"luca", "mikro", "netsis", "logo", "sentez"};
    TransferSheet options(run.context);
    for (const FormStep& step : steps)
        applyStep(run, options, step);
    PeriodSession session(run.context);
    session.sheet.setTransferOptions(&options);
    session.sheet.setOpener({});
    openForOutput(session, end);
    session.sheet.setItemIndex(ctl::period::FisCombo, static_cast<int>(formats.indexOf(format)));
    run.prompt.addFile(QDir(kStartFolder).absoluteFilePath(outPath));
    const VoucherSave save = session.sheet.FisAktarButClick();
    if (save.path.isEmpty())
        return 1;
    run.out << QDir::toNativeSeparators(save.path) << "\n";
    return 0;
}

} // namespace velkor::cli
