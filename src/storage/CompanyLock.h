#pragma once

#include "base/ShownError.h"

#include <QString>
#include <memory>

namespace velkor {

/// A company that another holder keeps from the one who asks; the message says who, in
/// Turkish, and how to go on.
class CompanyBusyError : public ShownError {
public:
    using ShownError::ShownError;
};

/// A held company lock; destroying it gives the hold up.
class CompanyLock {
public:
    virtual ~CompanyLock() = default;
};

/// The company lock: whoever works on a company's database holds it shared (many at once,
/// in any process: the programs writing its items), and the operations that replace or
/// empty the whole database hold it exclusively for their whole duration, under their
/// name (compaction, restores, resets, group deletions), so that no save lands in a file
/// that is about to be replaced or emptied. Holds of one object never exclude each other:
/// an exclusive operation may run while the same object holds the company shared.
class CompanyLocks {
public:
    virtual ~CompanyLocks() = default;

    /// Holds `code` shared; waits a while for an exclusive operation to end, then throws
    /// CompanyBusyError naming the operation.
    virtual std::unique_ptr<CompanyLock> shared(const QString& code) = 0;
    /// Holds `code` exclusively for `operation` (its Turkish name, shown to those who wait);
    /// waits a while for the other holders to end, then throws CompanyBusyError.
    virtual std::unique_ptr<CompanyLock> exclusive(const QString& code, const QString& operation) = 0;
};

/// The names under which the exclusive operations hold a company.
namespace operations {
inline const QString kCompaction = QStringLiteral("Sıkıştırma");
inline const QString kRestore = QStringLiteral("Geri Yükleme");
inline const QString kReset = QStringLiteral("Enflasyon Düzeltme Silme");
inline const QString kGroupDeletion = QStringLiteral("Toplu Kayıt Silme");
} // namespace operations

/// The message for a company held exclusively by `operation` (empty when unknown).
QString companyBusyMessage(const QString& code, const QString& operation);
/// The message for a company that others have open when `operation` wants it alone.
QString companyInUseMessage(const QString& code, const QString& operation);

} // namespace velkor
