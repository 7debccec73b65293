#include "update/PackageSignature.h"

#include "storage/ProgramLayout.h"

#include <QFile>

#include <openssl/evp.h>

#include <memory>

// The resources of a static library are registered by hand before their first use.
static void initUpdateResource() {
    Q_INIT_RESOURCE(update);
}

namespace velkor::update {

bool verifyEd25519(const QByteArray& message, const QByteArray& signature, const QByteArray& publicKey) {
    constexpr int kKeySize = 32;
    constexpr int kSignatureSize = 64;
    if (publicKey.size() != kKeySize || signature.size() != kSignatureSize)
        return false;
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(
        EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr,
                                    reinterpret_cast<const unsigned char*>(publicKey.constData()), kKeySize),
        EVP_PKEY_free);
    if (!key)
        return false;
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    if (!context || EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return false;
    return EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char*>(signature.constData()),
                            kSignatureSize, reinterpret_cast<const unsigned char*>(message.constData()),
                            static_cast<size_t>(message.size())) == 1;
}

QByteArray publisherPublicKey() {
    initUpdateResource();
    const QString installed = shippedFile(QStringLiteral("publisher.pub"));
    QFile file(installed.isEmpty() ? QStringLiteral(":/update/publisher.pub") : installed);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QByteArray::fromBase64(file.readAll().trimmed());
}

} // namespace velkor::update
