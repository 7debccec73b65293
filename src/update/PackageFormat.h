#pragma once

#include <QByteArray>
#include <QString>

namespace velkor::update {

/// The package's file name under the update address; its detached signature is the same
/// name with ".sig" appended.
inline const QString kPackageName = QStringLiteral("Dormatix.zip");
inline const QString kSignatureSuffix = QStringLiteral(".sig");
/// Where the downloaded, verified package is kept, under the installation folder.
inline const QString kLocalPackage = QStringLiteral("Yedek/Dormatix.ykl");
/// The entries of a package are encrypted with this password. It keeps the package format
/// the publisher's tool writes; the package's trust comes from its signature, not from it.
inline const QByteArray kPackagePassword = QByteArrayLiteral("xOO~thrC+^Ue!x^uD^~21+RZ?AqTU8of8");
/// What an installed program looks for under the same address: the Debian package of the
/// newest version, under a fixed name, with its detached signature beside it (".sig").
inline const QString kDebianPackageName = QStringLiteral("velkor_amd64.deb");
/// The name of the Debian package the program is installed as.
inline const QString kDebianPackage = QStringLiteral("velkor");
/// Largest package the program downloads.
constexpr qint64 kMaxPackageSize = qint64(512) * 1024 * 1024;
/// Settings of the update in Ayarlar.ini: the address of the folder holding the package.
inline const QString kSettingsFile = QStringLiteral("Ayarlar.ini");
inline const QString kSettingsSection = QStringLiteral("Guncelleme");
inline const QString kAddressKey = QStringLiteral("Adres");

} // namespace velkor::update
