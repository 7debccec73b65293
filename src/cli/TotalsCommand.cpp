#include "cli/CliCommand.h"
#include "reports/AccountTotals.h"
#include "reports/ReportColumns.h"
#include "storage/Query.h"

namespace velkor::cli {
namespace {

const char* const kUsage = "totals --company KOD";

int totals(CliRun& run) {
    const QString code = takeOption(run.args, QStringLiteral("--company"));
    if (code.isEmpty() || !run.args.isEmpty())
        throw UsageError(QString::fromUtf8(kUsage));
    if (!openCompany(run, code))
        return 1;

    Query query(run.context.company());
    prepareAccountTotals(query);
    query.open();
    for (const QString& line : gridLines(query, totalsGridColumns()))
        run.out << line << "\n";
    return 0;
}

const CommandRegistration reg("totals", kUsage, totals);

} // namespace
} // namespace velkor::cli
