#pragma once

#include "cli/CliCommand.h"
#include "engine/IndexLookup.h"
#include "periods/PeriodReadingLogin.h"
#include "periods/PeriodSheet.h"

#include <QDate>
#include <optional>

namespace velkor::cli {

/// The tab "Dönem Düzeltmesi" as a command drives it: the sheet with its own index lookup
/// on the context's connections.
struct PeriodSession {
    explicit PeriodSession(AppContext& context) : index(context.rates()), sheet(context, index) {
        if (context.readingLogin())
            holdPeriodWriting(sheet);
    }
    IndexLookup index;
    PeriodSheet sheet;
};

/// Takes "--period gg.aa.yyyy" out of the arguments: nothing when absent; a usage error
/// when the text is not a date.
std::optional<QDate> takePeriodOption(QStringList& args);
/// Takes "--end gg.aa.yyyy" (required) out of the arguments.
QDate takeEndOption(QStringList& args, const char* usage);

/// Opens the period in the session; an open period is computed afresh ("Hesapla", nothing
/// saved) so that what is printed or written is current, a closed one shows its frozen
/// values.
void openForOutput(PeriodSession& session, const QDate& end);

/// `print KIND --period D`: report, report-depreciation, totals, coefficients or journal
/// of the period as a PDF.
int printPeriod(CliRun& run, const QString& kind, const QDate& end, const QString& pdfPath);
/// `export KIND --period D`: the same reports as a workbook.
int exportPeriod(CliRun& run, const QString& kind, const QDate& end, const QString& xlsxPath);
/// `voucher FORMAT --period D`: the period's vouchers with the transfer options set by the steps.
int voucherPeriod(CliRun& run, const QString& format, const QDate& end, const QString& outPath,
                  const std::vector<FormStep>& steps);

} // namespace velkor::cli
