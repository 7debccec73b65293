#pragma once

#include <QByteArray>
#include <QUrl>

namespace velkor::update {

/// Fetches a file from the update server. Throws UpdateError: of kind NoConnection when the
/// server cannot be reached, Failed for every other fault.
class Downloader {
public:
    virtual ~Downloader() = default;
    /// The whole body of `url`, at most `limit` bytes.
    virtual QByteArray get(const QUrl& url, qint64 limit) = 0;
};

} // namespace velkor::update
