#include "cli/CliCommand.h"
#include "referencedata/PublishedFigures.h"
#include "storage/ReferenceUpdate.h"
#include "storage/Statement.h"

#include <QFileInfo>

namespace velkor::cli {
namespace {

const QString kUsage =
    QStringLiteral("rates rebuild | rates show yi-ufe|faiz|amortisman [--year YYYY] | "
                   "rates add yi-ufe|faiz|amortisman --file F [--source METİN] | rates history");

FigureKind kindArgument(const QStringList& args) {
    const std::optional<FigureKind> kind = figureKindOf(args.value(1));
    if (!kind || args.size() != 2)
        throw UsageError(kUsage);
    return *kind;
}

int rebuild(CliRun& run) {
    Connection& rates = run.context.rates();
    const ReferenceUpdate update = updateReferenceTables(rates.database(), true);
    rates.close();
    rates.open();
    run.prompt.showMessage(referenceUpdateMessage(update));
    return 0;
}

int show(CliRun& run, QStringList& args) {
    const QString yearText = takeOption(args, QStringLiteral("--year"));
    const FigureKind kind = kindArgument(args);
    std::optional<int> year;
    if (!yearText.isEmpty()) {
        bool ok = false;
        year = yearText.toInt(&ok);
        if (!ok || kind == FigureKind::Depreciation)
            throw UsageError(kUsage);
    }
    run.out << figuresCsv(run.context.rates().database(), kind, year);
    return 0;
}

int add(CliRun& run, QStringList& args) {
    QString source = takeOption(args, QStringLiteral("--source"));
    const FigureKind kind = kindArgument(args);
    const QString path = run.prompt.chooseOpenFile(QStringLiteral("Yayımlanan verilerin dosyası"), {}, {});
    if (path.isEmpty())
        throw UsageError(QStringLiteral("rates add bir --file ister"));
    if (source.isEmpty())
        source = QStringLiteral("Dosya: ") + QFileInfo(path).fileName();
    const QString text = readFiguresFile(path);
    return addPublishedFigures(run.context.rates().database(), kind, text, source, run.prompt) > 0 ? 0 : 1;
}

int history(CliRun& run) {
    Database& rates = run.context.rates().database();
    run.out << QStringLiteral("Tarih\tTablo\tAnahtar\tEski\tYeni\tKaynak\n");
    if (!rates.hasTable(QStringLiteral("Veri_Degisiklikleri")))
        return 0;
    Statement select(rates, QStringLiteral("SELECT Tarih, Tablo, Anahtar, Eski, Yeni, Kaynak FROM "
                                           "Veri_Degisiklikleri ORDER BY Kimlik"));
    while (select.step()) {
        QStringList fields;
        for (int c = 0; c < 6; ++c)
            fields << select.value(c).toString();
        run.out << fields.join(QLatin1Char('\t')) << "\n";
    }
    return 0;
}

int rates(CliRun& run) {
    QStringList args = run.args;
    const QString verb = args.value(0);
    if (verb == QLatin1String("rebuild") && args.size() == 1)
        return rebuild(run);
    if (verb == QLatin1String("history") && args.size() == 1)
        return history(run);
    if (verb == QLatin1String("show"))
        return show(run, args);
    if (verb == QLatin1String("add"))
        return add(run, args);
    throw UsageError(kUsage);
}

const CommandRegistration ratesRegistration("rates",
                                            "rates rebuild | show TABLO [--year YYYY] | add TABLO "
                                            "--file F [--source METİN] | history",
                                            rates);

} // namespace
} // namespace velkor::cli
