#pragma once

#include <QString>

namespace velkor::update {

/// A field of a Debian package's control data (`Package`, `Version`, ...), read with the
/// system's dpkg-deb; empty when the file is no package or has no such field.
QString debianPackageField(const QString& path, const QString& field);

/// Whether the Debian version `candidate` comes after `installed` by dpkg's own ordering
/// (1.10 after 1.9, 1.0~rc1 before 1.0); false when either is not a version.
bool isLaterDebianVersion(const QString& candidate, const QString& installed);

} // namespace velkor::update
