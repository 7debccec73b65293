#include "app/DataFolderChoice.h"

#include "base/Prompt.h"
#include "storage/DataFolder.h"
#include "storage/DatabaseError.h"

#include <QDir>
#include <QFileInfo>

namespace velkor {

namespace {

QString cleaned(const QString& folder) {
    return QDir::cleanPath(QDir(folder).absolutePath());
}

} // namespace

DataFolderChoice::DataFolderChoice(Prompt& prompt, QString current)
    : m_prompt(prompt), m_current(std::move(current)) {}

bool DataFolderChoice::VeriKlasoruButClick() {
    const QString chosen = m_prompt.chooseFolder(QStringLiteral("Veri Klasörünü Seçiniz"), m_current);
    if (chosen.isEmpty())
        return false;
    const QString folder = cleaned(chosen);
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isWritable()) {
        m_prompt.showMessage(QStringLiteral("Seçilen klasöre yazılamıyor: %1\n\rVeri klasörü değiştirilmedi.")
                                 .arg(QDir::toNativeSeparators(folder)),
                             {}, PromptIcon::Warning);
        return false;
    }
    const QString before = cleaned(userDataFolder());
    if (folder == before) {
        m_prompt.showMessage(QStringLiteral("Veri klasörü zaten %1.").arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    try {
        // The usual folder is remembered as no choice, so that it follows the user's data folder.
        setChosenDataFolder(folder == cleaned(defaultDataFolder()) ? QString() : folder);
    } catch (const DatabaseError& e) {
        m_prompt.showMessage(e.message(), {}, PromptIcon::Error);
        return false;
    }
    m_prompt.showMessage(QStringLiteral("Veri klasörü %1 olarak ayarlandı.\n\rDeğişiklik program yeniden "
                                        "başlatıldığında geçerli olur; klasör boşsa ilk açılışta kurulur.")
                             .arg(QDir::toNativeSeparators(folder)));
    return true;
}

} // namespace velkor
