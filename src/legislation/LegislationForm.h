#pragma once

#include "base/FormModel.h"
#include "legislation/DocumentLibrary.h"

#include <array>

namespace velkor {

class Prompt;

/// The legislation and guide window "TMevzuatF": three tabs, each a library of documents
/// with its list, text and name field. The legislation library is read-only in use; the
/// guide and the general information can be edited, saved under a new name and deleted.
/// The text fields hold the document as stored (HTML or plain text); the window shows
/// HTML as rich text and anything else as plain text.
class LegislationForm : public FormModel {
    Q_OBJECT

public:
    enum Library { Legislation = 0, Guide = 1, GeneralInformation = 2 };

    /// `home` is the installation folder holding the archives.
    LegislationForm(const QString& home, Prompt& prompt, QObject* parent = nullptr);

    /// The library of a tab.
    DocumentLibrary library(Library which) const;
    /// The picture a document of a library names in `<img src>`; empty when there is none.
    QByteArray picture(Library which, const QString& source) const;
    /// Writes the shipped archives that are missing from the installation folder, and brings
    /// the legislation and the guide up to what this program ships when they hold older content.
    void FormCreate();

    /// Opening from the main menu: the page is shown, then each library's list is loaded
    /// and its first entry shown.
    void open(int page);
    /// "Liste Yukle": loads the list of a library.
    void loadList(Library which);
    /// A click in a list: shows the chosen document and puts its name in the name field.
    void showDocument(Library which);
    /// "Veri Sakla": stores the text under the name field's name.
    void save(Library which);
    /// "Satır Sil": deletes the list's chosen entry.
    void deleteEntry(Library which);
    /// Sets the caption to the entry name followed by the application title.
    void SetFileName(const QString& name);

private:
    struct Tab {
        QString archive;
        QString list;
        QString text;
        QString name;
    };
    static const std::array<Tab, 3>& tabs();

    QString m_home;
    Prompt& m_prompt;
    bool m_loading = false;
};

} // namespace velkor
