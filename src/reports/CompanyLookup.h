#pragma once

#include <QString>
#include <optional>

namespace velkor {

class Connection;

/// The name (`firmaadi`) of the company registered under the code (`kodu`, exact match)
/// in the registry of the general connection; none when no company has that code.
std::optional<QString> registeredCompanyName(Connection& general, const QString& code);

} // namespace velkor
