#include "update/HttpsDownloader.h"

#include "update/UpdateError.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QTimer>

#include <memory>

namespace velkor::update {

namespace {

bool isConnectionFault(QNetworkReply::NetworkError error) {
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TimeoutError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
        return true;
    default:
        return false;
    }
}

} // namespace

HttpsDownloader::HttpsDownloader(QList<QSslCertificate> extraAuthorities, int timeoutMs)
    : m_extraAuthorities(std::move(extraAuthorities)), m_timeoutMs(timeoutMs) {}

QByteArray HttpsDownloader::get(const QUrl& url, qint64 limit) {
    if (url.scheme() != QLatin1String("https"))
        throw UpdateError(QStringLiteral("Güncelleme yalnız şifreli bağlantıdan (https://) indirilir: %1")
                              .arg(url.toString()));
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    if (!m_extraAuthorities.isEmpty())
        tls.addCaCertificates(m_extraAuthorities);
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    request.setSslConfiguration(tls);

    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    QEventLoop loop;
    QTimer stall;
    stall.setSingleShot(true);
    bool stalled = false;
    bool tooLarge = false;
    QObject::connect(&stall, &QTimer::timeout, &loop, [&] {
        stalled = true;
        reply->abort();
    });
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &loop,
                     [&](qint64 received, qint64 total) {
                         stall.start(m_timeoutMs);
                         if (received > limit || total > limit) {
                             tooLarge = true;
                             reply->abort();
                         }
                     });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    stall.start(m_timeoutMs);
    loop.exec();

    if (stalled)
        throw UpdateError(QStringLiteral("Güncelleme sunucusu yanıt vermedi: %1").arg(url.toString()),
                          UpdateError::Kind::NoConnection);
    if (tooLarge)
        throw UpdateError(QStringLiteral("İndirilen dosya izin verilenden büyük: %1").arg(url.toString()));
    if (reply->error() != QNetworkReply::NoError) {
        const QString reason = reply->errorString();
        if (isConnectionFault(reply->error()))
            throw UpdateError(QStringLiteral("Güncelleme sunucusuna bağlanılamadı: %1").arg(reason),
                              UpdateError::Kind::NoConnection);
        throw UpdateError(QStringLiteral("Dosya indirilemedi: %1 (%2)").arg(url.toString(), reason));
    }
    if (reply->url().scheme() != QLatin1String("https"))
        throw UpdateError(QStringLiteral("Güncelleme şifresiz bir adrese yönlendirildi; indirilmedi."));
    const QByteArray body = reply->readAll();
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() != body.size())
        throw UpdateError(QStringLiteral("Dosya eksik indirildi: %1").arg(url.toString()));
    return body;
}

} // namespace velkor::update
