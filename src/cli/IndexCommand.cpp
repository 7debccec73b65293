#include "base/NumberFormat.h"
#include "cli/CliCommand.h"
#include "engine/IndexLookup.h"
#include "engine/MonthKey.h"

namespace velkor::cli {
namespace {

int index(CliRun& run) {
    if (run.args.size() != 1)
        throw UsageError(QStringLiteral("index ANAHTAR ya da index gg.aa.yyyy"));
    const QString argument = run.args.first();
    int key = 0;
    const QDate date = ParseDate(argument);
    if (date.isValid()) {
        key = MonthKey(date);
    } else {
        bool ok = false;
        key = argument.toInt(&ok);
        if (!ok || key <= 0)
            throw UsageError(QStringLiteral("Geçersiz ay anahtarı ya da tarih: ") + argument);
    }
    IndexLookup lookup(run.context.rates());
    const std::optional<double> value = lookup.LookupIndex(key);
    if (!value) {
        run.prompt.showMessage(QStringLiteral("Yİ-ÜFE endeksi bulunamadı: ") + MonthKeyText(key));
        return 1;
    }
    run.out << FormatFloat(patterns::kAmount, *value) << "\n";
    return 0;
}

const CommandRegistration indexRegistration("index", "index ANAHTAR | index gg.aa.yyyy", index);

} // namespace
} // namespace velkor::cli
