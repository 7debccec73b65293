#pragma once

#include <QByteArray>
#include <QMap>
#include <QSslCertificate>
#include <QSslKey>
#include <QTcpServer>

#include <openssl/types.h>

namespace velkor::test {

/// A one-thread HTTPS server on 127.0.0.1 with the tests' own certificate. It answers GET
/// requests from a table of paths; a path marked truncated announces more bytes than it
/// sends and closes.
class LocalHttpsServer : public QTcpServer {
    Q_OBJECT

public:
    LocalHttpsServer();

    /// The address of the server's root, "https://127.0.0.1:PORT/".
    QString root() const;
    void serve(const QString& path, const QByteArray& body, bool truncated = false);
    /// The paths requested so far.
    const QStringList& requests() const { return m_requests; }
    /// The certificate the client must trust.
    static QSslCertificate certificate();

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    struct File {
        QByteArray body;
        bool truncated = false;
    };
    QMap<QString, File> m_files;
    QStringList m_requests;
    QSslKey m_key;
};

/// A new Ed25519 key pair: the raw 32-byte public key and a signer for messages.
class SigningKey {
public:
    SigningKey();
    ~SigningKey();
    SigningKey(const SigningKey&) = delete;
    SigningKey& operator=(const SigningKey&) = delete;

    QByteArray publicKey() const;
    QByteArray sign(const QByteArray& message) const;
    /// The private key as PEM, the form the publisher's tool reads.
    QByteArray privateKeyPem() const;

private:
    EVP_PKEY* m_key = nullptr;
};

} // namespace velkor::test
