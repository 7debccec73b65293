#include "vouchers/VoucherFiles.h"

#include "base/Prompt.h"
#include "base/ShownError.h"
#include "vouchers/Windows1254.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace velkor {

namespace {

/// Puts the process's current folder back when the flow ends, however it ends.
class CurrentFolderKeeper {
public:
    CurrentFolderKeeper() : m_folder(QDir::currentPath()) {}
    ~CurrentFolderKeeper() { QDir::setCurrent(m_folder); }
    CurrentFolderKeeper(const CurrentFolderKeeper&) = delete;
    CurrentFolderKeeper& operator=(const CurrentFolderKeeper&) = delete;

private:
    QString m_folder;
};

bool confirmed(Prompt& prompt, const QString& question) {
    return prompt.ask(question, kApplicationTitle, PromptIcon::Question,
                      PromptButton::Yes | PromptButton::No) == PromptButton::Yes;
}

} // namespace

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw ShownError(QStringLiteral("%1 yazılamadı: %2").arg(QDir::toNativeSeparators(path), reason));
    }
}

QString voucherSavedMessage(const QString& path) {
    return QStringLiteral("Fiş dosyası kaydedildi:\n") + QDir::toNativeSeparators(path);
}

void reportReplacedCharacters(Prompt& prompt, int replaced) {
    if (replaced > 0) {
        prompt.showMessage(QStringLiteral("Windows-1254 kod sayfasında karşılığı olmayan %1 karakter "
                                          "\"?\" olarak yazıldı.")
                               .arg(replaced),
                           {}, PromptIcon::Warning);
    }
}

VoucherSave saveCsvVoucher(Prompt& prompt, const QString& home, const QString& proposedName,
                           const std::function<QString()>& build) {
    const CurrentFolderKeeper keeper;
    SaveDialog dialog;
    dialog.title = QStringLiteral("Luca Dosyası Sakla");
    dialog.suggestedPath = home + proposedName;
    dialog.filter = QStringLiteral("CSV Dosyası (*.csv)|*.csv");
    dialog.confirmOverwrite = false;
    QString path = prompt.chooseSaveTarget(dialog);
    if (path.isEmpty()) {
        return {};
    }
    if (!path.contains(QLatin1String(".csv"))) {
        path += QLatin1String(".csv");
    }
    if (QFileInfo::exists(path) &&
        !confirmed(prompt, QStringLiteral("Dosya mevcut Üzerine kayıt edilsinmi?"))) {
        return {};
    }
    VoucherSave save;
    try {
        const EncodedText encoded = toWindows1254(build());
        writeFileAtomically(path, encoded.bytes);
        save.path = path;
        save.replaced = encoded.replaced;
    } catch (const std::exception&) {
        prompt.showMessage(QStringLiteral("Dosya Saklanamıyor:\r") + QDir::toNativeSeparators(path), {},
                           PromptIcon::Error);
        return {};
    }
    // A file written without a word left users guessing whether and where it was written.
    prompt.showMessage(voucherSavedMessage(path), {}, PromptIcon::Information);
    reportReplacedCharacters(prompt, save.replaced);
    return save;
}

VoucherSave saveLogoVoucher(Prompt& prompt, const QString& home, const QString& text) {
    const CurrentFolderKeeper keeper;
    SaveDialog dialog;
    dialog.title = QStringLiteral("Logo XML Dosyası Sakla");
    dialog.suggestedPath = home + QStringLiteral("LogoFis");
    dialog.filter = QStringLiteral("XML (*.xml)|*.xml");
    dialog.defaultSuffix = QStringLiteral("xml");
    dialog.confirmOverwrite = false;
    const QString path = prompt.chooseSaveTarget(dialog);
    if (path.isEmpty()) {
        return {};
    }
    if (QFileInfo::exists(path) &&
        !confirmed(prompt, QStringLiteral("Dosya mevcut üzerine kayıt edilsinmi?"))) {
        prompt.showMessage(QStringLiteral("Kayıt işlemi yapılamadı."));
        return {};
    }
    const EncodedText encoded = toWindows1254(text);
    writeFileAtomically(path, encoded.bytes);
    prompt.showMessage(path + QStringLiteral("\n\r") + QStringLiteral("isimli dosya başarıyla kayıt edildi"));
    reportReplacedCharacters(prompt, encoded.replaced);
    return {path, encoded.replaced};
}

} // namespace velkor
