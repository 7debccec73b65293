#include "cli/ReadOnlyCommands.h"

namespace velkor::cli {

namespace {

bool hasFormSteps(const QStringList& args) {
    for (const QString& arg : args) {
        if (arg == QLatin1String("--set") || arg == QLatin1String("--click") ||
            arg == QLatin1String("--leave") || arg == QLatin1String("--type"))
            return true;
    }
    return false;
}

} // namespace

bool changesData(const QString& word, const QStringList& args) {
    static const QStringList reading{QStringLiteral("report"), QStringLiteral("journal"),
                                     QStringLiteral("totals"), QStringLiteral("export"),
                                     QStringLiteral("print"),  QStringLiteral("voucher"),
                                     QStringLiteral("index"),  QStringLiteral("items"),
                                     QStringLiteral("backup"), QStringLiteral("server check")};
    if (reading.contains(word))
        return false;
    const QString verb = args.value(0);
    if (word == QLatin1String("company"))
        return verb != QLatin1String("list");
    if (word == QLatin1String("rates"))
        return verb != QLatin1String("show") && verb != QLatin1String("history");
    if (word == QLatin1String("docs"))
        return verb != QLatin1String("list") && verb != QLatin1String("show") && verb != QLatin1String("pdf");
    // A sheet or a period's tab only shows; what the user would type or press may save.
    if (word == QLatin1String("sheet"))
        return hasFormSteps(args);
    if (word == QLatin1String("period")) {
        if (verb == QLatin1String("list") || verb == QLatin1String("report") ||
            verb == QLatin1String("journal"))
            return false;
        return verb != QLatin1String("show") || hasFormSteps(args);
    }
    return true;
}

QString readOnlyRefusal(const QString& word) {
    return QStringLiteral(
               "Büro sunucusunda yalnızca okuma yetkiniz var: \"%1\" komutu veri değiştireceği için "
               "çalıştırılmadı.")
        .arg(word);
}

} // namespace velkor::cli
