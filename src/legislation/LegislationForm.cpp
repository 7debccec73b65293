#include "legislation/LegislationForm.h"

#include "base/Prompt.h"
#include "base/WindowNames.h"
#include "legislation/LegislationFormControls.h"
#include "storage/ZipArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// The resources of a static library are registered by hand before their first use.
static void initLegislationResources() {
    Q_INIT_RESOURCE(legislation);
}

namespace velkor {

namespace {

namespace c = ctl::legislation;

// The legislation and the general information share one password; the guide has its own.
const QByteArray kSharedPassword = QByteArrayLiteral("lh6gKdfo4Mrk7ddu11zDdxrDD3VZGAxrOp");
const QByteArray kGuidePassword = QByteArrayLiteral("HwnJqhusRsLYWZOZEqzYrPLe2qsG2zATYQ");

QByteArray passwordOf(LegislationForm::Library which) {
    return which == LegislationForm::Guide ? kGuidePassword : kSharedPassword;
}

/// The folder of the shipped documents of an archive, in the resources.
QString shippedFolder(const QString& archive) {
    return QStringLiteral(":/legislation/") + QFileInfo(archive).completeBaseName();
}

} // namespace

const std::array<LegislationForm::Tab, 3>& LegislationForm::tabs() {
    static const std::array<Tab, 3> kTabs{{
        {QStringLiteral("teblig.enf"), c::MevzuatList, c::MevzuatRich, c::MevzuatEdit},
        {QStringLiteral("kullanim.enf"), c::KullanimList, c::KullanimRich, c::KullanimEdit},
        {QStringLiteral("GenelBilgi.enf"), c::GenelBilgiList, c::GenelBilgiRich, c::GenelBilgiEdit},
    }};
    return kTabs;
}

LegislationForm::LegislationForm(const QString& home, Prompt& prompt, QObject* parent)
    : FormModel(windows::kLegislation, parent), m_home(home), m_prompt(prompt) {
    setCaption(QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Mevzuat ve Kullanım Kılavuzu"));
    addRadioGroup(c::PageControl1,
                  {QStringLiteral("Enflasyon Mevzuatı"), QStringLiteral("Program Kullanımı"),
                   QStringLiteral("Genel Bilgi ve Notlar")},
                  0);
    addLabel(c::MevzuatBaslik, QStringLiteral("ENFLASYON DÜZELTMESİ - MEVZUAT"));
    addLabel(c::KullanimBaslik, QStringLiteral("ENFLASYON DÜZELTMESİ - KULLANIM KILAVUZU"));
    addLabel(c::GenelBilgiBaslik, QStringLiteral("ENFLASYON DÜZELTMESİ - GENEL BİLGİLER"));
    for (const Tab& tab : tabs()) {
        addCombo(tab.list, {}, {});
        addEdit(tab.text);
        addEdit(tab.name);
    }
    setEnabled(c::MevzuatEdit, false);
    setReadOnly(c::MevzuatRich, true);
    const QString load = QStringLiteral("Liste Yukle");
    const QString store = QStringLiteral("Veri Sakla");
    addButton(c::JvNavPanelHeader5, load);
    addButton(c::JvNavPanelHeader1, store);
    setVisible(c::JvNavPanelHeader5, false);
    setVisible(c::JvNavPanelHeader1, false);
    addButton(c::JvNavPanelHeader2, load);
    addButton(c::JvNavPanelHeader3, store);
    addButton(c::JvNavPanelHeader4, load);
    addButton(c::JvNavPanelHeader6, store);
    addButton(c::MenuItem1, QStringLiteral("Satır Sil"));
    addButton(c::MenuItem2, QStringLiteral("Satır Sil"));

    onClick(c::JvNavPanelHeader5, [this] { loadList(Legislation); });
    onClick(c::JvNavPanelHeader2, [this] { loadList(Guide); });
    onClick(c::JvNavPanelHeader4, [this] { loadList(GeneralInformation); });
    onClick(c::JvNavPanelHeader1, [this] { save(Legislation); });
    onClick(c::JvNavPanelHeader3, [this] { save(Guide); });
    onClick(c::JvNavPanelHeader6, [this] { save(GeneralInformation); });
    onClick(c::MenuItem1, [this] { deleteEntry(Guide); });
    onClick(c::MenuItem2, [this] { deleteEntry(GeneralInformation); });
    onChange(c::MevzuatList, [this] { showDocument(Legislation); });
    onChange(c::KullanimList, [this] { showDocument(Guide); });
    onChange(c::GenelBilgiList, [this] { showDocument(GeneralInformation); });
}

DocumentLibrary LegislationForm::library(Library which) const {
    return DocumentLibrary(m_home + tabs()[which].archive, passwordOf(which));
}

void LegislationForm::FormCreate() {
    initLegislationResources();
    for (int which = Legislation; which <= GeneralInformation; ++which) {
        const Tab& tab = tabs()[static_cast<size_t>(which)];
        if (QFileInfo::exists(m_home + tab.archive))
            continue;
        const QDir shipped(shippedFolder(tab.archive));
        // Built under a temporary name, so a half-written library is never taken for one.
        const QString temporary = m_home + tab.archive + QStringLiteral(".yeni");
        QFile::remove(temporary);
        {
            ZipArchive archive(temporary, ZipArchive::Mode::Create, passwordOf(static_cast<Library>(which)));
            for (const QString& file : shipped.entryList(QDir::Files, QDir::Name)) {
                QFile source(shipped.filePath(file));
                if (source.open(QIODevice::ReadOnly))
                    archive.write(QFileInfo(file).completeBaseName(), source.readAll());
            }
            const QDir pictures(shipped.filePath(DocumentLibrary::kPictureFolder));
            for (const QString& file : pictures.entryList(QDir::Files, QDir::Name)) {
                QFile source(pictures.filePath(file));
                if (source.open(QIODevice::ReadOnly))
                    archive.write(DocumentLibrary::kPictureFolder + file, source.readAll());
            }
            archive.commit();
        }
        QFile::rename(temporary, m_home + tab.archive);
    }
}

QByteArray LegislationForm::picture(Library which, const QString& source) const {
    try {
        return library(which).picture(source);
    } catch (const ZipError&) {
        // A document whose picture cannot be read is still shown, without the picture.
        return {};
    }
}

void LegislationForm::open(int page) {
    setItemIndex(c::PageControl1, page);
    for (int which = Legislation; which <= GeneralInformation; ++which) {
        const auto library = static_cast<Library>(which);
        loadList(library);
        const QStringList names = items(tabs()[static_cast<size_t>(which)].list);
        if (!names.isEmpty())
            userSet(tabs()[static_cast<size_t>(which)].list, names.first());
    }
}

void LegislationForm::loadList(Library which) {
    const Tab& tab = tabs()[which];
    setItems(tab.list, {});
    setText(tab.list, {});
    try {
        setItems(tab.list, library(which).names());
    } catch (const ZipError&) {
        static const QString kMessages[] = {QStringLiteral("Could not open \"teblig.enf\"!"),
                                            QStringLiteral("Dosya açılamadı \"kullanim.enf\"!"),
                                            QStringLiteral("Dosya açılamadı \"GenelBilgi.enf\"!")};
        m_prompt.showMessage(kMessages[which]);
    }
}

void LegislationForm::showDocument(Library which) {
    if (m_loading)
        return;
    const Tab& tab = tabs()[which];
    const QString name = text(tab.list);
    if (name.isEmpty())
        return;
    m_loading = true;
    try {
        setText(tab.text, library(which).read(name));
        setText(tab.name, name);
    } catch (const ZipError& e) {
        m_prompt.showMessage(e.message(), {}, PromptIcon::Error);
    }
    m_loading = false;
}

void LegislationForm::save(Library which) {
    const Tab& tab = tabs()[which];
    const QString name = text(tab.name).trimmed();
    if (!ZipArchive::isBareFileName(name)) {
        m_prompt.showMessage(QStringLiteral("Belge adı boş olamaz ve \\ / : karakterlerini içeremez."), {},
                             PromptIcon::Warning);
        return;
    }
    try {
        library(which).save(name, text(tab.text));
    } catch (const ZipError& e) {
        m_prompt.showMessage(e.message(), {}, PromptIcon::Error);
        return;
    }
    SetFileName(name);
    if (which == Guide)
        return;
    const Tab& reloaded = tabs()[which];
    setItems(reloaded.list, {});
    try {
        setItems(reloaded.list, library(which).names());
    } catch (const ZipError&) {
        m_prompt.showMessage(which == Legislation ? QStringLiteral("Dosya açılamıyor \"teblig.enf\"!")
                                                  : QStringLiteral("Dosya açılamıyor \"GenelBilgi.enf\"!"));
    }
}

void LegislationForm::deleteEntry(Library which) {
    const Tab& tab = tabs()[which];
    const QString name = text(tab.list);
    if (name.isEmpty()) {
        m_prompt.showMessage(QStringLiteral("Silinecek belgeyi listeden seçiniz."));
        return;
    }
    bool deleted = false;
    try {
        library(which).remove(name);
        deleted = true;
    } catch (const ZipError&) {
        m_prompt.showMessage(QStringLiteral("Dosya Silinemedi!"));
    }
    loadList(which);
    if (deleted)
        m_prompt.showMessage(QStringLiteral("Dosya silindi!"));
}

void LegislationForm::SetFileName(const QString& name) {
    setCaption(QFileInfo(name).fileName() + QStringLiteral(" - ") + kApplicationTitle);
}

} // namespace velkor
