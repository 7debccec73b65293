#pragma once

namespace velkor {

/// The automatic backups run by the close sequence of the entry window. The default
/// takes none; the backup subsystem supplies the real ones.
class AutoBackup {
public:
    virtual ~AutoBackup() = default;

    /// The all-companies automatic backup, called when its interval has passed.
    virtual void TumunuYedekleOto() {}
    /// The daily rotating backup, called when it is switched on.
    virtual void OtoYedekle() {}
};

} // namespace velkor
