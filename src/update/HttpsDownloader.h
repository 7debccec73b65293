#pragma once

#include "update/Downloader.h"

#include <QList>
#include <QSslCertificate>

namespace velkor::update {

/// Downloads over HTTPS only, with Qt Network, verifying the server's certificate against
/// the system's authorities and the extra ones given (a test's own authority). Waits in a
/// local event loop, at most `timeoutMs` without progress.
class HttpsDownloader : public Downloader {
public:
    explicit HttpsDownloader(QList<QSslCertificate> extraAuthorities = {}, int timeoutMs = 30000);

    QByteArray get(const QUrl& url, qint64 limit) override;

private:
    QList<QSslCertificate> m_extraAuthorities;
    int m_timeoutMs;
};

} // namespace velkor::update
