#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace velkor {

class Prompt;
struct EncodedText;

/// Writes a file in one go under a temporary name in its folder and renames it into
/// place, so a failure never leaves a half-written file where the old one was. Throws
/// ShownError with the file name and the system's message.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

/// What a save flow did.
struct VoucherSave {
    /// The file written; empty when nothing was written.
    QString path;
    /// Characters written as "?" for want of a Windows-1254 form.
    int replaced = 0;
};

/// The save flow of the CSV vouchers: the dialog "Luca Dosyası Sakla" in the installation
/// folder with the proposed name; ".csv" added unless the chosen name contains it; the
/// question "Dosya mevcut Üzerine kayıt edilsinmi?" before an existing file is replaced;
/// then the text is built and written, and the written file is named in a message. Any
/// error while building or writing shows "Dosya Saklanamıyor:" + CR + the file name. The
/// current folder is kept.
VoucherSave saveCsvVoucher(Prompt& prompt, const QString& home, const QString& proposedName,
                           const std::function<QString()>& build);

/// The save flow of the XML voucher for a text already built: the dialog in the
/// installation folder proposing "LogoFis", ".xml" added to a name without extension; the
/// question "Dosya mevcut üzerine kayıt edilsinmi?" before an existing file is replaced
/// ("Kayıt işlemi yapılamadı." when refused); the name and "isimli dosya başarıyla kayıt
/// edildi" after a save. A failing write throws to the general error display.
VoucherSave saveLogoVoucher(Prompt& prompt, const QString& home, const QString& text);

/// The message that names a written voucher file.
QString voucherSavedMessage(const QString& path);

/// Tells how many characters were written as "?", when there were any.
void reportReplacedCharacters(Prompt& prompt, int replaced);

} // namespace velkor
