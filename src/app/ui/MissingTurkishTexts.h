#pragma once

#include <QTranslator>

namespace velkor {

/// The Turkish texts that Qt's own Turkish catalogue lacks. The catalogue was written for
/// an older Qt, and the file dialog's type column ("Folder", "Drive", ...) has since moved
/// to a context of its own that it does not translate, so those words showed in English.
class MissingTurkishTexts : public QTranslator {
    Q_OBJECT

public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }
};

} // namespace velkor
