#pragma once

#include <QByteArray>

namespace velkor::update {

/// True when `signature` is a valid Ed25519 signature of `message` under the raw 32-byte
/// `publicKey`. Anything malformed (wrong sizes, a key OpenSSL refuses) reads as invalid.
bool verifyEd25519(const QByteArray& message, const QByteArray& signature, const QByteArray& publicKey);

/// The publisher's public key the program trusts, raw 32 bytes (shipped as a resource).
QByteArray publisherPublicKey();

} // namespace velkor::update
