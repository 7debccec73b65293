#pragma once

#include <QString>

namespace velkor {

/// The accounting program a derivation serves; each departs from the shared rules in
/// its own places.
enum class VoucherTarget { Luca, Mikro, Netsis, Zirve, Logo };

enum class VoucherSide { Debit, Credit };

/// One line of a voucher.
struct VoucherLine {
    /// The account text; empty when the rules give the line no account.
    QString account;
    /// The parent account of the Logo voucher (empty elsewhere).
    QString parent;
    VoucherSide side = VoucherSide::Debit;
    double amount = 0;
    QString description;
    /// The voucher counter the line's document number is formed with.
    double counter = 0;
    /// Whether the line belongs to a depreciation pair.
    bool depreciation = false;
};

} // namespace velkor
