#pragma once

#include <QString>

namespace velkor {

class Prompt;

/// "VERİ KLASÖRÜ" of the entry window of an installed program: the office points the
/// installation folder (databases, settings, backups) at another folder, such as a shared
/// one. The choice is remembered in the user's settings file and takes effect at the next
/// start; the running program keeps the folder it opened.
class DataFolderChoice {
public:
    /// `current` is the installation folder in use.
    DataFolderChoice(Prompt& prompt, QString current);

    /// Asks for the folder and remembers it; true when the setting changed.
    bool VeriKlasoruButClick();

private:
    Prompt& m_prompt;
    QString m_current;
};

} // namespace velkor
