#pragma once

#include <QByteArray>
#include <QString>

namespace velkor::update {

/// Unpacks a verified package and puts its program file in place of the installed one.
/// Every step checks before it changes anything, so a failure leaves the installed program
/// as it was; each throws UpdateError with the reason.
class PackageInstaller {
public:
    /// `home` is the installation folder (with its trailing separator); `programPath` the
    /// program file the package replaces.
    PackageInstaller(QString home, QString programPath);

    /// Extracts every entry into a fresh folder under `Yedek` and returns the folder. An
    /// entry whose name is not a bare file name, a link or a folder entry is refused and
    /// nothing is extracted.
    QString unpack(const QByteArray& package) const;
    /// The unpacked program file of the folder: it must be there under the program's file
    /// name and answer `--version` with its name and exit status 0.
    QString checkedProgram(const QString& folder) const;
    /// Copies the new program beside the installed one, keeps the installed one as the
    /// safety copy (`safetyCopyPath()`) and renames the new one into place. The running
    /// program keeps its open file; the new version runs at the next start.
    void replaceProgram(const QString& newProgram) const;

    /// The previous version kept beside the program: "B" + the program's file name.
    QString safetyCopyPath() const;
    /// The new version while it is being put in place: "_" + the program's file name.
    QString stagedPath() const;

private:
    QString m_home;
    QString m_programPath;
};

} // namespace velkor::update
