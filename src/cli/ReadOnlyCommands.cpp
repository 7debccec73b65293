#include "cli/ReadOnlyCommands.h"

namespace velkor::cli {

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
    // A sheet and a period's tab are the window's models: a login that may only read finds
    // the controls that would save held there, refused as the window refuses them.
    if (word == QLatin1String("sheet"))
        return false;
    if (word == QLatin1String("period"))
        return verb != QLatin1String("list") && verb != QLatin1String("report") &&
               verb != QLatin1String("journal") && verb != QLatin1String("show");
    return true;
}

QString readOnlyRefusal(const QString& word) {
    return QStringLiteral(
               "Büro sunucusunda yalnızca okuma yetkiniz var: \"%1\" komutu veri değiştireceği için "
               "çalıştırılmadı.")
        .arg(word);
}

} // namespace velkor::cli
