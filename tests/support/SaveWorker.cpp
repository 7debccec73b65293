// One accountant of the office, as a program of its own, for the tests and benchmarks of
// several programs writing one office at once. It works the way velkor-cli does: the
// installation's context, the company pointed at, the workspace's fixed-asset sheet.
//
//   save_worker HOME KOD YAZAR KAÇ   KAÇ saves: every even one a new item "Y<YAZAR>-<n>",
//                                    the odd one after it that item again with a new value
//   save_worker HOME KOD --hold      holds the company exclusively until killed
//
// Prints "kaydedildi N" (and "reddedildi N" for refused saves); exit code 0 when every
// save went through.
#include "base/ClassicNumbers.h"
#include "base/ScriptedPrompt.h"
#include "engine/FixedAssetSheet.h"
#include "engine/FixedAssetSheetControls.h"
#include "storage/AppContext.h"
#include "storage/CompanyLock.h"
#include "storage/Installation.h"
#include "workspace/Workspace.h"

#include <QCoreApplication>
#include <QDate>
#include <QTextStream>
#include <QThread>
#include <exception>

using namespace velkor;

namespace {

/// The item a writer saves at its `pair`th new item, and the value its second save gives.
QString itemCode(int writer, int pair) {
    return QStringLiteral("Y%1-%2").arg(writer).arg(pair);
}

int save(AppContext& context, ScriptedPrompt& prompt, int writer, int count, QTextStream& out) {
    Workspace workspace(context);
    workspace.open();
    FixedAssetSheet& sheet = workspace.fixedAssets();
    int saved = 0;
    int refused = 0;
    qint64 id = 0;
    for (int i = 0; i < count; ++i) {
        const int pair = i / 2;
        const size_t shown = prompt.shown().size();
        try {
            if (i % 2 == 0) {
                sheet.click(ctl::fixedasset::YeniBut);
                sheet.userSet(ctl::fixedasset::DuzeltmeAnaHesapCombo, QStringLiteral("253"));
                sheet.userSet(ctl::fixedasset::KoduEdit, itemCode(writer, pair));
                sheet.userSet(ctl::fixedasset::AdiEdit, QStringLiteral("Kalem ") + itemCode(writer, pair));
                sheet.setDate(ctl::fixedasset::GirisTarihiDate, QDate(2020, 3, 15));
                sheet.userSet(ctl::fixedasset::KayitliTutariEdit, QStringLiteral("%1,25").arg(100 + pair));
            } else {
                sheet.click(ctl::fixedasset::YeniBut);
                if (!workspace.openItem(id))
                    throw std::runtime_error("the saved item is gone");
                sheet.userSet(ctl::fixedasset::KayitliTutariEdit, QStringLiteral("%1,75").arg(500 + pair));
            }
            sheet.click(ctl::fixedasset::KaydetButton);
            if (prompt.shown().size() > shown)
                ++refused;
            else
                ++saved;
            id = sheet.text(ctl::fixedasset::Kayit_No_Edit).toLongLong();
        } catch (const std::exception& e) {
            QTextStream(stderr) << "kayıt " << i << ": " << QString::fromUtf8(e.what()) << Qt::endl;
            ++refused;
        }
    }
    out << "kaydedildi " << saved << Qt::endl;
    if (refused)
        out << "reddedildi " << refused << Qt::endl;
    return refused == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    useClassicNumbers();
    QCoreApplication::setApplicationName(QStringLiteral("velkor"));
    const QStringList args = QCoreApplication::arguments().mid(1);
    QTextStream out(stdout);
    if (args.size() != 4 && !(args.size() == 3 && args[2] == QLatin1String("--hold"))) {
        QTextStream(stderr) << "save_worker HOME KOD YAZAR KAÇ | save_worker HOME KOD --hold" << Qt::endl;
        return 2;
    }
    ScriptedPrompt prompt;
    prompt.setSink([](const QString& text) { QTextStream(stderr) << "MESAJ: " << text << Qt::endl; });
    try {
        setInstallationFolder(args[0]);
        AppContext context(GetPathPath(), prompt);
        context.OpenSharedConnections();
        if (args[2] == QLatin1String("--hold")) {
            const auto held = context.companyLocks().exclusive(args[1], operations::kReset);
            out << "tutuluyor" << Qt::endl;
            QThread::sleep(600);
            return 0;
        }
        context.PointCompanyConnection(args[1]);
        return save(context, prompt, args[2].toInt(), args[3].toInt(), out);
    } catch (const std::exception& e) {
        QTextStream(stderr) << QString::fromUtf8(e.what()) << Qt::endl;
        return 1;
    }
}
