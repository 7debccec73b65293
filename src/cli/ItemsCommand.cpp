#include "base/NumberFormat.h"
#include "cli/CliCommand.h"
#include "engine/WorkspaceStateControls.h"
#include "storage/Schema.h"
#include "workspace/Workspace.h"

namespace velkor::cli {

namespace {

const char* const kUsage = "items --company KOD [--filter GRUP]";

QString escaped(QString text) {
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return text;
}

QString cellText(const QVariant& value) {
    if (value.isNull())
        return QStringLiteral("\\N");
    switch (value.typeId()) {
    case QMetaType::QDate:
        return FormatDate(value.toDate());
    case QMetaType::Double:
    case QMetaType::Float: {
        QString number = FormatGeneral(value.toDouble());
        number.replace(regionalSeparators().decimal, QLatin1Char('.'));
        return number;
    }
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(value.toLongLong());
    case QMetaType::QByteArray:
        return QString::fromLatin1(value.toByteArray().toHex());
    default:
        return escaped(value.toString());
    }
}

int items(CliRun& run) {
    const QString code = takeOption(run.args, QStringLiteral("--company"));
    const QString filter = takeOption(run.args, QStringLiteral("--filter"));
    if (code.isEmpty() || !run.args.isEmpty())
        throw UsageError(QString::fromUtf8(kUsage));
    if (!openCompany(run, code))
        return 1;
    Workspace workspace(run.context);
    WorkspaceState& state = workspace.state();
    if (!filter.isEmpty()) {
        if (!state.items(ctl::workspace::SBK_Ana_Combo).contains(filter))
            throw UsageError(QStringLiteral("Geçersiz grup: ") + filter);
        state.setText(ctl::workspace::SBK_Ana_Combo, filter);
    }
    workspace.ListeYenile();
    const QStringList columns = itemColumnNames();
    run.out << columns.join(QLatin1Char('\t')) << '\n';
    Query& list = workspace.SBKQuery();
    for (list.first(); !list.eof(); list.next()) {
        QStringList cells;
        for (const QString& column : columns)
            cells << cellText(list.value(column));
        run.out << cells.join(QLatin1Char('\t')) << '\n';
    }
    return 0;
}

const CommandRegistration reg("items", kUsage, items);

} // namespace

} // namespace velkor::cli
