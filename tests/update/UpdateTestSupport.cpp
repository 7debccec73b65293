#include "update/UpdateTestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QSslSocket>

#include <openssl/evp.h>
#include <openssl/pem.h>

namespace velkor::test {

namespace {

QByteArray dataFile(const char* name) {
    QFile file(QStringLiteral(VELKOR_TEST_SOURCE_DIR "/update/data/") + QLatin1String(name));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

LocalHttpsServer::LocalHttpsServer() : m_key(dataFile("key.pem"), QSsl::Rsa) {
    listen(QHostAddress::LocalHost);
}

QString LocalHttpsServer::root() const {
    return QStringLiteral("https://127.0.0.1:%1/").arg(serverPort());
}

void LocalHttpsServer::serve(const QString& path, const QByteArray& body, bool truncated) {
    m_files.insert(path, {body, truncated});
}

QSslCertificate LocalHttpsServer::certificate() {
    return QSslCertificate(dataFile("cert.pem"));
}

void LocalHttpsServer::incomingConnection(qintptr descriptor) {
    auto* socket = new QSslSocket(this);
    socket->setSocketDescriptor(descriptor);
    socket->setLocalCertificate(certificate());
    socket->setPrivateKey(m_key);
    auto* request = new QByteArray;
    connect(socket, &QSslSocket::disconnected, socket, [socket, request] {
        delete request;
        socket->deleteLater();
    });
    connect(socket, &QSslSocket::readyRead, socket, [this, socket, request] {
        request->append(socket->readAll());
        if (!request->contains("\r\n\r\n"))
            return;
        const QList<QByteArray> words = request->left(request->indexOf("\r\n")).split(' ');
        const QString path = words.size() > 1 ? QString::fromLatin1(words[1]).mid(1) : QString();
        m_requests << path;
        request->clear();
        const auto found = m_files.constFind(path);
        if (found == m_files.constEnd()) {
            socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        } else {
            const QByteArray& body = found->body;
            const qsizetype announced = found->truncated ? body.size() * 2 + 10 : body.size();
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                          QByteArray::number(announced) + "\r\nConnection: close\r\n\r\n");
            socket->write(body);
        }
        socket->disconnectFromHost();
    });
    socket->startServerEncryption();
}

SigningKey::SigningKey() {
    EVP_PKEY_CTX* context = EVP_PKEY_CTX_new_id(EVP_PKEY_ED25519, nullptr);
    EVP_PKEY_keygen_init(context);
    EVP_PKEY_keygen(context, &m_key);
    EVP_PKEY_CTX_free(context);
}

SigningKey::~SigningKey() {
    EVP_PKEY_free(m_key);
}

QByteArray SigningKey::publicKey() const {
    QByteArray raw(32, '\0');
    size_t size = 32;
    EVP_PKEY_get_raw_public_key(m_key, reinterpret_cast<unsigned char*>(raw.data()), &size);
    return raw;
}

QByteArray SigningKey::sign(const QByteArray& message) const {
    QByteArray signature(64, '\0');
    size_t size = 64;
    EVP_MD_CTX* context = EVP_MD_CTX_new();
    EVP_DigestSignInit(context, nullptr, nullptr, nullptr, m_key);
    EVP_DigestSign(context, reinterpret_cast<unsigned char*>(signature.data()), &size,
                   reinterpret_cast<const unsigned char*>(message.constData()),
                   static_cast<size_t>(message.size()));
    EVP_MD_CTX_free(context);
    return signature;
}

QByteArray SigningKey::privateKeyPem() const {
    BIO* memory = BIO_new(BIO_s_mem());
    PEM_write_bio_PrivateKey(memory, m_key, nullptr, nullptr, 0, nullptr, nullptr);
    char* data = nullptr;
    const long size = BIO_get_mem_data(memory, &data);
    QByteArray pem(data, static_cast<qsizetype>(size));
    BIO_free(memory);
    return pem;
}

} // namespace velkor::test
