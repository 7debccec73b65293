#pragma once

#include "base/FormModel.h"

#include <QByteArray>
#include <QString>

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

    /// The update; true when the new program was put in place.
    bool BitBtn5Click();

private:
    void setGauge(int position);
    bool run(const QString& address);

    QString m_home;
    QString m_programPath;
    Prompt& m_prompt;
    WindowManager& m_windows;
    Downloader& m_downloader;
    QByteArray m_publicKey;
    QString m_address;
    FormModel m_progress;
    bool m_replaced = false;
};

} // namespace update
} // namespace velkor
