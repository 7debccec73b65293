#include "reports/CompanyLookup.h"

#include "storage/Connection.h"
#include "storage/Statement.h"

namespace velkor {

std::optional<QString> registeredCompanyName(Connection& general, const QString& code) {
    Statement statement(general.database(),
                        QStringLiteral("SELECT firmaadi FROM firmalar WHERE kodu=? ORDER BY fid"));
    statement.bind(1, code);
    if (!statement.step())
        return std::nullopt;
    return statement.value(0).toString();
}

} // namespace velkor
