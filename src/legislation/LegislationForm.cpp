#include "legislation/LegislationForm.h"

#include "base/Prompt.h"
#include "base/WindowNames.h"
#include "legislation/DocumentLibrary.h"
#include "legislation/LegislationFormControls.h"
#include "storage/ZipArchive.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <vector>

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

/// The entry that records which shipped content a library holds, a line "<hash> <entry>" for
/// each shipped entry; its '/' keeps it out of the list.
const QString kShippedVersionEntry = QStringLiteral("surum/gonderilen");
constexpr qint64 kMaxVersionSize = qint64(1) << 20;
constexpr qint64 kMaxDocumentSize = qint64(64) << 20;

/// The guide as the first release shipped it, which wrote no version entry: its entries that
/// still read so have not been edited.
const QByteArray kFirstReleaseGuide = QByteArrayLiteral(
    "536973825f203083b32385bd679dbc160f2991b5400c9abdc26862de24ab375e 01 Başlarken\n"
    "5f698f73dd32ff98fb1d5a020da370619599abe0acec838157f768238eb45724 02 Ana Menü\n"
    "d3ffe4d7d16032bf502f3e71751057309ae8969d31e4e95089796df5ad7e6a6f 03 Sabit Kıymetlerin Düzeltilmesi\n"
    "881a4fdf916b9f65e5873318a105ae288f9eccbe99a53c3f67816965bd07c7b2 04 Stok ve Diğer Kalemler\n"
    "3b85442249debe62282839c73fdf18ced452bbb3dc8ecb12bcdf8aa4702e8313 05 Özkaynaklar\n"
    "8e7eb5f91f0571db3d9d16667d0cd0c04e9676178ba9ada72840a8e14b22d71d 06 Raporlar ve Yevmiye\n"
    "8f35337750263905165cdf1adec25ceaff56b41d4dff1a2821b564f623e98aa0 07 Muhasebe Fişi Aktarımı\n"
    "9628f94ecf71caa14379b352e7ac08242f17fbd429499a3239273113515db66e 08 Yedekleme\n"
    "abff36b94e45ef6a9fde5b3600a8bb330aba46e9679726f30c423d628252bf67 09 Komut Satırı\n");

QByteArray contentHash(const QByteArray& content) {
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
}

/// What a folder ships: each entry's name, as the archive stores it, with its content.
struct ShippedEntry {
    QString name;
    QByteArray content;
};

std::vector<ShippedEntry> shippedEntries(const QDir& shipped) {
    const auto read = [](const QString& path) {
        QFile source(path);
        return source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
    };
    std::vector<ShippedEntry> entries;
    for (const QString& file : shipped.entryList(QDir::Files, QDir::Name))
        entries.push_back({QFileInfo(file).completeBaseName(), read(shipped.filePath(file))});
    const QDir pictures(shipped.filePath(DocumentLibrary::kPictureFolder));
    for (const QString& file : pictures.entryList(QDir::Files, QDir::Name))
        entries.push_back({DocumentLibrary::kPictureFolder + file, read(pictures.filePath(file))});
    return entries;
}

QByteArray versionText(const std::vector<ShippedEntry>& entries) {
    QByteArray text;
    for (const ShippedEntry& entry : entries)
        text += contentHash(entry.content) + ' ' + entry.name.toUtf8() + '\n';
    return text;
}

/// The hash each entry had when the program shipped it, from a version text.
QHash<QString, QByteArray> shippedHashes(const QByteArray& version) {
    QHash<QString, QByteArray> hashes;
    for (const QByteArray& line : version.split('\n')) {
        const qsizetype space = line.indexOf(' ');
        if (space > 0)
            hashes.insert(QString::fromUtf8(line.mid(space + 1)), line.left(space));
    }
    return hashes;
}

enum class ShippedDocuments { All, Unedited };

/// Writes the shipped entries into an open archive, and `version` (their version text) as
/// the version entry. With `Unedited` a document is written only when the archive lacks it
/// or holds it as `recorded` (the version text the archive held) says it was shipped, so
/// that the user's edits stay; pictures are always the program's own.
void writeShipped(ZipArchive& archive, const std::vector<ShippedEntry>& entries, const QByteArray& version,
                  ShippedDocuments documents, const QByteArray& recorded = {}) {
    const QHash<QString, QByteArray> hashes = shippedHashes(recorded);
    for (const ShippedEntry& entry : entries) {
        const int index = archive.find(entry.name);
        const bool picture = entry.name.startsWith(DocumentLibrary::kPictureFolder);
        // A shipped document saved again in the program lives under a neutral name; it is
        // the user's edit unless its text is still one the program shipped.
        const int saved = picture ? -1 : DocumentLibrary::savedDocument(archive, entry.name);
        if (!picture && documents == ShippedDocuments::Unedited && (saved >= 0 || index >= 0)) {
            const QByteArray held = saved >= 0 ? DocumentLibrary::savedDocumentText(archive, saved)
                                               : archive.read(index, kMaxDocumentSize);
            if (hashes.value(entry.name) != contentHash(held))
                continue;
        }
        if (saved >= 0)
            archive.remove(saved);
        archive.write(entry.name, entry.content);
    }
    archive.write(kShippedVersionEntry, version);
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
        const QString path = m_home + tab.archive;
        const QByteArray password = passwordOf(static_cast<Library>(which));
        const std::vector<ShippedEntry> entries = shippedEntries(QDir(shippedFolder(tab.archive)));
        const QByteArray version = versionText(entries);
        if (!QFileInfo::exists(path)) {
            // Built under a temporary name, so a half-written library is never taken for one.
            const QString temporary = path + QStringLiteral(".yeni");
            QFile::remove(temporary);
            {
                ZipArchive archive(temporary, ZipArchive::Mode::Create, password);
                writeShipped(archive, entries, version, ShippedDocuments::All);
                archive.commit();
            }
            QFile::rename(temporary, path);
            continue;
        }
        // The user's own notes are never touched; the program's libraries take what a newer
        // program ships: the legislation all its texts, the guide the entries the user has
        // not changed, and both their pictures.
        if (which == GeneralInformation)
            continue;
        try {
            ZipArchive archive(path, ZipArchive::Mode::Update, password);
            // An archive of the first release has no version entry; it held that release's guide.
            const int marker = archive.find(kShippedVersionEntry);
            const QByteArray recorded =
                marker >= 0 ? archive.read(marker, kMaxVersionSize) : kFirstReleaseGuide;
            if (recorded == version)
                continue;
            writeShipped(archive, entries, version,
                         which == Legislation ? ShippedDocuments::All : ShippedDocuments::Unedited, recorded);
            archive.commit();
        } catch (const ZipError&) {
            // A damaged library stays as it is; opening it says why.
        }
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
