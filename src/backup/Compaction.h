#pragma once

#include <QString>
#include <functional>

namespace velkor {

/// Compacts the closed database file at `path`: a compacted, equally encrypted copy is
/// written to path + ".bakim", opened and compared with the original (tables and the
/// number of items), and replaces the original with one rename. On any failure the copy
/// is removed, the original stays as it was, and ShownError carries the system's message.
/// `hook` is called after each step ("compacted", "verified", "replaced") for tests.
void CompactCompanyDatabase(const QString& path, const std::function<void(const char*)>& hook = {});

} // namespace velkor
