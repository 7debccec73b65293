#pragma once

#include "base/FormModel.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace velkor {

class Prompt;
class WindowManager;

namespace update {

class Downloader;

/// "PROGRAMI GÜNCELLE": asks, tests the connection, downloads the package and its detached
/// signature over HTTPS, installs nothing whose signature does not verify under the
/// publisher's key, unpacks it into a fresh folder under `Yedek`, checks that the new
/// program runs, and renames it into place. The progress window `TForm6` shows the four
/// steps on `Gauge1`. Every failure leaves the installed program as it was and says why.
/// A program installed from the Debian package never replaces its own file: it says that
/// updates come through the package manager and, when the address offers a later signed
/// package, downloads it and hands it to the desktop's package installer.
class ProgramUpdate {
public:
    /// `home` is the installation folder; `programPath` the program file to replace (empty:
    /// the running program's own file).
    ProgramUpdate(QString home, QString programPath, Prompt& prompt, WindowManager& windows,
                  Downloader& downloader, QByteArray publicKey);

    /// The progress window `TForm6`.
    FormModel& progress() { return m_progress; }

    /// Where the package is fetched from: the address given here (the command line's
    /// --from), else the setting in Ayarlar.ini.
    void setAddress(const QString& address) { m_address = address; }
    /// The address in use: the given one or the setting, with a trailing "/".
    QString address() const;

    /// Whether the program runs from the Debian package (by default: as the program's
    /// layout says).
    void setPackaged(bool packaged) { m_packaged = packaged; }
    /// Hands a downloaded package to the desktop's package installer; true when it was taken.
    /// Without one (the command line) the message names the file and the command that installs it.
    void setPackageOpener(std::function<bool(const QString&)> opener) { m_packageOpener = std::move(opener); }
    /// The version the running program is (by default the one it was built as).
    void setInstalledVersion(const QString& version) { m_version = version; }

    /// The update; true when the new program was put in place, or, for the Debian package,
    /// when a later package was downloaded.
    bool BitBtn5Click();

private:
    void setGauge(int position);
    bool checkedAddress(QString& where);
    /// Fetches the signature of the package at the address; false, with the user told why, when
    /// the server cannot be reached or refuses.
    bool fetchSignature(const QString& packageAddress, QByteArray& signature);
    bool run(const QString& address);
    bool runPackaged(const QString& address);
    /// The verified Debian package downloaded into Yedek/; throws UpdateError.
    QString fetchDebianPackage(const QString& address, const QByteArray& signature);

    QString m_home;
    QString m_programPath;
    Prompt& m_prompt;
    WindowManager& m_windows;
    Downloader& m_downloader;
    QByteArray m_publicKey;
    QString m_address;
    FormModel m_progress;
    bool m_replaced = false;
    bool m_packaged;
    std::function<bool(const QString&)> m_packageOpener;
    QString m_version;
};

} // namespace update
} // namespace velkor
