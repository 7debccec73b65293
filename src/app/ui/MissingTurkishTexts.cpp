#include "app/ui/MissingTurkishTexts.h"

#include <cstring>

namespace velkor {

namespace {

struct Text {
    const char* context;
    const char* source;
    const char* turkish;
};

// The words the file dialogs show for an entry's kind, in the wording of the catalogue's
// own file dialog texts.
constexpr Text kTexts[] = {
    {"QAbstractFileIconProvider", "Folder", "Klasör"},
    {"QAbstractFileIconProvider", "File Folder", "Dosya Klasörü"},
    {"QAbstractFileIconProvider", "Drive", "Sürücü"},
    {"QAbstractFileIconProvider", "File", "Dosya"},
    {"QAbstractFileIconProvider", "%1 File", "%1 Dosyası"},
    {"QAbstractFileIconProvider", "Shortcut", "Kısayol"},
    {"QAbstractFileIconProvider", "Alias", "Takma Ad"},
    {"QAbstractFileIconProvider", "Unknown", "Bilinmeyen"},
};

} // namespace

QString MissingTurkishTexts::translate(const char* context, const char* sourceText, const char*, int) const {
    if (!context || !sourceText)
        return {};
    for (const Text& text : kTexts)
        if (std::strcmp(context, text.context) == 0 && std::strcmp(sourceText, text.source) == 0)
            return QString::fromUtf8(text.turkish);
    return {};
}

} // namespace velkor
