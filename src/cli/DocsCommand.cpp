#include "cli/CliCommand.h"
#include "legislation/LegislationForm.h"
#include "legislation/LegislationFormControls.h"
#include "legislation/LibraryPdf.h"

#include <QFile>

namespace velkor::cli {
namespace {

namespace c = ctl::legislation;

const char* const kUsage = "docs list|show|save|delete|pdf KİTAPLIK [AD] [--file DOSYA]";

struct LibraryControls {
    LegislationForm::Library library;
    QString list;
    QString text;
    QString name;
    QString save;
    QString remove;
    /// The title of the library's PDF: the help item that opens it.
    QString title;
};

LibraryControls libraryOf(const QString& word) {
    const QString key = word.toLower();
    if (key == QLatin1String("mevzuat") || key == QLatin1String("teblig"))
        return {LegislationForm::Legislation,
                c::MevzuatList,
                c::MevzuatRich,
                c::MevzuatEdit,
                c::JvNavPanelHeader1,
                {},
                QStringLiteral("Enflasyon Düzeltmesi Mevzuatı")};
    if (key == QLatin1String("kullanim"))
        return {LegislationForm::Guide,
                c::KullanimList,
                c::KullanimRich,
                c::KullanimEdit,
                c::JvNavPanelHeader3,
                c::MenuItem1,
                QStringLiteral("Kullanım Kılavuzu")};
    if (key == QLatin1String("genelbilgi"))
        return {LegislationForm::GeneralInformation,
                c::GenelBilgiList,
                c::GenelBilgiRich,
                c::GenelBilgiEdit,
                c::JvNavPanelHeader6,
                c::MenuItem2,
                QStringLiteral("Genel Bilgi ve Notlar")};
    throw UsageError(QStringLiteral("kitaplık mevzuat, kullanim ya da genelbilgi olmalı: %1").arg(word));
}

int docs(CliRun& run) {
    if (run.args.size() < 2)
        throw UsageError(QString::fromUtf8(kUsage));
    const QString verb = run.args.value(0);
    const LibraryControls library = libraryOf(run.args.value(1));
    const QString name = run.args.value(2);
    LegislationForm form(run.context.home(), run.prompt);
    form.FormCreate();
    const size_t opened = run.prompt.shown().size();
    form.loadList(library.library);
    if (run.prompt.shown().size() > opened)
        return 1;
    const int before = static_cast<int>(run.prompt.shown().size());
    if (verb == QLatin1String("list") && run.args.size() == 2) {
        for (const QString& entry : form.items(library.list))
            run.out << entry << "\n";
    } else if (verb == QLatin1String("show") && run.args.size() == 3) {
        if (!form.items(library.list).contains(name)) {
            run.prompt.showMessage(QStringLiteral("Belge bulunamadı: %1").arg(name));
            return 1;
        }
        form.userSet(library.list, name);
        run.out << form.text(library.text) << "\n";
    } else if (verb == QLatin1String("save") && run.args.size() == 3) {
        // The document comes from the global --file, as a file dialog would give it.
        const QString file = run.prompt.chooseOpenFile(QStringLiteral("Belge dosyası"), run.context.home(),
                                                       QStringLiteral("Belgeler (*.html *.htm *.txt)"));
        if (file.isEmpty())
            throw UsageError(QStringLiteral("docs save KİTAPLIK AD --file DOSYA"));
        if (!form.isVisible(library.save) || !form.isEnabled(library.save)) {
            run.prompt.showMessage(QStringLiteral("Bu kitaplığın belgeleri değiştirilemez."));
            return 1;
        }
        QFile source(file);
        if (!source.open(QIODevice::ReadOnly)) {
            run.prompt.showMessage(QStringLiteral("Dosya okunamadı: %1").arg(file));
            return 1;
        }
        form.setText(library.name, name);
        form.setText(library.text, QString::fromUtf8(source.readAll()));
        form.click(library.save);
    } else if (verb == QLatin1String("pdf") && run.args.size() == 2) {
        const QString file = run.prompt.chooseSaveFile(QStringLiteral("PDF dosyası"), run.context.home(),
                                                       QStringLiteral("PDF dosyaları (*.pdf)"));
        if (file.isEmpty())
            throw UsageError(QStringLiteral("docs pdf KİTAPLIK --file DOSYA.pdf"));
        const int pages = writeLibraryPdf(form.library(library.library),
                                          kApplicationTitle + QStringLiteral(" - ") + library.title, file);
        run.out << file << " (" << pages << " sayfa)\n";
    } else if (verb == QLatin1String("delete") && run.args.size() == 3) {
        if (library.remove.isEmpty()) {
            run.prompt.showMessage(QStringLiteral("Bu kitaplığın belgeleri silinemez."));
            return 1;
        }
        if (!form.items(library.list).contains(name)) {
            run.prompt.showMessage(QStringLiteral("Belge bulunamadı: %1").arg(name));
            return 1;
        }
        form.userSet(library.list, name);
        form.click(library.remove);
        return form.items(library.list).contains(name) ? 1 : 0;
    } else {
        throw UsageError(QString::fromUtf8(kUsage));
    }
    // Any message other than the success of a deletion means the step stopped.
    for (size_t i = static_cast<size_t>(before); i < run.prompt.shown().size(); ++i)
        if (run.prompt.shown()[i].icon == PromptIcon::Error ||
            run.prompt.shown()[i].icon == PromptIcon::Warning)
            return 1;
    return 0;
}

const CommandRegistration registration("docs", kUsage, docs);

} // namespace
} // namespace velkor::cli
