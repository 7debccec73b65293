#pragma once

#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QFile>

namespace velkor::test {

/// The test data written by the release before the later periods: a company "ESK" with
/// fixed assets, a stock and capital adjusted at 31.12.2023 and its report list prepared,
/// and the general database registering it.
inline QString earlierReleaseData(const QString& file) {
    return QStringLiteral(VELKOR_TEST_SOURCE_DIR "/periods/data/") + file;
}

inline QByteArray fileHash(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

/// An installation holding the earlier release's company file, the company connection on it.
class EarlierCompanyHome : public TempHome {
public:
    EarlierCompanyHome() {
        QFile::copy(earlierReleaseData(QStringLiteral("ESK.mdb")), companyFile());
        QFile::setPermissions(companyFile(), QFile::ReadOwner | QFile::WriteOwner);
        context().PointCompanyConnection(QStringLiteral("ESK"));
    }
    QString companyFile() const { return home() + QStringLiteral("Data/ESK.mdb"); }
};

} // namespace velkor::test
