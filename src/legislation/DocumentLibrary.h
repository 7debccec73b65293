#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace velkor {

class ZipArchive;

/// One library of documents: a password-protected ZIP archive whose entries are the
/// documents, rich text (HTML) or plain text, and the pictures the documents show, kept
/// under the folder `resimler/` of the archive and named relative to it. A ZIP archive
/// never encrypts its entry names, so a document saved here is kept under a neutral name
/// in the folder `belge/` with its title as the first line of its encrypted content;
/// documents of the earlier layout, stored under their titles (as the shipped guide and
/// legislation are), are read as before and move to a neutral name when saved again. Every change is written
/// by libzip to a temporary archive beside the library and renamed into place, so a failure never leaves a
/// damaged library. Throws ZipError.
class DocumentLibrary {
public:
    DocumentLibrary(QString path, QByteArray password);

    const QString& path() const { return m_path; }
    /// The archive's password.
    const QByteArray& password() const { return m_password; }
    /// The folder of the pictures inside the archive, as documents name it in `<img src>`.
    static inline const QString kPictureFolder = QStringLiteral("resimler/");

    /// The folder of the documents saved under neutral names.
    static inline const QString kDocumentFolder = QStringLiteral("belge/");
    /// The entry of an open archive that holds the document saved under the title, or -1;
    /// a document of the earlier layout is not one of them.
    static int savedDocument(const ZipArchive& archive, const QString& title);
    /// The text of the saved document at that entry, without its title line.
    static QByteArray savedDocumentText(const ZipArchive& archive, int index);

    /// The document titles, sorted alphabetically; pictures are not documents.
    QStringList names() const;
    /// The document stored under `name`, as UTF-8 text.
    QString read(const QString& name) const;
    /// The bytes of the picture a document names as `source` ("resimler/x.png"); empty when
    /// the source lies outside the picture folder or the archive holds no such picture.
    QByteArray picture(const QString& source) const;
    /// Stores a picture under the picture folder (`name` without the folder).
    void savePicture(const QString& name, const QByteArray& data) const;
    /// Stores `text` under `name`, replacing an entry of that name or adding a new one;
    /// creates the archive when it does not exist.
    void save(const QString& name, const QString& text) const;
    /// Deletes the entry `name`; throws when there is none.
    void remove(const QString& name) const;

private:
    QString m_path;
    QByteArray m_password;
};

} // namespace velkor
