#pragma once

#include "base/ui/FormWindow.h"
#include "legislation/LegislationForm.h"

class QListWidget;
class QTextEdit;

namespace velkor {

/// The legislation and guide window: three tabs, each with its heading, the list of
/// documents on the left and the document on the right. Lists and texts are bound here by
/// hand: a list shows the model's items, and a text shows the stored document as rich text
/// when it is HTML and as plain text otherwise, with the pictures it names taken from its
/// library.
class TMevzuatF : public FormWindow {
    Q_OBJECT

public:
    TMevzuatF(LegislationForm& model, WindowManager& windows, Prompt& prompt, QWidget* parent = nullptr);

private:
    struct Page {
        QString list;
        QString text;
        QListWidget* listView = nullptr;
        QTextEdit* textView = nullptr;
    };
    QWidget* makePage(LegislationForm::Library library, const QString& heading, const QString& list,
                      const QString& text, const QString& name, const QString& load, const QString& save,
                      const QString& remove);
    void refresh(const QString& control);

    LegislationForm& m_legislation;
    std::vector<Page> m_pages;
    bool m_updating = false;
};

} // namespace velkor
